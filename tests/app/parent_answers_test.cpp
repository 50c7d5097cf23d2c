// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sqlite_record/record_sheets.h"
#include "support/file_harness.h"
#include "support/text_helpers.h"

// A child alone gets no right answer from the weekly report, 打印, a marked
// sheet or a page that reveals them; the parent gets them all.
namespace tally {
namespace {

const Day kToday = parseDay("2026-10-12").value();

// Misses kept in a real record, due by today; their right answers are worked
// out here.
std::vector<MissedQuestion> storeMisses(SqliteRecord& record, long long childId) {
    const std::vector<MissedQuestion> misses = {
        {"8430+9= （　）", "1", std::to_string(8430 + 9), AnswerForm::One, "q13", "100以内加法"},
        {"用3、3、8、8算24", "3*8", "8÷(3-8÷3)", AnswerForm::One, "q61", "拍24点"},
    };
    EXPECT_TRUE(record.store(test::markedSheet(dayText(kToday - 2) + " 18:00:00", "q13", misses, childId)));
    return misses;
}

TEST(ParentAnswers, AChildAloneGetsMissesAndMarksWithoutAnswers) {
    const struct { const char* who; bool parent; } cases[] = {{"child alone", false}, {"parent", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.who);
        test::FileHarness h(c.parent);
        const std::vector<MissedQuestion> misses = storeMisses(h.file, h.practising("小明", 2));
        h.clock.day = kToday;
        h.start();
        ASSERT_EQ(h.form->loginIsAdvanced(), c.parent);

        h.form->clickToolbar("w15");
        const std::string report = h.ui.page2Html;
        for (const MissedQuestion& miss : misses) {
            EXPECT_NE(report.find(miss.question.substr(0, miss.question.find(' '))), std::string::npos) << report;
            EXPECT_EQ(report.find(miss.correct) != std::string::npos, c.parent) << miss.correct;
        }

        h.click("q13", "加减乘除");
        h.form->clickToolbar("w12");
        EXPECT_EQ(h.ui.printChoice, c.parent ? "打印练习卷和答案" : "打印练习卷");
        EXPECT_EQ(!test::textsOfClass(h.ui.printedWorksheet, "filled").empty(), c.parent);
        EXPECT_EQ(h.ui.printedWorksheet.find("class=\"key\"") != std::string::npos, c.parent);

        // A marked sheet: √ and × for both, the right answers for the parent only.
        h.type("answer1", "x");
        h.finish();
        EXPECT_NE(h.page.bodyText().find("(×"), std::string::npos);
        EXPECT_EQ(h.page.bodyText().find("正确答案") != std::string::npos, c.parent);
        // So are the pages that only reveal answers and the 24-point game's ways.
        h.ui.messages.clear();
        h.click("q511", "智力题");
        h.finish();
        h.click("q2037", "各年级试卷");
        h.click("q61", "数学游戏");
        h.type("answer", "1+2+3+4");
        h.finish();
        EXPECT_NE(h.page.bodyText().find("(×)"), std::string::npos);
        EXPECT_EQ(h.page.bodyHtml().find("＝24<br>") != std::string::npos, c.parent);
        int refused = 0;
        for (const auto& [title, text] : h.ui.messages) refused += text.find("要请爸爸妈妈登录以后才能看") != std::string::npos;
        EXPECT_EQ(refused, c.parent ? 0 : 2);
    }
}

}  // namespace
}  // namespace tally
