// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tally {

// What the status line says while a lab computer holds answers the class's
// server has not taken: "还有3道题没有交给老师"; "" when none wait.
std::string outboxStatusText(int unsentAnswers);
// What it says while the server has refused some of them by themselves (set
// aside, so the rest still go): "有2道题没能交给老师，请告诉老师。"; "" when none.
std::string refusedStatusText(int refusedAnswers);

}  // namespace tally
