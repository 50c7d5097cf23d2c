// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "progress/record_values.h"
#include "base/ports.h"

namespace tally {

// "YYYY-MM-DD", or the first ten characters of "YYYY-MM-DD HH:MM:SS";
// nothing when that is not a real date.
std::optional<Day> parseDay(std::string_view text);
// A day given on the command line (--today): exactly "YYYY-MM-DD", a real
// date of the years the program can count school terms in; nothing otherwise.
inline constexpr int kFirstGivenYear = 2000;
inline constexpr int kLastGivenYear = 2100;
std::optional<Day> parseGivenDay(std::string_view text);
// Why a day given on the command line is refused.
std::string givenDayProblem(std::string_view text);
// "YYYY-MM-DD".
std::string dayText(Day day);
// Seconds since 1970-01-01 00:00:00 of "YYYY-MM-DD HH:MM:SS" (a date alone is
// its midnight), to put rows in order by a number; nothing when the date
// cannot be read.
std::optional<long long> momentOf(std::string_view when);
// 1 Monday … 7 Sunday.
int weekday(Day day);
// The Monday of the day's week.
Day mondayOf(Day day);
struct CivilDate {
    int year = 1970;
    int month = 1;  // 1…12
    int dayOfMonth = 1;
};
CivilDate civilDate(Day day);
Day dayOf(int year, int month, int dayOfMonth);

// The key under which the daily practice's own sheet is stored. Its questions
// come from many topics: the sheet counts for the calendar and the week, and
// each topic's answers on it count for that topic as a share (shareRow()).
// The re-drill sheet ("redrill") is read the same way.
inline constexpr const char* kPracticeKey = "practice";
bool isMixedSheet(std::string_view topicKey);

// One marked sheet as the practice reads it from the record.
struct SheetRow {
    std::string when;  // "YYYY-MM-DD HH:MM:SS"
    std::string topicKey;
    std::string topicCaption;
    int questions = 0;
    int right = 0;
    int score = 0;
    int seconds = 0;
    // One topic's answers on a daily practice sheet: no seconds of its own,
    // and not a sheet of the child's.
    bool share = false;

    bool operator==(const SheetRow&) const = default;
};

// The row of one stored sheet.
SheetRow sheetRow(const MarkedSheet& sheet);
// A topic's share of a daily practice sheet, scored as a sheet of its own
// answers is: its percent of right answers, all right 100.
SheetRow shareRow(const TopicShare& share);
int shareScore(int right, int questions);

}  // namespace tally
