// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include "page/page.h"
#include "progress/record_values.h"
#include "skills/skill_steps.h"

namespace tally {

// "steps3": the name of the 看看怎么算 button of question 3.
std::string stepsButtonName(int number);
bool isStepsButton(const std::string& name);

// On a sheet just marked: right behind the mark of each wrong answer whose
// question has steps, a 看看怎么算 button carrying the question, its topic
// (`sheetKey` for the answers that name none) and the kind of error its miss
// was marked with (`missed`, the sheet's misses). Only for eyes that may see
// the answers: the caller asks.
void offerSteps(Page& page, const std::string& sheetKey, const std::vector<MissedQuestion>& missed);

// The steps the button of that name stands for, worked out again from its
// question by the code of its skill (or from a drill's text); nothing when
// the page has no such button.
std::optional<QuestionSteps> stepsOfButton(const Page& page, const std::string& buttonName);

// What went wrong, as the steps of that button open with it: "这道题是忘了进位。",
// or "" when the miss has no kind.
std::string stepsKindLine(const Page& page, const std::string& buttonName);

// The button's steps opened under it, or closed again when open.
void toggleSteps(Page& page, const std::string& buttonName);

}  // namespace tally
