// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practice_calendar.h"

#include <map>

#include "practice/html_parts.h"

namespace tally {
namespace {

const char* const kWeekdayNames[] = {"一", "二", "三", "四", "五", "六", "日"};

constexpr const char* kCalendarStyle =
    "table.calendar { table-layout: fixed; }"
    "table.calendar td, table.calendar th { width: 5.4em; padding: 2px 4px; font-size: 15px; white-space: nowrap; }"
    "table.calendar td.goal { background: #2e6b4f; color: #ffffff; }"
    "table.calendar td.other { background: #d8ecdf; }"
    "table.calendar td.today { outline: 3px solid #d97706; }"
    "table.calendar td.later { color: #bbbbbb; }"
    "@media print { table.calendar td.goal { background: #ffffff; color: #000000; font-weight: bold; } }";

// A day's cell: the day of the month, with the month on the 1st and in the
// first cell so the reader knows where the calendar starts.
std::string dayLabel(const CalendarDay& day, bool firstCell) {
    const CivilDate date = civilDate(day.day);
    std::string label = std::to_string(date.dayOfMonth);
    if (date.dayOfMonth == 1 || firstCell) label = std::to_string(date.month) + "月" + label + "日";
    if (day.goalMet) label += "★";
    return label;
}

std::string dayClass(const CalendarDay& day, Day today) {
    std::string kind = day.future ? "later" : day.goalMet ? "goal" : day.sheets > 0 ? "other" : "";
    if (day.day == today) kind += kind.empty() ? "today" : " today";
    return kind;
}

std::string dayTitle(const CalendarDay& day) {
    if (day.future) return dayText(day.day);
    if (day.goalMet) return dayText(day.day) + " 完成了今日练习";
    if (day.sheets > 0) return dayText(day.day) + " 做了" + std::to_string(day.sheets) + "张练习卷";
    return dayText(day.day);
}

std::string weekRow(const std::vector<CalendarDay>& week, Day today, bool firstWeek) {
    std::string cells;
    for (std::size_t i = 0; i < week.size(); ++i) {
        const std::string kind = dayClass(week[i], today);
        std::string attributes = htmlAttr("title", dayTitle(week[i]));
        if (!kind.empty()) attributes += " " + htmlAttr("class", kind);
        cells += element("td", escaped(dayLabel(week[i], firstWeek && i == 0)), attributes);
    }
    return element("tr", cells);
}

}  // namespace

std::set<Day> practiceDays(const std::vector<SheetRow>& sheets) {
    std::set<Day> days;
    for (const SheetRow& sheet : sheets) {
        if (sheet.topicKey != kPracticeKey) continue;
        if (const auto day = parseDay(sheet.when)) days.insert(*day);
    }
    return days;
}

int currentStreak(const std::set<Day>& practised, Day today) {
    Day day = practised.count(today) ? today : today - 1;
    int streak = 0;
    while (practised.count(day)) {
        ++streak;
        --day;
    }
    return streak;
}

PracticeCalendar practiceCalendar(const std::vector<SheetRow>& sheets, Day today) {
    PracticeCalendar calendar;
    calendar.today = today;
    const Day first = mondayOf(today) - 7 * (kCalendarWeeks - 1);
    const Day last = mondayOf(today) + 6;
    std::map<Day, int> sheetsOn;
    for (const SheetRow& sheet : sheets) {
        const auto day = parseDay(sheet.when);
        if (day && *day >= first && *day <= last) ++sheetsOn[*day];
    }
    const std::set<Day> practised = practiceDays(sheets);
    for (int w = 0; w < kCalendarWeeks; ++w) {
        std::vector<CalendarDay> week;
        for (int d = 0; d < 7; ++d) {
            const Day day = first + 7 * w + d;
            const auto found = sheetsOn.find(day);
            week.push_back({day, found == sheetsOn.end() ? 0 : found->second,
                            day <= today && practised.count(day) > 0, day > today});
        }
        calendar.weeks.push_back(std::move(week));
    }
    calendar.streak = currentStreak(practised, today);
    calendar.doneToday = practised.count(today) > 0;
    return calendar;
}

std::string streakText(int streak, bool doneToday) {
    if (streak <= 0) return "今天还没有练习。每天练一点，就会越来越棒！";
    const std::string days = std::to_string(streak);
    if (doneToday) return streak == 1 ? "今天的练习做完了，真棒！明天接着练。" : "已经连续练习" + days + "天，真棒！";
    return "已经连续练习" + days + "天，今天练一练，就是" + std::to_string(streak + 1) + "天了！";
}

std::string doneStreakText(int streak) {
    if (streak <= 1) return "明天再练，就是连续练习2天了！";
    return "已经连续练习" + std::to_string(streak) + "天，真棒！";
}

std::string calendarHtml(const PracticeCalendar& calendar) {
    std::string head;
    for (const char* name : kWeekdayNames) head += element("th", name);
    std::string rows = element("tr", head);
    for (std::size_t w = 0; w < calendar.weeks.size(); ++w) {
        rows += weekRow(calendar.weeks[w], calendar.today, w == 0);
    }
    return element("style", kCalendarStyle) + element("h2", "练习日历") +
           element("p", escaped(streakText(calendar.streak, calendar.doneToday)), "class=plain") +
           element("table", rows, "class=calendar") +
           element("p", "带★的日子完成了今日练习，浅绿色的日子做了别的练习。", "class=plain");
}

}  // namespace tally
