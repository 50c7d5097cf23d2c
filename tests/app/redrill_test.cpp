// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <string>

#include "page/html_page.h"
#include "app/worksheet_print.h"
#include "support/file_harness.h"
#include "support/text_helpers.h"

namespace tally {
namespace {

using test::Harness;
using test::numbersIn;

using Question = const std::string&;

// The i-th whole number written in a question.
long long nth(const std::string& question, std::size_t i) { return numbersIn(question).at(i); }

std::string reduced(long long up, long long down) {
    const long long g = std::gcd(up, down);
    return std::to_string(up / g) + "/" + std::to_string(down / g);
}

// Each sheet answered wrong and marked: every miss must carry a question from
// which its correct answer follows, worked out here on its own.
TEST(RedrillQuestions, EveryMissKeepsAQuestionItsAnswerFollowsFrom) {
    const struct {
        const char* key;
        const char* tab;
        const char* toolbar;
        AnswerForm form;
        std::function<std::string(Question)> answerOf;
    } cases[] = {
        {"q13", "", "w6", AnswerForm::One, [](Question q) { return std::to_string(nth(q, 0) + nth(q, 1)); }},
        {"q23", "", "w7", AnswerForm::One, [](Question q) { return std::to_string(nth(q, 0) - nth(q, 1)); }},
        // the largest whole number that fits a + （　） < b
        {"q13", "", "w8", AnswerForm::One, [](Question q) { return std::to_string(nth(q, 1) - nth(q, 0) - 1); }},
        {"q71", "时间转换", "w6", AnswerForm::One,
         [](Question q) { return std::to_string(nth(q, 0) * 60 + nth(q, 1)); }},
        {"q75", "时间转换", "w6", AnswerForm::HoursMinutes,
         [](Question q) {
             return std::to_string(nth(q, 0) / 60) + "小时" + std::to_string(nth(q, 0) % 60) + "分";
         }},
        {"q81", "比较多少", "w6", AnswerForm::One,
         [](Question q) { return std::to_string(nth(q, 0) - nth(q, 1)); }},
        // Steps of two: the blank is two more than the number before it, or two
        // less than the one after it when it comes first.
        {"q92", "规律运算", "w6", AnswerForm::One,
         [](Question q) {
             const auto before = numbersIn(q.substr(0, q.find("（　）")));
             return std::to_string(before.empty() ? nth(q, 0) - 2 : before.back() + 2);
         }},
        {"q5010", "分数和比例", "w6", AnswerForm::Fraction,
         [](Question q) { return reduced(nth(q, 0) * nth(q, 3) + nth(q, 2) * nth(q, 1), nth(q, 1) * nth(q, 3)); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " " + c.toolbar);
        Harness h(test::started);
        h.form->clickToolbar(c.toolbar);
        h.click(c.key, c.tab);
        h.answerAll();
        h.finish();
        ASSERT_EQ(h.record.stored.size(), 1u);
        const auto& missed = h.record.stored[0].missed;
        ASSERT_FALSE(missed.empty());
        for (const MissedQuestion& miss : missed) {
            EXPECT_EQ(miss.form, c.form);
            EXPECT_EQ(c.answerOf(miss.question), miss.correct) << miss.question;
        }
    }
}

using test::FileHarness;

// Answers every field of the page from its key but those named, left empty.
void answerAllBut(Harness& h, const std::vector<std::string>& leftEmpty) {
    h.answerAll([&](const FieldAnswer& f) { return std::ranges::count(leftEmpty, f.field) ? "" : f.answer; });
}

TEST(Redrill, AsksTheMissesNewestFirstOnceAndARightAnswerTakesOneOff) {
    FileHarness h;
    h.start();
    h.click("q13");
    const std::vector<std::string> sums = {h.page.tag("answer2"), h.page.tag("answer5")};
    answerAllBut(h, {"answer2", "answer5"});
    h.finish();
    h.click("q5010", "分数和比例");
    answerAllBut(h, {"answerdown3"});
    h.finish();
    const std::string fractionUp = h.page.tag("answerup3");
    const std::string fractionDown = h.page.tag("answerdown3");

    h.form->pageClick("redrill");
    ASSERT_TRUE(h.form->redrillOnPage());
    // The fraction of the newest sheet first, then the two sums in their order.
    EXPECT_EQ(h.page.tag("answerup1"), fractionUp);
    EXPECT_EQ(h.page.tag("answerdown1"), fractionDown);
    EXPECT_EQ(h.page.tag("answer2"), sums[0]);
    EXPECT_EQ(h.page.tag("answer3"), sums[1]);
    EXPECT_FALSE(h.page.has("answer4"));

    h.type("answerup1", fractionUp);
    h.type("answerdown1", "９９９");  // full width, folded like every typed answer, and wrong
    h.type("answer2", "　" + sums[0]);
    h.finish();
    const MarkedSheet stored = h.file.sheets(kEarlierRecords).at(0);
    EXPECT_EQ(stored.topicKey, "redrill");
    EXPECT_EQ(stored.right, 1);
    ASSERT_EQ(stored.missed.size(), 2u);
    EXPECT_EQ(stored.missed[0].typed, fractionUp + "/999");
    EXPECT_EQ(stored.missed[0].topicKey, "q5010");  // a miss keeps the topic it came from

    h.form->redrill();
    EXPECT_EQ(h.page.tag("answerdown1"), fractionDown);
    EXPECT_EQ(h.page.tag("answer2"), sums[1]);
    EXPECT_FALSE(h.page.has("answer3"));
}

TEST(Redrill, NothingToPractiseOrNoRecordIsSaidAndThePageStays) {
    FileHarness h;
    h.start();
    h.click("q13");
    const std::string before = h.page.bodyHtml();
    h.form->redrill();
    EXPECT_EQ(h.lastMessage(), "现在没有要重练的错题。");
    EXPECT_EQ(h.page.bodyHtml(), before);
    h.form->setRecord(nullptr);
    h.form->redrill();
    h.form->clickToolbar("w13");
    EXPECT_EQ(h.ui.messages.size(), 3u);
    EXPECT_NE(h.lastMessage().find("成绩记录打不开"), std::string::npos);
    EXPECT_EQ(h.page.bodyHtml(), before);
}

// Misses kept before the written forms were taught keep their old keys; the
// re-drill shows each key as taught and takes every form of it.
TEST(Redrill, OldKeysTakeEveryWrittenForm) {
    FileHarness h;
    h.start();
    MarkedSheet old{.topicCaption = "旧题", .topicKey = "q13"};
    old.markWrong("60.4-32.4=（　）", "28", "28.0", AnswerForm::One);
    old.markWrong("2/4+3/6=", "1/", "1/1", AnswerForm::Fraction);
    old.markWrong("(9-3)÷(5-2)=（　）", "3.00", "3", AnswerForm::One);
    old.markWrong("共多少棵？\n答案 = （　）", "23（棵）", "23棵", AnswerForm::One);
    ASSERT_TRUE(h.file.store(old));
    h.form->redrill();
    ASSERT_TRUE(h.form->redrillOnPage());
    EXPECT_EQ(h.page.tag("answer1"), "28");  // the key on paper is the one on screen
    EXPECT_EQ(h.page.tag("answerdown2"), "");
    h.type("answer1", "28");
    h.type("answerup2", "1");
    h.type("answer3", "3.00");
    h.type("answer4", "23（棵）");
    h.finish();
    EXPECT_NE(h.page.bodyText().find("你的得分是100分"), std::string::npos) << h.page.bodyText();
    EXPECT_TRUE(h.file.redrillList(kEarlierRecords, 10).empty());
}

TEST(Redrill, AMarkedRedrillSheetPrintsCleanWithItsKey) {
    FileHarness h;
    h.start();
    h.click("q76", "时间转换");
    answerAllBut(h, {"answer1"});
    h.finish();
    const std::string time = h.page.tag("answer1");
    h.click("q5010", "分数和比例");
    answerAllBut(h, {"answerup1"});
    h.finish();
    const std::string fraction = h.page.tag("answerup1") + "/" + h.page.tag("answerdown1");
    h.form->redrill();
    h.finish();
    ASSERT_NE(h.page.bodyText().find("(×"), std::string::npos);

    HtmlPage printed;
    const std::string document = worksheetOnScreen(*h.form);
    printed.setBody(document.substr(document.find("<body")));
    const std::string text = printed.bodyText();
    EXPECT_NE(text.find("错题重练"), std::string::npos);
    EXPECT_EQ(text.find("(×"), std::string::npos) << text;
    const std::string key = text.substr(text.rfind("答案"));
    const std::size_t hours = time.find("小时");
    // The key writes hours and minutes in their own boxes, the fraction's parts in theirs.
    EXPECT_NE(key.find(time.substr(0, hours)), std::string::npos) << key;
    EXPECT_NE(key.find(time.substr(hours + 6, time.size() - hours - 9)), std::string::npos) << key;
    EXPECT_EQ(key.find(time), std::string::npos) << key;
    EXPECT_NE(key.find(fraction.substr(0, fraction.find('/'))), std::string::npos) << key;
}

}  // namespace
}  // namespace tally
