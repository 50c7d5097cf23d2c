// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/redrill_sheet.h"

#include <regex>

#include "page/html_page.h"
#include "pictures/clock_picture.h"
#include "pictures/picture_paper.h"
#include "sheets/error_kinds.h"
#include "sheets/fraction_question.h"
#include "sheets/marking.h"
#include "sheets/mark_texts.h"
#include "sheets/sheet.h"
#include "sheets/two_box_answer.h"
#include "sheets/typed_answer.h"
#include "sheets/written_answer.h"

namespace tally {
namespace {

std::string field(const std::string& name, const std::string& tag) {
    return "<input class=text name=" + name + " type=text size=7 " + htmlAttribute("tag", tag) + ">";
}

// A line of the question's text as the page shows it: the indent of a column
// sum kept with non-breaking spaces.
std::string shownLine(const std::string& line) {
    std::size_t indent = 0;
    while (indent < line.size() && line[indent] == ' ') ++indent;
    // Blanks alone before a field are not an indent; the browser drops them too.
    if (indent == line.size()) return "";
    std::string html;
    for (std::size_t i = 0; i < indent; ++i) html += "&nbsp;";
    return html + escapeHtmlText(line.substr(indent));
}

// The question's text with its blanks replaced by the fields, in order.
std::string withFields(const std::string& question, const std::vector<std::string>& fields) {
    std::string html;
    std::size_t from = 0;
    std::size_t used = 0;
    const std::string blank = kAnswerBlank;
    while (true) {
        const std::size_t at = question.find(blank, from);
        std::string text = question.substr(from, at == std::string::npos ? std::string::npos : at - from);
        std::size_t lineFrom = 0;
        for (std::size_t br; (br = text.find('\n', lineFrom)) != std::string::npos; lineFrom = br + 1) {
            html += shownLine(text.substr(lineFrom, br - lineFrom)) + "<br>";
        }
        html += shownLine(text.substr(lineFrom));
        if (at == std::string::npos) break;
        html += used < fields.size() ? fields[used++] : "";
        from = at + blank.size();
    }
    // A question kept without its blank still gets its fields, at the end.
    while (used < fields.size()) html += " " + fields[used++];
    return html;
}

std::string fractionQuestion(int number, const MissedQuestion& q) {
    static const std::regex sum(R"(^(\d+)/(\d+)([+-])(\d+)/(\d+)=$)");
    static const std::regex digits(R"(\d*)");
    const FractionKey key = fractionKeyOf(q.correct);
    std::smatch parts;
    if (std::regex_match(q.question, parts, sum) && std::regex_match(key.numerator, digits) &&
        std::regex_match(key.denominator, digits)) {
        return fractionQuestionHtml(number, {parts[1], parts[2], parts[3], parts[4], parts[5], key.numerator,
                                             key.denominator});
    }
    // Not the shape a fraction sheet writes: the text, and the two fields on a line.
    const std::string n = std::to_string(number);
    return questionHead(number) + escapeHtmlText(q.question) + " " + field("answerup" + n, key.numerator) + "/" +
           field("answerdown" + n, key.denominator) + " <span id=fenshupl" + n + "></span>";
}

// A time kept in the hands' "8:30" was set on a face; it is set on one again.
std::optional<ClockFacePicture> faceToSet(const MissedQuestion& q) {
    static const std::regex hands(R"(^(\d{1,2}):(\d\d)$)");
    std::smatch parts;
    if (q.form != AnswerForm::HoursMinutes || !std::regex_match(q.correct, parts, hands)) return std::nullopt;
    return ClockFacePicture({std::stoi(parts[1]), std::stoi(parts[2]), 0}, false, ClockFacePicture::Use::set);
}

// Hours in r<i>, minutes in answer<i>, each box tagged with its own part; a
// question whose answer does not split at its units keeps the whole in both.
std::string twoBoxesHtml(const std::string& n, const MissedQuestion& q) {
    const std::optional<TwoBoxAnswer> split = twoBoxAnswer(q.question, q.correct);
    return withFields(q.question, {field("r" + n, split ? split->first : q.correct),
                                   field("answer" + n, split ? split->second : q.correct)});
}

std::string questionHtml(int number, const MissedQuestion& q) {
    const std::string n = std::to_string(number);
    // A column sum starts on the line below its number, as on its own sheet.
    const std::string head = questionHead(number) + (q.question.find('\n') != std::string::npos ? "<br>" : "");
    if (const std::optional<ClockFacePicture> face = faceToSet(q)) {
        return pictureAboveHtml(*face, "answer" + n) + head + escapeHtmlText(q.question) +
               onPictureFieldHtml(*face, "answer" + n, q.correct, q.question);
    }
    switch (q.form) {
        case AnswerForm::Fraction: return fractionQuestion(number, q);
        case AnswerForm::HoursMinutes: return head + twoBoxesHtml(n, q);
        case AnswerForm::One:
        case AnswerForm::None: break;
    }
    return head + withFields(q.question, {field("answer" + n, keyAsTaught(q.correct))});
}

// Both boxes with the words after each, as the question reads.
std::string twoBoxesTyped(const std::string& hours, const std::string& minutes, const MissedQuestion& q) {
    if (hours.empty() && minutes.empty()) return "";
    const std::optional<TwoBoxAnswer> split = twoBoxAnswer(q.question, q.correct);
    return split ? split->joined(hours, minutes) : hours + "小时" + minutes + "分";
}

// What the child typed for a question, put together as its own sheet does.
std::string typedAnswer(const Page& page, int number, const MissedQuestion& q) {
    const std::string n = std::to_string(number);
    const auto typed = [&](const std::string& name) { return foldTypedAnswer(page.value(name)); };
    if (q.form == AnswerForm::HoursMinutes && !faceToSet(q)) return twoBoxesTyped(typed("r" + n), typed("answer" + n), q);
    if (q.form == AnswerForm::Fraction) return fractionKeyText({typed("answerup" + n), typed("answerdown" + n)});
    return typed("answer" + n);
}

// Right as its own sheet marks it: the same text for a time (two boxes and
// their units, or a face's hands), the boxes of a fraction against its key,
// any written form of the answer for one field.
bool answeredRight(const Page& page, int number, const MissedQuestion& question, const std::string& typed) {
    const std::string correct = foldTypedAnswer(question.correct);
    const std::string n = std::to_string(number);
    switch (question.form) {
        case AnswerForm::HoursMinutes: return foldTypedAnswer(typed) == correct;
        case AnswerForm::Fraction:
            return fractionAnswerRight(foldTypedAnswer(page.value("answerup" + n)),
                                       foldTypedAnswer(page.value("answerdown" + n)), fractionKeyOf(correct));
        case AnswerForm::One:
        case AnswerForm::None: break;
    }
    return writtenAnswerRight(typed, correct);
}

// The key as the question's own sheet now shows it.
std::string shownKey(const MissedQuestion& question) {
    if (question.form == AnswerForm::Fraction) return fractionKeyText(fractionKeyOf(question.correct));
    return question.form == AnswerForm::One ? keyAsTaught(question.correct) : question.correct;
}

// The boxes a question of the sheet is typed in, the one that names it first.
std::vector<std::string> answerFields(int number, const MissedQuestion& q) {
    const std::string n = std::to_string(number);
    if (q.form == AnswerForm::Fraction) return {"answerup" + n, "answerdown" + n};
    if (q.form == AnswerForm::HoursMinutes && !faceToSet(q)) return {"answer" + n, "r" + n};
    return {"answer" + n};
}

void writeMark(Page& page, int number, AnswerForm form, bool right, const std::string& answer, ErrorKind kind) {
    const std::string n = std::to_string(number);
    if (form == AnswerForm::Fraction) {
        page.setInnerHtml("fenshupl" + n, markHtml(right, right ? "" : answer, "", kind));
    } else {
        writeFieldMark(page, "answer" + n, right, answer, "", kind);
    }
}

}  // namespace

std::string redrillSheetHtml(const std::vector<MissedQuestion>& questions) {
    return mixedSheetHtml("这些是以前做错的题，再做一次吧！做对了，它就从错题里拿走。", questions);
}

std::string mixedSheetHtml(const std::string& note, const std::vector<MissedQuestion>& questions) {
    std::string html = sheetNote(note);
    for (std::size_t i = 0; i < questions.size(); ++i) {
        html += questionHtml(static_cast<int>(i) + 1, questions[i]) + "<br><br>";
    }
    return html + kFinishButton + "<br><br>";
}

MarkedSheet gradeRedrill(Page& page, const std::vector<MissedQuestion>& questions, int thinkSeconds,
                         std::vector<bool>* results) {
    MarkedSheet marks;
    if (results) results->clear();
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        MissedQuestion question = questions[i];
        const std::string typed = typedAnswer(page, number, question);
        const bool right = answeredRight(page, number, question, typed);
        question.kind = right ? ErrorKind::None : classifyMiss(question.question, typed, foldTypedAnswer(question.correct));
        writeMark(page, number, question.form, right, shownKey(question), question.kind);
        noteAnswer(page, answerFields(number, question), question.question, right, typed, question.topicKey);
        if (results) results->push_back(right);
        marks.answered.push_back({question.topicKey, question.topicCaption, question.question, right, true});
        if (right) {
            marks.markRight();
            marks.mended.push_back(question);
        } else {
            ++marks.questions;
            question.typed = typed;
            marks.missed.push_back(question);
        }
    }
    marks.score = arithmeticScore(marks.right, marks.questions, marks.questions);
    marks.seconds = thinkSeconds;
    page.insertHtmlAfter("finish", scoreLine(marks.score, thinkSeconds));
    return marks;
}

std::vector<std::string> mixedSheetFields(int number) {
    const std::string n = std::to_string(number);
    return {"answer" + n, "r" + n, "answerup" + n, "answerdown" + n};
}

std::string redrillButton(int misses) {
    return "<input class=button name=redrill type=button value=\"错了" + std::to_string(misses) + "道题，点这里重练\">";
}

}  // namespace tally
