// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "support/temp_folder.h"

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

// The standard output and errors of a shell command given `input`; nothing
// unless it ends with status 0.
inline std::optional<std::string> outputOf(const std::string& command, const std::string& input) {
    const TempFolder folder;
    std::ofstream(folder.path() / "in") << input;
    FILE* pipe = ::popen((command + " < " + (folder.path() / "in").string() + " 2>&1").c_str(), "r");
    if (!pipe) return std::nullopt;
    std::string output;
    for (int c; (c = std::fgetc(pipe)) != EOF;) output += static_cast<char>(c);
    return ::pclose(pipe) == 0 ? std::optional(output) : std::nullopt;
}

}  // namespace tally::test
