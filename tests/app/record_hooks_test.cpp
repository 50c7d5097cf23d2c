// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "support/harness.h"

// Every sheet, the games included, is checked against the record by the
// family table's walk; here a record that is missing or fails.
namespace tally {
namespace {

using test::Harness;

// The odd questions answered right, the even ones wrong.
void answerOddQuestions(Harness& h) {
    int question = 0;
    h.answerAll([&](const FieldAnswer& f) { return ++question % 2 ? f.answer : "x"; });
}

TEST(RecordHooks, ARecordThatKeepsFailingCostsOneMessageAndNoSheet) {
    Harness h;
    h.record.failing = true;
    h.start();
    h.ui.messages.clear();
    for (const char* key : {"q13", "q12"}) {
        h.click(key);
        answerOddQuestions(h);
        h.finish();
        EXPECT_NE(h.page.bodyText().find("你的得分是"), std::string::npos) << key;
    }
    ASSERT_EQ(h.ui.messages.size(), 1u);
    EXPECT_NE(h.ui.messages[0].second.find("成绩记录"), std::string::npos);
    EXPECT_EQ(h.record.storeCalls, 2);  // tried again with every sheet
    // The program goes on: once the record works again the next sheet is
    // stored, and a later trouble is told again.
    h.click("q11");
    h.record.failing = false;
    answerOddQuestions(h);
    h.finish();
    EXPECT_EQ(h.record.stored.size(), 1u);
    h.record.failing = true;
    h.click("q13");
    answerOddQuestions(h);
    h.finish();
    EXPECT_EQ(h.ui.messages.size(), 2u);
    // The record page and the re-drill say what is wrong instead of showing nothing.
    h.form->clickToolbar("w13");
    h.form->redrill();
    ASSERT_EQ(h.ui.messages.size(), 4u);
    EXPECT_NE(h.ui.messages[2].second.find("现在看不到成绩和错题"), std::string::npos);
    EXPECT_NE(h.ui.messages[3].second.find("现在看不到成绩和错题"), std::string::npos);
}

}  // namespace
}  // namespace tally
