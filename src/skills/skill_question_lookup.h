// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include "progress/record_values.h"
#include "skills/skill_table.h"

namespace tally {

// The skill's question a 口算 sheet in 横式 showed as `text` (a missed or
// timed answer's question), as that sheet asks and marks it: its answer and
// how it takes it, under the skill's key and caption. Nothing when the skill
// has no question of that text, or one that cannot be asked in one go again
// (a quotient with its remainder). Each skill's texts are listed once, on first use.
std::optional<MissedQuestion> skillQuestionOfText(const SkillRow& skill, const std::string& text);

// The skill's question itself that a sheet showed as `text` ("第3题：" and the
// blanks aside), or nothing.
std::optional<SkillQuestion> skillQuestionWithText(const SkillRow& skill, const std::string& text);

}  // namespace tally
