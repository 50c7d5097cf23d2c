#include "sheets/grade_arithmetic.h"

#include <cmath>
#include <string>

#include "progress/question_text.h"

#include "shell/form1.h"
#include "sheets/grade_branches.h"
#include "sheets/grader.h"
#include "sheets/typed_answer.h"

namespace tally {
namespace {

// Compares the typed text, folded from full width, with the field's tag
// exactly and writes the mark after the field.
void mark(Page& page, const std::string& field, const std::string& typed, const std::string& question,
          SheetMarks& marks) {
    const std::string expected = page.tag(field);
    const bool right = foldTypedAnswer(typed) == expected;
    page.insertTextAfter(field, right ? kRightMark : wrongMark(expected));
    marks.mark(right, question, typed, expected, AnswerForm::One);
}

int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

// The rows of pictures said in words, so the question can be asked again
// without them.
std::string comparisonQuestion(const std::string& body) {
    return "骆驼有" + std::to_string(occurrences(body, "flash/t2.gif")) + "只，兔子有" +
           std::to_string(occurrences(body, "flash/t3.gif")) + "只。" + SheetQuestions(body).of("bj");
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

SheetMarks gradeArithmeticPage(Page& page, int questionCount, int thinkSeconds) {
    const int questions = questionsOnPage(page, questionCount);
    const SheetQuestions texts(page.bodyHtml());
    SheetMarks marks;
    for (int i = 1; i <= questions; ++i) {
        const std::string field = "answer" + std::to_string(i);
        const std::string visible = "Qanswer" + std::to_string(i);
        const std::string typedIn = page.has(visible) ? visible : field;
        mark(page, field, page.value(typedIn), texts.of(typedIn), marks);
    }
    marks.score = arithmeticScore(marks.right, questions, questionCount);
    marks.seconds = thinkSeconds;
    page.insertHtmlAfter("finish", scoreLine(marks.score, thinkSeconds));
    return marks;
}

void gradeArithmetic(Form1& form) {
    form.recordSheet(gradeArithmeticPage(form.page(), form.questionCount, form.thinkSeconds));
}

void gradeComparison(Form1& form) {
    Page& page = form.page();
    if (!page.has("bj")) return;
    SheetMarks marks;
    mark(page, "bj", page.value("bj"), comparisonQuestion(page.bodyHtml()), marks);
    marks.score = marks.right * 100;
    marks.seconds = form.thinkSeconds;
    form.recordSheet(marks);
}

void gradeThinkTimeOnly(Form1& form) {
    form.page().insertHtmlAfter("finish", thinkTimeLine(form.thinkSeconds));
}

}  // namespace tally
