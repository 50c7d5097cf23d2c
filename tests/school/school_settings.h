// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tally::test {

// The test server's connection settings by name ("lab", "teacher",
// "other_teacher", "administrator", "server"), from the file the test
// command's server fixture writes; this binary starts a server of its own
// when it runs outside that fixture.
std::string schoolSetting(const std::string& name);

// A name no other test of this run uses ("三年级（2）班-17-3").
std::string uniqueName(const std::string& stem);

}  // namespace tally::test
