// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <vector>

#include "base/ports.h"
#include "skills/question_space.h"

namespace tally {

// A sheet of `count` different questions of one skill, each drawn evenly, in
// random order; every question once when the skill has fewer than `count`.
std::vector<SkillQuestion> drawSheet(const QuestionSpace& questions, RandomSource& random, std::size_t count);

}  // namespace tally
