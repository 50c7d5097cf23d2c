// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skills/question_space.h"

namespace tally {

enum class Term { first, second };  // 上学期, 下学期

// One calculation skill of the textbook, in its unit: "k" grade, term (1 上,
// 2 下) and its place in the term, "k1107" being 一年级上's seventh skill.
struct SkillRow {
    std::string key;
    int grade = 1;
    Term term = Term::first;
    std::string unit;     // the unit as the textbook names it
    std::string caption;  // the skill as a child reads it
    std::shared_ptr<const QuestionSpace> questions;
};

SkillRow skillRow(std::string key, int grade, Term term, std::string unit, std::string caption,
                  std::vector<QuestionSpace::Range> ranges, QuestionSpace::Rule rule);

// Every skill, grade by grade, term by term, in the textbook's order.
const std::vector<SkillRow>& skillTable();
// The skill of that key, or nothing.
const SkillRow* findSkill(std::string_view key);

}  // namespace tally
