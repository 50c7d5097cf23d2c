#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/harness.h"

namespace tally {
namespace {

using test::Harness;

int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// Every odd question of a sheet answered with its tag, every even one left empty.
void answerOddQuestions(Harness& h) {
    for (int i = 1; h.page.has("answer" + std::to_string(i)); i += 2) {
        h.type("answer" + std::to_string(i), h.page.tag("answer" + std::to_string(i)));
    }
}

TEST(RecordHooks, EveryMarkingBranchStoresWhatThePageShows) {
    const struct {
        const char* key;
        const char* tab;
        std::function<void(Harness&)> answer;
    } cases[] = {
        {"q13", "", answerOddQuestions},
        {"q13", "加减乘除", [](Harness& h) { h.form->clickToolbar("w7"); answerOddQuestions(h); }},
        {"q75", "时间转换", [](Harness&) {}},
        {"q81", "比较多少", [](Harness& h) { h.type("bj", h.page.tag("bj")); }},
        {"q9008", "四则运算", answerOddQuestions},
        {"q5002", "分数和比例",
         [](Harness& h) {
             h.type("answerup1", h.page.tag("answerup1"));
             h.type("answerdown1", h.page.tag("answerdown1"));
         }},
        {"q55", "应用题", [](Harness&) {}},
        {"q61", "数学游戏", [](Harness& h) { h.type("answer", h.form->families.twentyFour.deal().solutions.at(0)); }},
        {"q61", "数学游戏", [](Harness& h) { h.type("answer", "1+1"); }},
        {"q62", "数学游戏",
         [](Harness& h) {
             h.type("answer1", h.page.tag("answer1"));
             h.type("answer3", h.page.tag("answer3"));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key + std::string(" ") + c.tab);
        Harness h;
        h.start();
        h.click(c.key, c.tab);
        ASSERT_TRUE(h.page.has("finish"));
        c.answer(h);
        h.tick(1, 6);
        h.finish();
        ASSERT_EQ(h.record.stored.size(), 1u);
        const MarkedSheet& stored = h.record.stored[0];
        const std::string text = h.page.bodyText();
        EXPECT_EQ(stored.topicKey, c.key);
        EXPECT_EQ(stored.topicCaption, h.form->tree.find(c.key)->caption);
        EXPECT_EQ(stored.tabCaption, *c.tab ? c.tab : "加减乘除");
        EXPECT_EQ(stored.right, occurrences(text, "(√"));
        EXPECT_EQ(static_cast<int>(stored.missed.size()), occurrences(text, "(×"));
        EXPECT_EQ(stored.questions, stored.right + static_cast<int>(stored.missed.size()));
        EXPECT_GT(stored.questions, 0);
        EXPECT_EQ(stored.seconds, 6);
        EXPECT_TRUE(stored.when.empty());  // the record stamps the time
        const std::string scoreText = "得分是" + std::to_string(stored.score) + "分";
        if (text.find("得分是") != std::string::npos) {
            EXPECT_NE(text.find(scoreText), std::string::npos) << text;
        }
        for (const MissedQuestion& miss : stored.missed) {
            EXPECT_NE(miss.typed, miss.correct);
            EXPECT_FALSE(miss.correct.empty());
            // A question left empty is stored as nothing typed, not as a bare "/" or "小时分".
            const bool hasDigit = miss.typed.find_first_of("0123456789") != std::string::npos;
            EXPECT_TRUE(miss.typed.empty() || hasDigit) << miss.typed;
        }
    }
}

TEST(RecordHooks, AnArithmeticSheetKeepsItsFormAndEachMiss) {
    Harness h;
    h.start();
    h.form->options.questionCount = 10;
    h.form->clickToolbar("w7");
    h.click("q13");
    for (int i = 1; i <= 10; ++i) h.type("answer" + std::to_string(i), h.page.tag("answer" + std::to_string(i)));
    const std::string third = h.page.tag("answer3");
    const std::string eighth = h.page.tag("answer8");
    h.type("answer3", "");
    h.type("answer8", eighth + "0");
    h.finish();
    ASSERT_EQ(h.record.stored.size(), 1u);
    const MarkedSheet& stored = h.record.stored[0];
    EXPECT_EQ(stored.drillForm, "vertical");
    EXPECT_EQ(stored.questions, 10);
    EXPECT_EQ(stored.right, 8);
    EXPECT_EQ(stored.score, 80);
    ASSERT_EQ(stored.missed.size(), 2u);
    EXPECT_EQ(stored.missed[0].typed, "");
    EXPECT_EQ(stored.missed[0].correct, third);
    EXPECT_EQ(stored.missed[1].typed, eighth + "0");
    EXPECT_EQ(stored.missed[1].correct, eighth);
    for (const MissedQuestion& miss : stored.missed) {
        EXPECT_EQ(miss.form, AnswerForm::One);
        EXPECT_EQ(miss.topicKey, "q13");
        EXPECT_EQ(miss.topicCaption, "100以内加法");
    }
}

TEST(RecordHooks, PagesWithNothingToMarkStoreNothing) {
    const struct {
        const char* key;
        const char* tab;
    } cases[] = {
        {"q61", "数学游戏"},    // 24 points with every box empty
        {"q78", "时间转换"},    // a time puzzle only shows the thinking time
        {"q7005", "约数和倍数"},  // a worked problem only reveals its answer
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        Harness h;
        h.start();
        h.click(c.key, c.tab);
        ASSERT_TRUE(h.page.has("finish"));
        h.finish();
        EXPECT_TRUE(h.record.stored.empty());
    }
}

TEST(RecordHooks, RecordingAddsOnlyTheRedrillLineToThePage) {
    auto markedPage = [](bool recording) {
        Harness h;
        if (!recording) h.form->setRecord(nullptr);
        h.start();
        h.click("q13");
        answerOddQuestions(h);
        h.finish();
        return h.page.bodyHtml();
    };
    const std::string line =
        "<p><input class=button name=redrill type=button value=错了5道题，点这里重练></p>";
    EXPECT_EQ(markedPage(true), markedPage(false) + line);
}

TEST(RecordHooks, ARecordThatFailsCostsOneMessageAndNoSheet) {
    Harness h;
    h.record.failing = true;
    h.start();
    h.ui.messages.clear();
    for (const char* key : {"q13", "q12"}) {
        h.click(key);
        answerOddQuestions(h);
        const std::string before = h.page.bodyHtml();
        h.finish();
        EXPECT_NE(h.page.bodyHtml(), before);
        EXPECT_NE(h.page.bodyText().find("你的得分是"), std::string::npos) << key;
    }
    ASSERT_EQ(h.ui.messages.size(), 1u);
    EXPECT_EQ(h.ui.messages[0].first, "提示");
    EXPECT_NE(h.ui.messages[0].second.find("成绩记录"), std::string::npos);
    EXPECT_EQ(h.record.storeCalls, 1);  // left alone after the first failure
    // The program goes on: the next sheet is written and marked as usual.
    h.click("q11");
    EXPECT_TRUE(h.page.has("answer1"));
}

}  // namespace
}  // namespace tally
