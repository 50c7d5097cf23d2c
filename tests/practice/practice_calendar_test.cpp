// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "practice/practice_calendar.h"
#include "support/text_helpers.h"

namespace tally {
namespace {

Day day(const std::string& text) { return parseDay(text).value(); }

SheetRow practiceOn(const std::string& date) { return {date + " 19:00:00", kPracticeKey, "今日练习", 20, 18, 90, 300}; }
SheetRow drillOn(const std::string& date) { return {date + " 18:00:00", "q11", "20以内加法", 10, 10, 100, 60}; }

// The daily practice on 25 and 26 October, not on the 27th (only another
// sheet), then every day from 28 October to 2 November.
const std::vector<SheetRow> kRecord = {
    practiceOn("2024-11-02"), practiceOn("2024-11-01"), practiceOn("2024-10-31"), practiceOn("2024-10-30"),
    practiceOn("2024-10-29"), drillOn("2024-10-28"),    practiceOn("2024-10-28"), drillOn("2024-10-27"),
    practiceOn("2024-10-26"), practiceOn("2024-10-25"), practiceOn("2024-10-25"),  // twice in a day
};

TEST(PracticeStreak, TheRunCrossesAMonthStopsAtAMissedDayAndWaitsForToday) {
    const struct { const char* today; int streak; bool doneToday; const char* text; } cases[] = {
        {"2024-11-02", 6, true, "已经连续练习6天，真棒！"},
        {"2024-11-03", 6, false, "已经连续练习6天，今天练一练，就是7天了！"},  // today not done yet
        {"2024-11-04", 0, false, "今天还没有练习。每天练一点，就会越来越棒！"},  // the 3rd was missed
        {"2024-10-27", 2, false, "已经连续练习2天，今天练一练，就是3天了！"},
        {"2024-10-28", 1, true, "今天的练习做完了，真棒！明天接着练。"},
        {"2024-10-26", 2, true, "已经连续练习2天，真棒！"},
    };
    const std::set<Day> days = practiceDays(kRecord);
    EXPECT_EQ(days.size(), 8u);
    for (const auto& c : cases) {
        const PracticeCalendar calendar = practiceCalendar(kRecord, day(c.today));
        EXPECT_EQ(calendar.streak, c.streak) << c.today;
        EXPECT_EQ(currentStreak(days, day(c.today)), c.streak) << c.today;
        EXPECT_EQ(calendar.doneToday, c.doneToday) << c.today;
        EXPECT_EQ(streakText(calendar.streak, calendar.doneToday), c.text) << c.today;
    }
    const std::vector<SheetRow> newYear = {practiceOn("2024-12-30"), practiceOn("2024-12-31"),
                                           practiceOn("2025-01-01")};
    EXPECT_EQ(practiceCalendar(newYear, day("2025-01-01")).streak, 3);
}

TEST(PracticeCalendar, EightWeeksMondayFirstEndingWithTodaysWeek) {
    const PracticeCalendar calendar = practiceCalendar(kRecord, day("2024-11-02"));  // a Saturday
    ASSERT_EQ(calendar.weeks.size(), 8u);
    // 2 November 2024 is in the week of Monday 28 October; seven weeks before
    // that is Monday 9 September: every day from then on, in order.
    int goals = 0, others = 0, future = 0;
    Day expected = day("2024-09-09");
    for (const auto& week : calendar.weeks) {
        ASSERT_EQ(week.size(), 7u);
        for (const CalendarDay& cell : week) {
            ASSERT_EQ(cell.day, expected++);
            goals += cell.goalMet;
            others += !cell.goalMet && cell.sheets > 0;
            future += cell.future;
        }
    }
    EXPECT_EQ(goals, 8);
    EXPECT_EQ(others, 1);  // 27 October
    EXPECT_EQ(future, 1);  // Sunday 3 November
    EXPECT_EQ(calendar.weeks[7][0].sheets, 2);  // 28 October: the practice and a drill
    EXPECT_EQ(calendar.weeks[6][4].sheets, 2);  // 25 October, practised twice

    // The fragment shows every day.
    const std::string html = calendarHtml(calendar);
    EXPECT_EQ(test::occurrences(html, "<td"), 56);
    EXPECT_NE(html.find(">9月9日<"), std::string::npos);    // the first cell names its month
    EXPECT_NE(html.find(">11月1日★<"), std::string::npos);  // and so does the 1st of a month, a goal met
    EXPECT_EQ(html.find("<script"), std::string::npos);
}

}  // namespace
}  // namespace tally
