// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <span>
#include <vector>

#include "skills/skill_table.h"

namespace tally {

// What the grades' rules are written with: the values of one combination of
// a skill's ranges, the question it stands for or none, and the two terms.
namespace skill_rules {
using Values = std::span<const int>;
using Maybe = std::optional<SkillQuestion>;
inline constexpr Term up = Term::first;
inline constexpr Term down = Term::second;
}  // namespace skill_rules

// The skills of each grade, both terms, in the textbook's order.
std::vector<SkillRow> gradeOneSkills();
std::vector<SkillRow> gradeTwoSkills();
std::vector<SkillRow> gradeThreeSkills();
std::vector<SkillRow> gradeFourSkills();
std::vector<SkillRow> gradeFiveSkills();
std::vector<SkillRow> gradeSixSkills();

}  // namespace tally
