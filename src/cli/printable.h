// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

namespace tally {

// Text as the headless front end prints it: valid UTF-8 stays as it is;
// control characters and bytes that are not UTF-8 become \xNN, so an answer
// always stays on one line and a terminal never receives raw control codes.
std::string printable(std::string_view text);

}  // namespace tally
