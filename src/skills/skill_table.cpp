// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/skill_table.h"

#include <algorithm>
#include <iterator>

#include "skills/grade_skills.h"

namespace tally {

SkillRow skillRow(std::string key, int grade, Term term, std::string unit, std::string caption,
                  std::vector<QuestionSpace::Range> ranges, QuestionSpace::Rule rule) {
    return {std::move(key), grade, term, std::move(unit), std::move(caption),
            std::make_shared<const QuestionSpace>(std::move(ranges), std::move(rule))};
}

const std::vector<SkillRow>& skillTable() {
    static const std::vector<SkillRow> table = [] {
        std::vector<SkillRow> rows;
        for (auto grade : {gradeOneSkills(), gradeTwoSkills(), gradeThreeSkills(), gradeFourSkills(), gradeFiveSkills(),
                           gradeSixSkills()}) {
            std::move(grade.begin(), grade.end(), std::back_inserter(rows));
        }
        return rows;
    }();
    return table;
}

const SkillRow* findSkill(std::string_view key) {
    const auto& table = skillTable();
    const auto found = std::find_if(table.begin(), table.end(), [key](const SkillRow& row) { return row.key == key; });
    return found == table.end() ? nullptr : &*found;
}

}  // namespace tally
