// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <set>
#include <string>
#include <vector>

#include "practice/practice_rows.h"

namespace tally {

inline constexpr int kCalendarWeeks = 8;

struct CalendarDay {
    Day day = 0;
    int sheets = 0;         // sheets marked that day, of any kind
    bool goalMet = false;   // the day's practice (kPracticeKey) was marked
    bool future = false;    // after today, in the current week

    bool operator==(const CalendarDay&) const = default;
};

// The last eight weeks, Monday to Sunday, the oldest week first; the last
// week is today's. `streak` is the run of days with the day's practice
// marked: it ends today, or yesterday while today's is not done yet (the run
// is not lost before the day is over).
struct PracticeCalendar {
    Day today = 0;
    std::vector<std::vector<CalendarDay>> weeks;
    int streak = 0;
    bool doneToday = false;

    bool operator==(const PracticeCalendar&) const = default;
};

// The days with the day's practice marked, from the sheet rows.
std::set<Day> practiceDays(const std::vector<SheetRow>& sheets);
int currentStreak(const std::set<Day>& practised, Day today);
PracticeCalendar practiceCalendar(const std::vector<SheetRow>& sheets, Day today);

// "已经连续练习5天" and its kind neighbours, for the record page.
std::string streakText(int streak, bool doneToday);
// The run of days under "今天的练习做完了 ✓" on the today page.
std::string doneStreakText(int streak);
// The calendar as a fragment of the record page: a heading, the streak
// sentence and a table of the eight weeks with its own small style.
std::string calendarHtml(const PracticeCalendar& calendar);

}  // namespace tally
