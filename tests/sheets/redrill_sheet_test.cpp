// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/seeded_random.h"
#include "page/html_page.h"
#include "sheets/redrill_sheet.h"
#include "skills/skill_page.h"
#include "skills/skill_sheet.h"

namespace tally {
namespace {

// Questions of two boxes (□时□分, □分□秒, □元□角, □个十□个一) and clocks to set,
// missed on their skills' sheets, are asked again on the re-drill sheet:
// right when answered as the skills' own questions say, wrong when left empty.
TEST(RedrillSheet, TwoBoxesAndClocksToSetAreAskedAgain) {
    SeededRandom random(5);
    std::vector<SkillSheetItem> items;
    for (const char* key : {"k2141", "k3141", "k1255", "k1256", "k1258", "k1142", "k2143"}) {
        for (SkillQuestion& q : drawSheet(*findSkill(key)->questions, random, 2)) items.push_back({findSkill(key), q});
    }
    HtmlPage sheet;
    sheet.setBody(skillSheetHtml(items, DrillForm::Normal));
    const std::vector<MissedQuestion> missed = markSkillSheet(sheet, static_cast<int>(items.size()), 0).missed;
    ASSERT_EQ(missed.size(), items.size());

    HtmlPage answered;
    answered.setBody(redrillSheetHtml(missed));
    std::size_t faces = 0;
    for (std::size_t at = answered.bodyHtml().find("data-dial"); at != std::string::npos;
         at = answered.bodyHtml().find("data-dial", at + 1)) {
        ++faces;
    }
    EXPECT_EQ(faces, 4u) << "a face to set for each clock";
    for (std::size_t i = 0; i < items.size(); ++i) {
        const SkillQuestion& q = items[i].question;
        const std::string n = std::to_string(i + 1);
        EXPECT_EQ(missed[i].form, AnswerForm::HoursMinutes) << q.text;
        if (!q.setOnPicture.empty()) {
            EXPECT_EQ(answered.attribute("answer" + n, "class"), "dial") << q.text;
            answered.setValue("answer" + n, q.setOnPicture);
        } else {
            answered.setValue("r" + n, numberText(q.result));
            answered.setValue("answer" + n, std::to_string(*q.secondBox));
        }
    }
    const MarkedSheet right = gradeRedrill(answered, missed, 0);
    EXPECT_EQ(right.right, static_cast<int>(items.size()));

    HtmlPage empty;
    empty.setBody(redrillSheetHtml(missed));
    EXPECT_EQ(gradeRedrill(empty, missed, 0).missed.size(), items.size());
}

}  // namespace
}  // namespace tally
