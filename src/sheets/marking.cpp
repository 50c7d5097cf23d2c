// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/marking.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "sheets/error_kinds.h"
#include "sheets/expected_answer.h"
#include "sheets/mark_texts.h"
#include "sheets/question_text.h"
#include "sheets/typed_answer.h"
#include "sheets/written_answer.h"

namespace tally {

int fieldsOnPage(const Page& page, const std::string& prefix, int most) {
    int fields = 0;
    while (fields < most && page.has(prefix + std::to_string(fields + 1))) ++fields;
    return fields;
}

std::string typedValue(const Page& page, const std::string& field) { return foldTypedAnswer(page.value(field)); }

void writeFieldMark(Page& page, const std::string& field, bool right, const std::string& answer,
                    const std::string& hint, ErrorKind kind) {
    page.insertHtmlAfter(field, markHtml(right, right ? "" : answer, hint, kind));
    if (!right) page.setAttribute(field, "style", kWrongBoxStyle);
}

void noteAnswer(Page& page, std::vector<std::string> fields, const std::string& question, bool right,
                const std::string& typed, const std::string& topicKey) {
    const bool answered =
        std::any_of(fields.begin(), fields.end(), [&](const std::string& field) { return !typedValue(page, field).empty(); });
    page.answers().marked({std::move(fields), question, topicKey, right, answered, typed});
}

void markOneField(Page& page, const std::string& field, const std::string& typed, const std::string& question,
                  MarkedSheet& marks, const std::string& typedIn) {
    const std::string expected = page.tag(field);
    const std::string folded = foldTypedAnswer(typed);
    const bool right = writtenAnswerRight(folded, expected);
    const ErrorKind kind = right ? ErrorKind::None : classifyMiss(question, folded, expected);
    writeFieldMark(page, field, right, expected, "", kind);
    noteAnswer(page, {typedIn.empty() ? field : typedIn}, question, right, typed);
    marks.mark(right, question, typed, expected, AnswerForm::One);
    if (!right) marks.missed.back().kind = kind;
}

int arithmeticScore(int right, int questions, int questionCount) {
    if (questions <= 0) return 0;
    // A whole sheet of 10, 20 or 50 questions: whole points per question.
    if (questions == questionCount && pointsPerQuestion(questionCount) * questionCount == 100) {
        return right * pointsPerQuestion(questionCount);
    }
    // Any other sheet (one that came out shorter, a re-drill of 3 questions,
    // 7 patterns) is scored by its share of right answers, so all right is
    // 100 and never 99 or more than 100.
    return static_cast<int>(std::nearbyint(100.0 * right / questions));
}

MarkedSheet gradeArithmeticPage(Page& page, int questionCount, int thinkSeconds) {
    const int questions = fieldsOnPage(page, "answer", questionCount);
    const SheetQuestions texts(page.bodyHtml());
    MarkedSheet marks;
    for (int i = 1; i <= questions; ++i) {
        const std::string field = "answer" + std::to_string(i);
        const std::string visible = "Qanswer" + std::to_string(i);
        const std::string typedIn = page.has(visible) ? visible : field;
        markOneField(page, field, page.value(typedIn), texts.of(typedIn), marks, typedIn);
    }
    marks.score = arithmeticScore(marks.right, questions, questionCount);
    marks.seconds = thinkSeconds;
    page.insertHtmlAfter("finish", scoreLine(marks.score, thinkSeconds));
    return marks;
}

MarkedSheet markEachQuestion(Page& page, int thinkSeconds) {
    const int questions = fieldsOnPage(page, "answer");
    const SheetQuestions texts(page.bodyHtml());
    MarkedSheet marks;
    for (int i = 1; i <= questions; ++i) {
        const std::string field = "answer" + std::to_string(i);
        const std::string expected = roundedAnswer(page.tag(field));
        const std::string typed = typedValue(page, field);
        const bool right = writtenAnswerRight(typed, expected);
        writeFieldMark(page, field, right, expected);
        noteAnswer(page, {field}, texts.of(field), right, typed);
        marks.mark(right, texts.of(field), typed, expected, AnswerForm::One);
    }
    marks.score = arithmeticScore(marks.right, questions, questions);
    marks.seconds = thinkSeconds;
    page.insertHtmlAfter("finish", scoreLine(marks.score, thinkSeconds));
    return marks;
}

}  // namespace tally
