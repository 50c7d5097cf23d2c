// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace tally::test {

// The machine that runs the tests may be root's, for whom every file can be
// read and written. A command run "as a normal user" then runs as nobody
// through setpriv; as any other user it runs as it is. Nothing when neither
// is possible (the test is skipped then).
inline std::optional<std::string> asNormalUser(const std::string& command) {
    if (::geteuid() != 0) return command;
    if (std::system("setpriv --version >/dev/null 2>&1") != 0) return std::nullopt;
    return "setpriv --reuid=65534 --regid=65534 --clear-groups " + command;
}

}  // namespace tally::test
