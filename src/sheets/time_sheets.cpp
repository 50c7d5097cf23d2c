#include <string>

#include "library/content_store.h"
#include "shell/form1.h"
#include "shell/gbk.h"
#include "sheets/families.h"

namespace tally {
namespace {

using std::to_string;

// The hour draws of the conversion topics: Int(R × span) + base.
struct HourRange {
    double span;
    int base;
};

constexpr HourRange kEasyHours{8, 2};    // 2..9
constexpr HourRange kHardHours{98, 11};  // 11..108
constexpr HourRange kEasySecondsHours{8, 1};  // 1..8

int drawMinuteOrSecond(Form1& form) { return form.draw(59, 1); }  // 1..59

std::string hoursToMinutes(Form1& form, int question, HourRange hours) {
    const int h = form.draw(hours.span, hours.base);
    const int m = drawMinuteOrSecond(form);
    return questionHead(question) + to_string(h) + "小时" + to_string(m) + "分=" +
           answerField(question, to_string(60 * h + m)) + "分<br><br>";
}

std::string hoursToSeconds(Form1& form, int question, HourRange hours) {
    const int h = form.draw(hours.span, hours.base);
    const int m = drawMinuteOrSecond(form);
    const int s = drawMinuteOrSecond(form);
    return questionHead(question) + to_string(h) + "小时" + to_string(m) + "分" + to_string(s) +
           "秒=" + answerField(question, to_string((60 * h + m) * 60 + s)) + "秒<br><br>";
}

// Both fields carry the whole answer text; the grader judges the hours in
// r<i> and the minutes in answer<i> against their parts of it.
std::string minutesToHours(Form1& form, int question, double span) {
    const int total = form.draw(span, 61);
    const std::string answer = to_string(total / 60) + "小时" + to_string(total % 60) + "分";
    const std::string i = to_string(question);
    return questionHead(question) + to_string(total) + "分=" + " <input class=text name=r" + i +
           " type=text size=7 tag=" + answer + ">小时" + answerField(question, answer) +
           "分<br><br>";
}

std::string conversionQuestion(Form1& form, int topic, int question) {
    switch (topic) {
        case 71: return hoursToMinutes(form, question, kEasyHours);
        case 72: return hoursToMinutes(form, question, kHardHours);
        case 73: return hoursToSeconds(form, question, kEasySecondsHours);
        case 74: return hoursToSeconds(form, question, kHardHours);
        case 75: return minutesToHours(form, question, 939);   // 61..999
        default: return minutesToHours(form, question, 9939);  // 61..9999
    }
}

}  // namespace

void buildTimeSheet(Form1& form, int topic, Sheet& sheet) {
    if (topic == 78) {
        sheet.html += replaceAll(ContentStore::text("Text9"), "\r\n", "<br><br>");
        sheet.html += std::string(kFinishButton) + "<br><br>";
        return;
    }
    if (topic < 71 || topic > 76) return;
    for (int i = 1; i <= form.questionCount; ++i) sheet.html += conversionQuestion(form, topic, i);
    sheet.html += std::string(kFinishButton) + "<br><br>";
}

}  // namespace tally
