#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <string>
#include <utility>

#include "sheets/marking.h"
#include "support/harness.h"

namespace tally {
namespace {

using test::Harness;

int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

std::string answer(int i) { return "answer" + std::to_string(i); }

// A sheet of `count` questions after 7 seconds of thinking, every answer typed
// right into `prefix`<i>.
void answeredSheet(Harness& h, const std::string& key, int count, const std::string& prefix = "answer") {
    h.form->options.questionCount = count;
    h.click(key);
    h.tick(1, 7);
    for (int i = 1; h.page.has(answer(i)); ++i) h.type(prefix + std::to_string(i), h.page.tag(answer(i)));
}

TEST(GradeArithmetic, MarksEveryQuestionAndScores) {
    const char* full = "<br>非常不错！你的得分是100分，用时7秒！";
    const struct {
        const char* key;
        int written, graded;  // QuestionCount when writing and when grading
        int wrong, right;     // the question left empty (0: none), the (√) marks
        const char* line;
        int gradings = 1;
    } cases[] = {
        {"q13", 20, 20, 0, 20, full},
        {"q36", 20, 20, 4, 19, "<br>你的得分是95分，用时7秒！"},
        // A count whose points per question are not whole (40: 2.5): all
        // right is still 100, never 80.
        {"q23", 40, 40, 0, 40, full},
        // Shorter than QuestionCount, scored on the questions present: the
        // count raised after writing, a limit out of pairs (36 for 40).
        {"q13", 10, 20, 0, 10, full},
        {"q11", 40, 40, 1, 35, "<br>你的得分是97分，用时7秒！"},
        {"q13", 20, 10, 0, 10, full},  // longer: the first QuestionCount questions
        {"q17", 10, 10, 0, 20, full, 2},  // grading again appends a second result
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key + std::string(" ") + c.line);
        Harness h;
        h.start();
        answeredSheet(h, c.key, c.written);
        h.form->options.questionCount = c.graded;
        if (c.wrong) h.type(answer(c.wrong), "");
        for (int i = 0; i < c.gradings; ++i) h.finish();
        const std::string html = h.page.bodyHtml();
        EXPECT_EQ(occurrences(html, "(√)"), c.right);
        EXPECT_EQ(occurrences(html, "(×，正确答案：" + h.page.tag(answer(c.wrong)) + ")"), c.wrong ? 1 : 0);
        EXPECT_EQ(occurrences(html, "得分"), c.gradings);
        EXPECT_EQ(occurrences(html, c.line), c.gradings) << html;
        EXPECT_FALSE(h.form->timers.enabled(1));  // the think time stops
    }
}

// Full-width digits as a Chinese input method types them, written out by hand.
std::string fullWidth(const std::string& ascii) {
    static const char* const digits[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
    std::string out;
    for (char c : ascii) out += c >= '0' && c <= '9' ? digits[c - '0'] : std::string(1, c);
    return out;
}

// Blanks at the ends and full width are forgiven; anything else is the
// child's own text and must be exactly the answer.
TEST(GradeArithmetic, OnlyTheExactTextIsRightOnceWidthAndEndBlanksAreFolded) {
    Harness h;
    h.start();
    answeredSheet(h, "q42", 10);
    const struct {
        const char* before;
        const char* after;
        bool fullWidthDigits;
        bool right;
    } typed[] = {
        {" ", "", false, true},  {"", "  ", false, true},  {"　", "", true, true},   {"", "", true, true},
        {"0", "", false, false}, {"", ".0", false, false}, {"+", "", false, false}, {"", "．０", false, false},
        {"", "", false, true},
    };
    h.type(answer(1), "");
    int right = 0;
    for (int i = 2; i <= 10; ++i) {
        const auto& t = typed[i - 2];
        const std::string tag = h.page.tag(answer(i));
        h.type(answer(i), t.before + (t.fullWidthDigits ? fullWidth(tag) : tag) + t.after);
        right += t.right;
    }
    h.finish();
    const std::string html = h.page.bodyHtml();
    EXPECT_EQ(occurrences(html, "(√)"), right);
    EXPECT_EQ(occurrences(html, "(×，正确答案："), 10 - right);
    EXPECT_EQ(occurrences(html, "<br>你的得分是" + std::to_string(right * 10) + "分，用时7秒！"), 1);
}

TEST(GradeArithmetic, InequalitySheetsReadTheVisibleFieldAndMarkAfterTheHiddenOne) {
    Harness h;
    h.start();
    h.form->options.drillForm = DrillForm::Inequality;
    answeredSheet(h, "q11", 10, "Qanswer");
    h.type("Qanswer1", "");
    h.type("answer1", h.page.tag("answer1"));  // the hidden field does not count
    h.form->clickToolbar("w6");                // the sheet keeps the form it was written in
    h.finish();
    const std::string html = h.page.bodyHtml();
    const std::regex hiddenThenMark(R"(name=answer(\d+) [^>]*type=hidden[^>]*>\((√|×))");
    int marks = 0;
    for (std::sregex_iterator it(html.begin(), html.end(), hiddenThenMark), end; it != end; ++it, ++marks) {
        EXPECT_EQ((*it)[2], (*it)[1] == "1" ? "×" : "√");
    }
    EXPECT_EQ(marks, 10) << html;
    EXPECT_EQ(occurrences(html, "<br>你的得分是90分，用时7秒！"), 1);
}

TEST(GradeArithmetic, AStudentGetsTheMessageAnUnmarkedPageAndNoRecord) {
    Harness h(false);
    h.start();
    answeredSheet(h, "q11", 10);
    const std::string before = h.page.bodyHtml();
    h.finish();
    ASSERT_FALSE(h.ui.messages.empty());
    EXPECT_EQ(h.ui.messages.back().first, "提示");
    EXPECT_EQ(h.lastMessage(), "你的密码不对，不能查看答案！请向高级用户咨询密码！");
    EXPECT_EQ(h.page.bodyHtml(), before);
    EXPECT_TRUE(h.form->timers.enabled(1));
    EXPECT_TRUE(h.record.stored.empty());
}

// A page without questions scores nothing rather than dividing by zero.
TEST(GradeArithmetic, AnEmptyPageScoresZero) { EXPECT_EQ(arithmeticScore(0, 0, 10), 0); }

// Whatever the length of a sheet and the question count, the score is the
// share of right answers out of 100, rounded: all right is 100, never 99 (3
// questions) or more than 100.
TEST(GradeArithmetic, AScoreIsTheShareOfRightAnswers) {
    for (int questions = 1; questions <= 60; ++questions) {
        for (int count : {10, 20, 50, questions}) {
            if (questions > count) continue;
            for (int right = 0; right <= questions; ++right) {
                const int score = arithmeticScore(right, questions, count);
                EXPECT_LE(std::abs(score * questions - 100 * right) * 2, questions)
                    << right << " of " << questions << " for " << count;
                EXPECT_EQ(score == 100, right == questions) << right << " of " << questions;
            }
        }
    }
}

// The comparison and think-time branches write no score.
TEST(GradeOtherBranches, ComparisonMarksAndThinkTime) {
    for (const std::string typed : {">", "<", "", " ＞　"}) {
        Harness h;
        h.start();
        h.page.setBody("5<input class=text name=bj type=text size=7 tag=&gt;>3<br>"
                       "<input class=button name=finish type=button value=提交答案 tag=十>");
        h.type("bj", typed);
        FamilyContext context = h.form->familyContext();
        h.form->families.compare.mark(context, "q81");
        const std::string text = h.page.bodyText();
        const bool right = typed == ">" || typed == " ＞　";
        EXPECT_NE(text.find(right ? "5(√)3" : "5(×，正确答案：>)3"), std::string::npos) << text;
        EXPECT_EQ(text.find("用时"), std::string::npos);

        h.form->thinkSeconds = 12;
        h.form->families.time.mark(context, "q78");
        const std::string html = h.page.bodyHtml();
        EXPECT_EQ(occurrences(html, "tag=十><br><br>思考用时12秒！"), 1);
        EXPECT_EQ(occurrences(html, "(√)") + occurrences(html, "(×"), 1);  // nothing marked again
    }
}

}  // namespace
}  // namespace tally
