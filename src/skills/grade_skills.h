// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <vector>

#include "skills/skill_table.h"

namespace tally {

// The skills of each grade, both terms, in the textbook's order.
std::vector<SkillRow> gradeOneSkills();
std::vector<SkillRow> gradeTwoSkills();
std::vector<SkillRow> gradeThreeSkills();
std::vector<SkillRow> gradeFourSkills();
std::vector<SkillRow> gradeFiveSkills();
std::vector<SkillRow> gradeSixSkills();

}  // namespace tally
