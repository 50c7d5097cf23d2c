// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "progress/record_values.h"
#include "skills/skill_question.h"

namespace tally {

// What the child gave a question of 口算达标: its field (or what its picture
// wrote there) and, for a question of two boxes, the second box.
struct DabiaoTyped {
    std::string first;
    std::string second;
};

// Whether every box the question asks is filled (folded from full width).
bool dabiaoAnswered(const DabiaoTyped& typed, const SkillQuestion& question);
// Right as its skill's sheet marks it: a time or a count set on the picture
// exactly, each of two boxes, a quotient with its remainder.
bool dabiaoRight(const DabiaoTyped& typed, const SkillQuestion& question);
// The question as its answer is timed and its miss kept: the text with each
// box a blank (a picture's question as it reads), the answers as they read
// ("8时30分") and how the miss is asked again.
MissedQuestion dabiaoAsKept(const DabiaoTyped& typed, const SkillQuestion& question);
// What to say when a box is still empty.
const char* dabiaoEmptyWords(const SkillQuestion& question);

}  // namespace tally
