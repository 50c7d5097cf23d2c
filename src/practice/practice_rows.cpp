// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practice_rows.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace tally {
namespace {

using std::chrono::year_month_day;

int digits(std::string_view text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// The date of "YYYY-MM-DD" at the start of `text`, when it is a real one.
std::optional<year_month_day> leadingDate(std::string_view text) {
    if (text.size() < 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const int yearNumber = digits(text, 0, 4), monthNumber = digits(text, 5, 2), dayNumber = digits(text, 8, 2);
    if (yearNumber < 1 || monthNumber < 0 || dayNumber < 0) return std::nullopt;
    const year_month_day date{std::chrono::year{yearNumber}, std::chrono::month{static_cast<unsigned>(monthNumber)},
                              std::chrono::day{static_cast<unsigned>(dayNumber)}};
    if (!date.ok()) return std::nullopt;
    return date;
}

Day dayNumber(const year_month_day& date) {
    return static_cast<Day>(std::chrono::sys_days{date}.time_since_epoch().count());
}

}  // namespace

std::optional<Day> parseDay(std::string_view text) {
    if (text.size() > 10 && text[10] != ' ' && text[10] != 'T') return std::nullopt;
    const auto date = leadingDate(text);
    if (!date) return std::nullopt;
    return dayNumber(*date);
}

std::optional<Day> parseGivenDay(std::string_view text) {
    if (text.size() != 10) return std::nullopt;
    const auto date = leadingDate(text);
    if (!date || date->year() < std::chrono::year{kFirstGivenYear} || date->year() > std::chrono::year{kLastGivenYear}) {
        return std::nullopt;
    }
    return dayNumber(*date);
}

std::string givenDayProblem(std::string_view text) {
    return "--today needs a real date YYYY-MM-DD from " + std::to_string(kFirstGivenYear) + "-01-01 to " +
           std::to_string(kLastGivenYear) + "-12-31, not \"" + std::string(text) + "\"";
}

std::optional<long long> momentOf(std::string_view when) {
    const auto day = parseDay(when);
    if (!day) return std::nullopt;
    long long moment = static_cast<long long>(*day) * 86400;
    if (when.size() >= 19) {
        const int hours = digits(when, 11, 2), minutes = digits(when, 14, 2), seconds = digits(when, 17, 2);
        if (hours >= 0 && minutes >= 0 && seconds >= 0) moment += hours * 3600 + minutes * 60 + seconds;
    }
    return moment;
}

CivilDate civilDate(Day day) {
    const year_month_day date{std::chrono::sys_days{std::chrono::days{day}}};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
}

Day dayOf(int year, int month, int dayOfMonth) {
    return dayNumber(std::chrono::year{year} / static_cast<unsigned>(month) / static_cast<unsigned>(dayOfMonth));
}

std::string dayText(Day day) {
    const CivilDate date = civilDate(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year % 10000, date.month, date.dayOfMonth);
    return text;
}

int weekday(Day day) {
    // 1970-01-01 was a Thursday (4).
    const int fromMonday = ((day + 3) % 7 + 7) % 7;
    return fromMonday + 1;
}

Day mondayOf(Day day) { return day - (weekday(day) - 1); }

bool isMixedSheet(std::string_view topicKey) { return topicKey == kPracticeKey || topicKey == "redrill"; }

SheetRow sheetRow(const MarkedSheet& sheet) {
    return {sheet.when, sheet.topicKey, sheet.topicCaption, sheet.questions, sheet.right, sheet.score, sheet.seconds};
}

int shareScore(int right, int questions) {
    return questions > 0 ? static_cast<int>(std::nearbyint(100.0 * right / questions)) : 0;
}

SheetRow shareRow(const TopicShare& share) {
    return {share.when,  share.topicKey, share.topicCaption, share.questions, share.right,
            shareScore(share.right, share.questions), 0, true};
}

}  // namespace tally
