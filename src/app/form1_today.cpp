// SPDX-License-Identifier: GPL-3.0-or-later
// The daily practice of the main window: today's page and sheet, its
// marking, the mastery marks of the tree, the calendar of the record page and
// the weekly report, each of the child who is practising.
#include "app/form1.h"
#include "app/grader.h"
#include "daily/mastery_marks.h"
#include "daily/record_rows.h"
#include "app/weekly_report_page.h"
#include "practice/practice_calendar.h"
#include "progress/record_trouble.h"
#include "sheets/redrill_sheet.h"

namespace tally {

void Form1::showToday() {
    gate_.run([this] { writeTodayPage(); });
}

void Form1::writeTodayPage() {
    if (!record_) return noRecordMessage();
    if (!mayLeavePage()) return;
    const std::optional<PracticeInput> rows = readPracticeInput(*record_, owner(), today());
    if (!rows) {
        ports_.ui.message("提示", recordTroubleMessage(record_->trouble(), false));
        return;
    }
    TopicQuestionSource source(ports_.data, ports_.clock, texts_);
    // One draw of the program's random source: --seed fixes the practice.
    const auto seed = static_cast<std::uint64_t>(ports_.random.next() * 9007199254740992.0);
    const int grade = child_ ? child_->grade : practiceGrade_;
    todayPractice_ = buildTodayPractice(*rows, TodayRequest{today(), grade, seed}, ports_.data, source);
    leavePage();
    lessonPracticeKey_.clear();
    timers_.setEnabled(kThinkTimer, false);
    ports_.ui.bringToFront(Pane::WebBrowser1);
    writeBody(todayPageHtml(todayPractice_));
}

void Form1::writeTodaySheet() {
    if (todayPractice_.questions.empty()) return;
    leavePage();
    lessonPracticeKey_.clear();
    thinkSeconds_ = 0;
    timers_.setEnabled(kThinkTimer, true);
    ports_.ui.bringToFront(Pane::WebBrowser1);
    writeBody(todaySheetHtml(todayPractice_));
    practiceGeneration_ = ports_.page.generation();
    showProgress();
}

void Form1::markToday() {
    if (!answersAllowed(*this, false)) return;
    const bool marked = submitSheet([this](FamilyContext& context) {
        std::vector<bool> results;
        MarkedSheet marks = gradeRedrill(context.page, todayPractice_.asked(), context.thinkSeconds, &results);
        keepAnswers(todayPractice_, results, marks);
        return std::optional<MarkedSheet>(std::move(marks));
    });
    if (marked) timers_.setEnabled(kThinkTimer, false);
}

void Form1::markMastery() {
    tree_.clearBadges();
    if (options_.masteryMarks && record_) setMasteryBadges(tree_, *record_, owner());
}

std::string Form1::practiceCalendarHtml(long long childId) {
    const PracticeRows rows = readSheetRows(*record_, childId);
    // The calendar is the daily practice's: it comes with the first one done.
    if (!rows.readable || practiceDays(rows.sheets).empty()) return "";
    return calendarHtml(practiceCalendar(rows.sheets, today()));
}

void Form1::showWeeklyReport() {
    if (!record_) return noRecordMessage();
    // The misses' right answers are the parent's.
    const std::string html = weeklyReportPage(*record_, owner(), today(), child_ ? child_->name : "", loginIsAdvanced());
    if (html.empty()) {
        ports_.ui.message("提示", recordTroubleMessage(record_->trouble(), false));
        return;
    }
    ports_.ui.showPage(Pane::WebBrowser2, html);
    ports_.ui.bringToFront(Pane::WebBrowser2);
}

}  // namespace tally
