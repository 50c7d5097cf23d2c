// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "skills/skill_table.h"
#include "topics/topic_rows.h"

namespace tally {

// The 口算 tab: grade → term → unit → skill, in the skill table's order. A
// grade is "k1", a term "k11" (一年级上学期), a unit "k11-02" (its place in
// the term), a skill its own key; every tag is "k" and the key.
inline constexpr const char* kSkillTab = "T16";
inline constexpr const char* kSkillSigil = "k";

std::vector<TopicRow> skillTopicRows();

// "一年级上学期".
std::string termCaption(int grade, Term term);

// The skills a node stands for: a skill itself, or every skill below a grade,
// term or unit node; none for an unknown key.
std::vector<const SkillRow*> skillsUnder(const std::string& nodeKey);

}  // namespace tally
