#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "sheets/grade_arithmetic.h"
#include "sheets/grade_branches.h"
#include "support/harness.h"

namespace tally {
namespace {

using test::Harness;

int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

std::string answerName(int i) { return "answer" + std::to_string(i); }

// A sheet of `count` questions of the topic, think time `seconds`.
void writeSheet(Harness& h, const std::string& key, int count, int seconds = 7) {
    h.form->questionCount = count;
    h.click(key);
    h.tick(1, seconds);
}

// Types the right answer into every question from `first` on.
void answerAll(Harness& h, int first = 1, const std::string& prefix = "answer") {
    for (int i = first; h.page.has(answerName(i)); ++i) {
        h.type(prefix + std::to_string(i), h.page.tag(answerName(i)));
    }
}

TEST(GradeArithmetic, AllRightGivesTheFullScoreLine) {
    Harness h;
    h.start();
    writeSheet(h, "q13", 20);
    answerAll(h);
    h.finish();
    const std::string html = h.page.bodyHtml();
    EXPECT_EQ(occurrences(html, "(√)"), 20);
    EXPECT_EQ(occurrences(html, "正确答案"), 0);
    EXPECT_NE(html.find("<br>非常不错！你的得分是100分，用时7秒！"), std::string::npos) << html;
    EXPECT_FALSE(h.form->timers.enabled(1));
    h.tick(1, 3);
    EXPECT_EQ(h.form->thinkSeconds, 7);
}

TEST(GradeArithmetic, OneWrongShowsTheRightAnswerAndThePlainLine) {
    Harness h;
    h.start();
    writeSheet(h, "q36", 20);
    answerAll(h);
    const std::string expected = h.page.tag("answer4");
    h.type("answer4", "1");
    h.finish();
    const std::string html = h.page.bodyHtml();
    EXPECT_EQ(occurrences(html, "(√)"), 19);
    EXPECT_NE(html.find("(×，正确答案：" + expected + ")"), std::string::npos);
    EXPECT_NE(html.find("<br>你的得分是95分，用时7秒！"), std::string::npos) << html;
    EXPECT_EQ(html.find("非常不错"), std::string::npos);
}

TEST(GradeArithmetic, FortyQuestionsAllRightScoreEighty) {
    Harness h;
    h.start();
    writeSheet(h, "q23", 40, 0);
    answerAll(h);
    h.finish();
    EXPECT_EQ(occurrences(h.page.bodyHtml(), "(√)"), 40);
    EXPECT_NE(h.page.bodyHtml().find("<br>你的得分是80分，用时0秒！"), std::string::npos);
}

TEST(GradeArithmetic, OnlyTheExactTextIsRight) {
    Harness h;
    h.start();
    writeSheet(h, "q42", 10);
    answerAll(h);
    const std::string tag = h.page.tag("answer1");
    const std::string wrong[] = {"", " " + tag, tag + " ", "0" + tag, tag + ".0", "+" + tag};
    for (int i = 0; i < 6; ++i) h.type(answerName(i + 1), wrong[i]);
    h.finish();
    const std::string text = h.page.bodyText();
    EXPECT_EQ(occurrences(text, "(√)"), 4);
    EXPECT_EQ(occurrences(text, "(×，正确答案："), 6);
    EXPECT_NE(h.page.bodyHtml().find("<br>你的得分是40分，用时7秒！"), std::string::npos);
}

TEST(GradeArithmetic, InequalitySheetsReadTheVisibleFieldAndMarkAfterTheHiddenOne) {
    Harness h;
    h.start();
    h.form->drillForm = DrillForm::Inequality;
    writeSheet(h, "q11", 10);
    answerAll(h, 2, "Qanswer");
    h.type("answer1", h.page.tag("answer1"));  // the hidden field does not count
    h.form->clickToolbar("w6");  // the sheet keeps the form it was written in
    h.finish();
    const std::string html = h.page.bodyHtml();
    EXPECT_EQ(occurrences(html, "(√)"), 9);
    const std::regex hiddenThenMark(R"(name=answer(\d+) [^>]*type=hidden[^>]*>\((√|×))");
    int marks = 0;
    for (std::sregex_iterator it(html.begin(), html.end(), hiddenThenMark), end; it != end; ++it) {
        EXPECT_EQ((*it)[2], (*it)[1] == "1" ? "×" : "√");
        ++marks;
    }
    EXPECT_EQ(marks, 10) << html;
    EXPECT_NE(html.find("<br>你的得分是90分，用时7秒！"), std::string::npos);
}

TEST(GradeArithmetic, AStudentGetsTheMessageAndAnUnmarkedPage) {
    Harness h(false);
    h.start();
    writeSheet(h, "q11", 10);
    answerAll(h);
    const std::string before = h.page.bodyHtml();
    h.finish();
    ASSERT_FALSE(h.ui.messages.empty());
    EXPECT_EQ(h.ui.messages.back().first, "提示");
    EXPECT_EQ(h.lastMessage(), "你的密码不对，不能查看答案！请向高级用户咨询密码！");
    EXPECT_EQ(h.page.bodyHtml(), before);
    EXPECT_TRUE(h.form->timers.enabled(1));
    h.tick(1);
    EXPECT_EQ(h.form->thinkSeconds, 8);
}

TEST(GradeArithmetic, AShorterSheetIsGradedOnTheQuestionsItHas) {
    Harness h;
    h.start();
    writeSheet(h, "q13", 10);
    h.form->questionCount = 20;  // raised after the sheet was written
    answerAll(h);
    h.finish();
    EXPECT_EQ(occurrences(h.page.bodyText(), "(√)"), 10);
    EXPECT_NE(h.page.bodyHtml().find("<br>非常不错！你的得分是100分，用时7秒！"), std::string::npos);

    // A limit that ran out of pairs: 36 questions for a count of 40.
    writeSheet(h, "q11", 40, 2);
    answerAll(h, 2);
    h.finish();
    EXPECT_EQ(occurrences(h.page.bodyText(), "(√)"), 35);
    EXPECT_NE(h.page.bodyHtml().find("<br>你的得分是97分，用时2秒！"), std::string::npos);
}

TEST(GradeArithmetic, ALongerSheetIsGradedOnQuestionCountFields) {
    Harness h;
    h.start();
    writeSheet(h, "q13", 20);
    h.form->questionCount = 10;
    answerAll(h);
    h.finish();
    EXPECT_EQ(occurrences(h.page.bodyText(), "(√)"), 10);
    EXPECT_NE(h.page.bodyHtml().find("<br>非常不错！你的得分是100分，用时7秒！"), std::string::npos);
}

TEST(GradeArithmetic, Scores) {
    const struct {
        int right, questions, count, score;
    } cases[] = {
        {30, 30, 30, 90}, {50, 50, 50, 100}, {10, 10, 20, 100}, {1, 8, 9, 12}, {0, 0, 10, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(arithmeticScore(c.right, c.questions, c.count), c.score)
            << c.right << "/" << c.questions << " of " << c.count;
    }
}

TEST(GradeArithmetic, GradingTwiceAppendsASecondResult) {
    Harness h;
    h.start();
    writeSheet(h, "q17", 10, 5);
    answerAll(h);
    h.finish();
    h.tick(1, 4);
    h.finish();
    const std::string html = h.page.bodyHtml();
    EXPECT_EQ(occurrences(html, "(√)"), 20);
    EXPECT_EQ(occurrences(html, "<br>非常不错！你的得分是100分，用时5秒！"), 2);
    EXPECT_TRUE(h.page.has("finish"));
}

TEST(GradeComparison, MarksTheSingleFieldWithoutAScore) {
    const struct {
        const char* typed;
        const char* mark;
    } cases[] = {{">", "(√)"}, {"<", "(×，正确答案：>)"}, {"", "(×，正确答案：>)"}};
    for (const auto& c : cases) {
        Harness h;
        h.start();
        h.page.setBody("5<input class=text name=bj type=text size=7 tag=&gt;>3<br>"
                       "<input class=button name=finish type=button value=提交答案 tag=十>");
        h.type("bj", c.typed);
        gradeComparison(*h.form);
        const std::string text = h.page.bodyText();
        EXPECT_NE(text.find(std::string("5") + c.mark + "3"), std::string::npos) << text;
        EXPECT_EQ(text.find("得分"), std::string::npos);
        EXPECT_EQ(text.find("用时"), std::string::npos);
    }
}

TEST(GradeThinkTime, WritesOnlyTheSecondsAfterTheButton) {
    Harness h;
    h.start();
    h.page.setBody("题<input class=text name=answer1 type=text tag=3>"
                   "<input class=button name=finish type=button value=提交答案 tag=十>");
    h.form->thinkSeconds = 12;
    gradeThinkTimeOnly(*h.form);
    const std::string html = h.page.bodyHtml();
    EXPECT_NE(html.find("tag=十><br><br>思考用时12秒！"), std::string::npos) << html;
    EXPECT_EQ(html.find("(×"), std::string::npos);
}

}  // namespace
}  // namespace tally
