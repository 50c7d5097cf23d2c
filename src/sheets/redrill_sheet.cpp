#include "sheets/redrill_sheet.h"

#include <regex>

#include "page/html_page.h"
#include "sheets/fraction_question.h"
#include "sheets/marking.h"
#include "sheets/mark_texts.h"
#include "sheets/sheet.h"
#include "sheets/typed_answer.h"

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
    static const std::regex answer(R"(^(\d+)/(\d+)$)");
    std::smatch parts;
    std::smatch answerParts;
    if (std::regex_match(q.question, parts, sum) && std::regex_match(q.correct, answerParts, answer)) {
        return fractionQuestionHtml(number, {parts[1], parts[2], parts[3], parts[4], parts[5], answerParts[1],
                                             answerParts[2]});
    }
    // Not the shape a fraction sheet writes: the text, and the two fields on a line.
    const std::string n = std::to_string(number);
    const std::size_t slash = q.correct.find('/');
    return questionHead(number) + escapeHtmlText(q.question) + " " + field("answerup" + n, q.correct.substr(0, slash)) +
           "/" + field("answerdown" + n, slash == std::string::npos ? "" : q.correct.substr(slash + 1)) +
           " <span id=fenshupl" + n + "></span>";
}

std::string questionHtml(int number, const MissedQuestion& q) {
    const std::string n = std::to_string(number);
    // A column sum starts on the line below its number, as on its own sheet.
    const std::string head = questionHead(number) + (q.question.find('\n') != std::string::npos ? "<br>" : "");
    switch (q.form) {
        case AnswerForm::Fraction: return fractionQuestion(number, q);
        case AnswerForm::HoursMinutes:
            return head + withFields(q.question, {field("r" + n, q.correct), field("answer" + n, q.correct)});
        case AnswerForm::One:
        case AnswerForm::None: break;
    }
    return head + withFields(q.question, {field("answer" + n, q.correct)});
}

// What the child typed for a question, put together as its own sheet does.
std::string typedAnswer(const Page& page, int number, AnswerForm form) {
    const std::string n = std::to_string(number);
    const auto typed = [&](const std::string& name) { return foldTypedAnswer(page.value(name)); };
    if (form == AnswerForm::HoursMinutes) {
        const std::string hours = typed("r" + n);
        const std::string minutes = typed("answer" + n);
        return hours.empty() && minutes.empty() ? "" : hours + "小时" + minutes + "分";
    }
    if (form == AnswerForm::Fraction) {
        const std::string up = typed("answerup" + n);
        const std::string down = typed("answerdown" + n);
        return up.empty() && down.empty() ? "" : up + "/" + down;
    }
    return typed("answer" + n);
}

void writeMark(Page& page, int number, AnswerForm form, bool right, const std::string& answer) {
    const std::string n = std::to_string(number);
    if (form == AnswerForm::Fraction) {
        page.setInnerHtml("fenshupl" + n, markHtml(right, right ? "" : answer));
    } else {
        writeFieldMark(page, "answer" + n, right, answer);
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
        const std::string typed = typedAnswer(page, number, question.form);
        // Put together as its own sheet does, the answer is right when it is
        // the same text, read the same way as what was typed.
        const bool right = typed == foldTypedAnswer(question.correct);
        writeMark(page, number, question.form, right, question.correct);
        if (results) results->push_back(right);
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

std::string redrillButton(int misses) {
    return "<input class=button name=redrill type=button value=\"错了" + std::to_string(misses) + "道题，点这里重练\">";
}

}  // namespace tally
