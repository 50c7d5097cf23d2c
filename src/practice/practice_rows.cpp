#include "practice/practice_rows.h"

#include <cstdio>

namespace tally {
namespace {

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar, and
// back, counted in whole 400-year eras of 146097 days.
Day daysFromCivil(int year, int month, int dayOfMonth) {
    year -= month <= 2 ? 1 : 0;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + dayOfMonth - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

int digits(std::string_view text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

std::optional<Day> parseDay(std::string_view text) {
    if (text.size() < 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    if (text.size() > 10 && text[10] != ' ' && text[10] != 'T') return std::nullopt;
    const int year = digits(text, 0, 4);
    const int month = digits(text, 5, 2);
    const int dayOfMonth = digits(text, 8, 2);
    if (year < 1 || month < 1 || month > 12 || dayOfMonth < 1) return std::nullopt;
    if (dayOfMonth > daysInMonth(year, month)) return std::nullopt;
    return daysFromCivil(year, month, dayOfMonth);
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
    const int z = day + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int dayOfEra = z - era * 146097;
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int shiftedMonth = (5 * dayOfYear + 2) / 153;
    CivilDate date;
    date.dayOfMonth = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    date.month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    date.year = yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0);
    return date;
}

Day dayOf(int year, int month, int dayOfMonth) { return daysFromCivil(year, month, dayOfMonth); }

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

std::vector<MissRow> missRows(const MarkedSheet& sheet) {
    std::vector<MissRow> rows;
    rows.reserve(sheet.missed.size());
    for (const MissedQuestion& miss : sheet.missed) {
        MissRow row{sheet.when, miss};
        if (row.question.topicKey.empty()) {
            row.question.topicKey = sheet.topicKey;
            row.question.topicCaption = sheet.topicCaption;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace tally
