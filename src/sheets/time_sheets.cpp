// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/time_sheets.h"

#include <string>

#include "base/text.h"
#include "sheets/expected_answer.h"
#include "sheets/mark_texts.h"
#include "sheets/marking.h"
#include "sheets/question_text.h"
#include "sheets/sheet.h"

namespace tally {
namespace {

using std::to_string;

constexpr int kClockTopic = 77;
constexpr int kTimePuzzles = 78;

// The hour draws of the conversion topics: Int(R × span) + base.
struct HourRange {
    double span;
    int base;
};

constexpr HourRange kEasyHours{8, 2};    // 2..9
constexpr HourRange kHardHours{98, 11};  // 11..108
constexpr HourRange kEasySecondsHours{8, 1};  // 1..8

int drawMinuteOrSecond(FamilyContext& context) { return context.draw(59, 1); }  // 1..59

std::string hoursToMinutes(FamilyContext& context, int question, HourRange hours) {
    const int h = context.draw(hours.span, hours.base);
    const int m = drawMinuteOrSecond(context);
    return questionHead(question) + to_string(h) + "小时" + to_string(m) + "分=" +
           answerField(question, to_string(60 * h + m)) + "分<br><br>";
}

std::string hoursToSeconds(FamilyContext& context, int question, HourRange hours) {
    const int h = context.draw(hours.span, hours.base);
    const int m = drawMinuteOrSecond(context);
    const int s = drawMinuteOrSecond(context);
    return questionHead(question) + to_string(h) + "小时" + to_string(m) + "分" + to_string(s) +
           "秒=" + answerField(question, to_string((60 * h + m) * 60 + s)) + "秒<br><br>";
}

// Both fields carry the whole answer text; the grader judges the hours in
// r<i> and the minutes in answer<i> against their parts of it.
std::string minutesToHours(FamilyContext& context, int question, double span) {
    const int total = context.draw(span, 61);
    const std::string answer = to_string(total / 60) + "小时" + to_string(total % 60) + "分";
    const std::string i = to_string(question);
    return questionHead(question) + to_string(total) + "分=" + " <input class=text name=r" + i +
           " type=text size=7 tag=" + answer + ">小时" + answerField(question, answer) +
           "分<br><br>";
}

std::string conversionQuestion(FamilyContext& context, int topic, int question) {
    switch (topic) {
        case 71: return hoursToMinutes(context, question, kEasyHours);
        case 72: return hoursToMinutes(context, question, kHardHours);
        case 73: return hoursToSeconds(context, question, kEasySecondsHours);
        case 74: return hoursToSeconds(context, question, kHardHours);
        case 75: return minutesToHours(context, question, 939);   // 61..999
        default: return minutesToHours(context, question, 9939);  // 61..9999
    }
}

}  // namespace

bool TimeFamily::builds(const TopicTagParts& tag) const { return tag.sigil == "$" && tag.number != kClockTopic; }

bool TimeFamily::marks(const std::string& gradingKey) const {
    return gradingKey.starts_with("q7") && gradingKey.size() <= 3;
}

void TimeFamily::build(FamilyContext& context, const TopicClick& click, Sheet& sheet) {
    const int topic = click.tag.number;
    if (topic == kTimePuzzles) {
        sheet.html += withLineBreaks(context.texts.text("Text9"), "<br><br>");
        sheet.html += std::string(kFinishButton) + "<br><br>";
        return;
    }
    if (topic < 71 || topic > 76) return;
    for (int i = 1; i <= context.options.questionCount; ++i) sheet.html += conversionQuestion(context, topic, i);
    sheet.html += std::string(kFinishButton) + "<br><br>";
}

std::optional<MarkedSheet> TimeFamily::mark(FamilyContext& context, const std::string& gradingKey) {
    if (gradingKey == "q78") {
        context.page.insertHtmlAfter("finish", thinkTimeLine(context.thinkSeconds));
        return std::nullopt;
    }
    if (gradingKey != "q75" && gradingKey != "q76") {
        return gradeArithmeticPage(context.page, context.options.questionCount, context.thinkSeconds);
    }
    // Hours in r<i>, minutes in answer<i>, both judged against the tag.
    Page& page = context.page;
    const int questions = fieldsOnPage(page, "answer");
    const SheetQuestions texts(page.bodyHtml());
    MarkedSheet marks;
    for (int i = 1; i <= questions; ++i) {
        const std::string field = "answer" + std::to_string(i);
        const std::string answer = page.tag(field);
        const HoursMinutes expected = splitHoursMinutes(answer);
        const std::string hours = typedValue(page, "r" + std::to_string(i));
        const std::string minutes = typedValue(page, field);
        const bool bothRight = hours == expected.hours && minutes == expected.minutes;
        writeFieldMark(page, field, bothRight, answer);
        if (!bothRight) page.setAttribute("r" + std::to_string(i), "style", kWrongBoxStyle);
        const std::string typed = hours.empty() && minutes.empty() ? "" : hours + "小时" + minutes + "分";
        noteAnswer(page, {field, "r" + std::to_string(i)}, texts.of(field), bothRight, typed);
        marks.mark(bothRight, texts.of(field), typed, answer, AnswerForm::HoursMinutes);
    }
    marks.score = arithmeticScore(marks.right, questions, context.options.questionCount);
    marks.seconds = context.thinkSeconds;
    page.insertHtmlAfter("finish", scoreLine(marks.score, context.thinkSeconds));
    return marks;
}

std::optional<AnswerStyle> TimeFamily::answerStyle(const std::string& gradingKey) const {
    if (gradingKey == "q78") return std::nullopt;
    if (gradingKey == "q75" || gradingKey == "q76") return AnswerStyle::HoursMinutes;
    return AnswerStyle::Exact;
}

TopicSections TimeFamily::topics(const std::string& tab, const DataDirectory& /*data*/) const {
    if (tab != "T2") return {};
    return {{{
        {"q7", "时间转换", "$7", ""},
        {"q71", "时转分（简单）", "$71", "q7"},
        {"q72", "时转分（较难）", "$72", "q7"},
        {"q73", "时转秒（简单）", "$73", "q7"},
        {"q74", "时转秒（较难）", "$74", "q7"},
        {"q75", "分转时（简单）", "$75", "q7"},
        {"q76", "分转时（较难）", "$76", "q7"},
        {"q78", "各个年级的时间难题", "$78", "q7"},
    }}};
}

}  // namespace tally
