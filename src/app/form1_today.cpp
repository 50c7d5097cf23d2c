// SPDX-License-Identifier: GPL-3.0-or-later
// The daily practice of the main window: today's page and sheet, its
// marking, the mastery marks of the tree and the calendar of the record page,
// each of the child who is practising.
#include "app/form1.h"

#include <limits>
#include <set>

#include "app/grader.h"
#include "daily/mastery_marks.h"
#include "daily/record_rows.h"
#include "daily/kept_today.h"
#include "practice/practice_calendar.h"
#include "practice/practice_estimate.h"
#include "progress/record_trouble.h"
#include "sheets/redrill_sheet.h"

namespace tally {

void Form1::showToday() {
    gate_.run([this] { writeTodayPage(); });
}

void Form1::writeTodayPage() {
    if (!record_) return noRecordMessage();
    if (!mayLeavePage() || resumeToday()) return;
    TopicQuestionSource source(ports_.data, ports_.clock, texts_);
    const int grade = child_ ? child_->grade : practiceGrade_;
    TodayRequest request{today(), grade, 0};
    const PracticeSources sources = todaySources(request, ports_.data, source);
    const std::optional<PracticeInput> rows = readPracticeInput(*record_, owner(), today(), sources);
    if (!rows) {
        ports_.ui.message("提示", recordTroubleMessage(record_->trouble(), false));
        return;
    }
    // One draw of the program's random source: --seed fixes the practice.
    request.seed = static_cast<std::uint64_t>(ports_.random.next() * 9007199254740992.0);
    todayPractice_ = buildTodayPractice(*rows, request, sources, source);
    leavePage();
    lessonPracticeKey_.clear();
    timers_.setEnabled(kThinkTimer, false);
    ports_.ui.bringToFront(Pane::WebBrowser1);
    writeBody(todayPageHtml(todayPractice_, todayStanding()));
}

TodayStanding Form1::todayStanding() {
    TodayStanding standing;
    // Every practice sheet: the run of days may be long.
    const PracticeRows practised = readRecentSheetRows(*record_, owner(), {kPracticeKey}, std::numeric_limits<int>::max());
    const std::set<Day> days = practiceDays(practised.sheets);
    standing.doneToday = days.count(today()) > 0;
    standing.streak = currentStreak(days, today());
    std::vector<std::string> topics;
    for (const TodayQuestion& question : todayPractice_.questions) topics.push_back(question.question.topicKey);
    const std::set<std::string> asked(topics.begin(), topics.end());
    // No topic named would read every topic.
    std::vector<SheetRow> timed;
    if (!asked.empty()) timed = readRecentSheetRows(*record_, owner(), {asked.begin(), asked.end()}, kMasterySheets).sheets;
    timed.insert(timed.end(), practised.sheets.begin(), practised.sheets.end());
    standing.minutes = estimatedMinutes(topics, timed, child_ ? child_->grade : practiceGrade_);
    return standing;
}

bool Form1::resumeToday() {
    const std::optional<KeptPractice> kept = record_->keptPractice(owner());
    if (!kept) return false;
    std::optional<TodayPractice> resumed = resumedToday(*kept, today());
    if (!resumed) return false;
    todayPractice_ = std::move(*resumed);
    writeTodaySheet(&*kept);
    return true;
}

void Form1::keepTodaySheet() {
    if (record_) record_->keepPractice(owner(), keptToday(todayPractice_, ports_.page));
}

bool Form1::todayOnPage() const {
    const Page& page = ports_.page;
    return practiceOnPage() || page.has(kTodayStartButton) || page.has(kTodayMoreButton) || page.has("todaydone");
}

void Form1::writeTodaySheet(const KeptPractice* typed) {
    if (todayPractice_.questions.empty()) return;
    leavePage();
    lessonPracticeKey_.clear();
    thinkSeconds_ = 0;
    timers_.setEnabled(kThinkTimer, true);
    ports_.ui.bringToFront(Pane::WebBrowser1);
    writeBody(todaySheetHtml(todayPractice_));
    practiceGeneration_ = ports_.page.generation();
    if (typed) restoreTyped(*typed, ports_.page);
    showProgress();
    keepTodaySheet();
}

void Form1::markToday() {
    if (!answersAllowed(*this, false)) return;
    const bool marked = submitSheet([this](FamilyContext& context) {
        std::vector<bool> results;
        MarkedSheet marks = gradeRedrill(context.page, todayPractice_.asked(), context.thinkSeconds, &results);
        keepAnswers(todayPractice_, results, marks);
        return std::optional<MarkedSheet>(std::move(marks));
    });
    if (!marked) return;
    timers_.setEnabled(kThinkTimer, false);
    // Handed in: nothing is left to take up again.
    if (record_) record_->keepPractice(owner(), KeptPractice{});
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

}  // namespace tally
