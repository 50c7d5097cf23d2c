// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <string>

#include "sheets/marking.h"
#include "support/harness.h"
#include "support/text_helpers.h"

namespace tally {
namespace {

using test::Harness;
using test::occurrences;

std::string answer(int i) { return "answer" + std::to_string(i); }

// A sheet of `count` questions after 7 seconds of thinking, every answer typed
// right into `prefix`<i>.
void answeredSheet(Harness& h, const std::string& key, int count, const std::string& prefix = "answer") {
    h.form->setOption(&SheetOptions::questionCount, count);
    h.click(key);
    h.tick(1, 7);
    for (int i = 1; h.page.has(answer(i)); ++i) h.type(prefix + std::to_string(i), h.page.tag(answer(i)));
}

// The score follows the questions on the page and the count asked for: points
// a question by the count, or, on a sheet shorter than the count, the share
// of right answers.
TEST(GradeArithmetic, MarksEveryQuestionAndScores) {
    const struct {
        const char* key;
        int written, graded;  // QuestionCount when writing and when grading
        int wrong, right;     // the question left empty (0: none), the (√) marks
        int score;
    } cases[] = {
        // Shorter than QuestionCount, scored on the questions present: the
        // count raised after writing, a limit out of pairs (36 for 40).
        {"q13", 10, 20, 0, 10, 100},
        {"q11", 40, 40, 1, 35, 97},
        {"q13", 20, 10, 0, 10, 100},  // longer: the first QuestionCount questions
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key + std::string(" written ") + std::to_string(c.written));
        Harness h(test::started);
        answeredSheet(h, c.key, c.written);
        h.form->setOption(&SheetOptions::questionCount, c.graded);
        if (c.wrong) h.type(answer(c.wrong), "");
        h.finish();
        const std::string html = h.page.bodyHtml();
        EXPECT_EQ(occurrences(html, "(√)"), c.right);
        EXPECT_EQ(occurrences(html, "你的得分是" + std::to_string(c.score) + "分，用时7秒！"), 2) << html;
        EXPECT_EQ(h.record.stored.back().score, c.score);
    }
    EXPECT_EQ(arithmeticScore(0, 0, 10), 0) << "a page without questions";
}

TEST(GradeArithmetic, InequalitySheetsReadTheVisibleField) {
    Harness h(test::started);
    h.form->setOption(&SheetOptions::drillForm, DrillForm::Inequality);
    answeredSheet(h, "q11", 10, "Qanswer");
    h.type("Qanswer1", "");
    h.type("answer1", h.page.tag("answer1"));  // the hidden field does not count
    h.form->clickToolbar("w6");                // the sheet keeps the form it was written in
    h.finish();
    EXPECT_EQ(h.record.stored.back().score, 90);
}

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

// A miss is kept with the kind of its error and the mark names it after the
// right answer: a sum answered with the product is a misread sign.
TEST(GradeArithmetic, AMissKeepsItsKindAndItsMarkSaysIt) {
    Harness h(test::started);
    h.form->setOption(&SheetOptions::questionCount, 10);
    h.click("q13");
    const std::regex sum(R"((\d+)\+(\d+)=)");
    std::smatch terms;
    const std::string body = h.page.bodyHtml();
    ASSERT_TRUE(std::regex_search(body, terms, sum)) << body.substr(0, 400);
    const int a = std::stoi(terms[1]), b = std::stoi(terms[2]);
    h.type(answer(1), std::to_string(a * b));
    h.type(answer(2), "1000");
    h.finish();
    ASSERT_FALSE(h.record.stored.empty());
    const auto& missed = h.record.stored.back().missed;
    ASSERT_GE(missed.size(), 2u);
    EXPECT_EQ(missed[0].kind, ErrorKind::WrongSign) << missed[0].question;
    EXPECT_EQ(missed[1].kind, ErrorKind::None) << missed[1].question;
    EXPECT_NE(h.page.bodyHtml().find("，正确答案：" + std::to_string(a + b) + "，看错符号)"), std::string::npos);
}

}  // namespace
}  // namespace tally
