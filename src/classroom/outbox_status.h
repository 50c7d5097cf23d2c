// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tally {

// What the status line says while a lab computer holds answers the class's
// server has not taken: "还有3道题没有交给老师"; "" when none wait.
std::string outboxStatusText(int unsentAnswers);

}  // namespace tally
