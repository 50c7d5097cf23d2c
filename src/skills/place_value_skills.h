// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>

#include "skills/skill_question.h"

namespace tally {

// The rules of reading and making numbers within 100 with 计数器 and 小棒.

// "计数器上表示的数是□。" under a counter holding `number`.
std::optional<SkillQuestion> readBeadCounter(int number);
// "一共是□根。" under `number` sticks, its tens in bundles.
std::optional<SkillQuestion> readSticks(int number);
// "拨出45，十位上拨□颗珠子，个位上拨□颗珠子。" over an empty counter.
std::optional<SkillQuestion> setBeadCounter(int number);

}  // namespace tally
