#include <string>

#include "library/library_topics.h"
#include "page/html_page.h"
#include "progress/question_text.h"
#include "shell/form1.h"
#include "sheets/divisor_sheets.h"
#include "sheets/expected_answer.h"
#include "sheets/grade_arithmetic.h"
#include "sheets/grade_branches.h"
#include "sheets/grader.h"
#include "sheets/topic_tag.h"
#include "sheets/typed_answer.h"

namespace tally {
namespace {

// The questions a sheet holds: fields named prefix1, prefix2, ... without a gap.
// Counting them on the page keeps the grading right when QuestionCount was
// changed after the sheet was written.
int questionsOnPage(const Page& page, const std::string& prefix) {
    int count = 0;
    while (page.has(prefix + std::to_string(count + 1))) ++count;
    return count;
}

std::string typedValue(const Page& page, const std::string& field) {
    return foldTypedAnswer(page.value(field));
}

}  // namespace

void gradeHoursAndMinutes(Form1& form) {
    Page& page = form.page();
    const int questions = questionsOnPage(page, "answer");
    const SheetQuestions texts(page.bodyHtml());
    SheetMarks marks;
    for (int i = 1; i <= questions; ++i) {
        const std::string field = "answer" + std::to_string(i);
        const std::string answer = page.tag(field);
        const HoursMinutes expected = splitHoursMinutes(answer);
        const std::string hours = typedValue(page, "r" + std::to_string(i));
        const std::string minutes = typedValue(page, field);
        const bool bothRight = hours == expected.hours && minutes == expected.minutes;
        page.insertTextAfter(field, bothRight ? kRightMark : wrongMark(answer));
        const std::string typed = hours.empty() && minutes.empty() ? "" : hours + "小时" + minutes + "分";
        marks.mark(bothRight, texts.of(field), typed, answer, AnswerForm::HoursMinutes);
    }
    marks.score = arithmeticScore(marks.right, questions, form.questionCount);
    marks.seconds = form.thinkSeconds;
    page.insertHtmlAfter("finish", scoreLine(marks.score, form.thinkSeconds));
    form.recordSheet(marks);
}

void gradeRevealedAnswer(Form1& form) {
    const std::string key = form.gradingKey();
    if (key != "q7005" && key != "q7006") return revealLibraryAnswer(form);
    const std::string answer = divisorWordProblemAnswer(leadingNumber(key.substr(1)));
    if (answer.empty()) return;
    form.page().insertHtmlAfter(
        "finish", "<br><br>" + answer + "<br>思考用时" + std::to_string(form.thinkSeconds) + "秒！");
}

void gradeEachQuestion(Form1& form) {
    Page& page = form.page();
    const int questions = questionsOnPage(page, "answer");
    const SheetQuestions texts(page.bodyHtml());
    SheetMarks marks;
    for (int i = 1; i <= questions; ++i) {
        const std::string field = "answer" + std::to_string(i);
        const std::string expected = roundedAnswer(page.tag(field));
        const std::string typed = typedValue(page, field);
        page.insertTextAfter(field, typed == expected ? kRightMark : wrongMark(expected));
        marks.mark(typed == expected, texts.of(field), typed, expected, AnswerForm::One);
    }
    page.insertHtmlAfter("finish", thinkTimeLine(form.thinkSeconds));
    // These sheets show no score; the record keeps the share of right answers.
    marks.score = arithmeticScore(marks.right, questions, questions);
    marks.seconds = form.thinkSeconds;
    form.recordSheet(marks);
}

void gradeFractions(Form1& form) {
    Page& page = form.page();
    const int questions = questionsOnPage(page, "answerup");
    const SheetQuestions texts(page.bodyHtml());
    SheetMarks marks;
    for (int i = 1; i <= questions; ++i) {
        const std::string up = "answerup" + std::to_string(i);
        const std::string down = "answerdown" + std::to_string(i);
        const std::string numerator = typedValue(page, up);
        const std::string denominator = typedValue(page, down);
        const std::string expected = page.tag(up) + "/" + page.tag(down);
        const bool bothRight = numerator + "/" + denominator == expected;
        const std::string typed = numerator.empty() && denominator.empty() ? "" : numerator + "/" + denominator;
        page.setInnerHtml("fenshupl" + std::to_string(i), escapeHtmlText(bothRight ? kRightMark : wrongMark(expected)));
        marks.mark(bothRight, texts.fractionOf(up), typed, expected, AnswerForm::Fraction);
    }
    marks.score = arithmeticScore(marks.right, questions, form.questionCount);
    marks.seconds = form.thinkSeconds;
    page.insertHtmlAfter("finish", scoreLine(marks.score, form.thinkSeconds));
    form.recordSheet(marks);
}

}  // namespace tally
