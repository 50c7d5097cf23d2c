#include "sheets/grade_arithmetic.h"

#include <cmath>
#include <string>

#include "shell/form1.h"
#include "sheets/grade_branches.h"
#include "sheets/grader.h"
#include "sheets/typed_answer.h"

namespace tally {
namespace {

// Compares the typed text, folded from full width, with the field's tag
// exactly and writes the mark after the field.
bool mark(Page& page, const std::string& field, const std::string& typed) {
    const std::string expected = page.tag(field);
    const bool right = foldTypedAnswer(typed) == expected;
    page.insertTextAfter(field, right ? "(√)" : "(×，正确答案：" + expected + ")");
    return right;
}

int questionsOnPage(const Page& page, int questionCount) {
    int questions = 0;
    while (questions < questionCount && page.has("answer" + std::to_string(questions + 1))) {
        ++questions;
    }
    return questions;
}

}  // namespace

int arithmeticScore(int right, int questions, int questionCount) {
    if (questions <= 0) return 0;
    if (questions >= questionCount) return right * pointsPerQuestion(questionCount);
    // A sheet that came out shorter (its limit ran out of pairs, or the count
    // was raised after it was written) is scored on its own questions, so all
    // right is still 100 and never more.
    return static_cast<int>(std::nearbyint(100.0 * right / questions));
}

int gradeArithmeticPage(Page& page, int questionCount, int thinkSeconds) {
    const int questions = questionsOnPage(page, questionCount);
    int right = 0;
    for (int i = 1; i <= questions; ++i) {
        const std::string field = "answer" + std::to_string(i);
        const std::string visible = "Qanswer" + std::to_string(i);
        right += mark(page, field, page.value(page.has(visible) ? visible : field));
    }
    const int score = arithmeticScore(right, questions, questionCount);
    page.insertHtmlAfter("finish", scoreLine(score, thinkSeconds));
    return score;
}

void gradeArithmetic(Form1& form) {
    gradeArithmeticPage(form.page(), form.questionCount, form.thinkSeconds);
}

void gradeComparison(Form1& form) {
    Page& page = form.page();
    if (page.has("bj")) mark(page, "bj", page.value("bj"));
}

void gradeThinkTimeOnly(Form1& form) {
    form.page().insertHtmlAfter("finish", thinkTimeLine(form.thinkSeconds));
}

}  // namespace tally
