// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/skill_question_lookup.h"

#include <gtest/gtest.h>

#include "base/seeded_random.h"
#include "page/html_page.h"
#include "skills/skill_page.h"
#include "skills/skill_sheet.h"

namespace tally {
namespace {

// Every question a 横式 sheet of the skill shows (a sheet of several, as a
// child sees it) is found again by its text, with the answer the sheet took.
TEST(SkillQuestionLookup, TheSheetsTextFindsItsQuestion) {
    // Sums, □ in place of a term, mixed steps, a remainder, decimals, x,
    // fractions, ratios, percents, comparisons.
    for (const char* key : {"k1107", "k1104", "k2109", "k2204", "k3205", "k5101", "k5108", "k6102", "k6107",
                            "k6202"}) {
        const SkillRow* skill = findSkill(key);
        ASSERT_TRUE(skill) << key;
        SeededRandom random(3);
        std::vector<SkillSheetItem> items;
        for (const SkillQuestion& q : drawSheet(*skill->questions, random, 20)) items.push_back({skill, q});
        HtmlPage page;
        page.setBody(skillSheetHtml(items, DrillForm::Normal));
        for (const MissedQuestion& miss : markSkillSheet(page, 20, 0).missed) {
            const std::optional<MissedQuestion> found = skillQuestionOfText(*skill, miss.question);
            if (miss.form == AnswerForm::None) {
                EXPECT_FALSE(found) << miss.question;
                continue;
            }
            ASSERT_TRUE(found) << key << " " << miss.question;
            EXPECT_EQ(found->correct, miss.correct) << miss.question;
            EXPECT_EQ(found->form, miss.form) << miss.question;
            EXPECT_EQ(found->topicKey, key);
        }
    }
    EXPECT_FALSE(skillQuestionOfText(*findSkill("k1107"), "999＋999＝（　）"));
}

}  // namespace
}  // namespace tally
