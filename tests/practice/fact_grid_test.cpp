// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "practice/fact_grid.h"
#include "skills/skill_table.h"

namespace tally {
namespace {

// Every question the skills of grades 1 and 2 can ask, as a sheet stores it.
std::set<std::string> gradeOneAndTwoQuestions() {
    std::set<std::string> texts;
    for (const SkillRow& skill : skillTable()) {
        if (skill.grade > 2) continue;
        for (std::size_t i = 0; i < skill.questions->size(); ++i) {
            texts.insert(skill.questions->question(i).text + kAnswerBlank);
        }
    }
    return texts;
}

// Each grid holds its family's facts, each a question the skills ask but
// 1×1 and the divisions by 1, which no skill asks.
TEST(FactGrid, EveryFactIsAQuestionOfTheSkills) {
    const std::set<std::string> asked = gradeOneAndTwoQuestions();
    std::set<std::string> unasked;
    const struct {
        const char* caption;
        std::size_t facts;
    } cases[] = {{"20以内加法", 81}, {"20以内退位减法", 36}, {"乘法口诀", 81}, {"表内除法", 81}};
    for (const auto& c : cases) {
        const auto grid = factGridNamed(c.caption);
        ASSERT_TRUE(grid) << c.caption;
        std::set<std::string> facts;
        for (const auto& row : grid->rows) {
            for (const auto& cell : row) {
                if (!cell) continue;
                facts.insert(cell->caption);
                if (!asked.count(cell->texts.front())) unasked.insert(cell->caption);
            }
        }
        EXPECT_EQ(facts.size(), c.facts) << c.caption;
    }
    EXPECT_EQ(unasked, (std::set<std::string>{"1×1", "1÷1", "2÷1", "3÷1", "4÷1", "5÷1", "6÷1", "7÷1", "8÷1", "9÷1"}));
}

}  // namespace
}  // namespace tally
