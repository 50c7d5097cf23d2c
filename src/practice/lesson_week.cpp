// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/lesson_week.h"

#include <algorithm>

#include "progress/children.h"

namespace tally {
namespace {

std::vector<std::string> drillsOf(const std::vector<LessonEntry>& lessons) {
    std::vector<std::string> keys;
    for (const LessonEntry& lesson : lessons) {
        for (const std::string& drill : lesson.drillKeys) {
            if (std::find(keys.begin(), keys.end(), drill) == keys.end()) keys.push_back(drill);
        }
    }
    return keys;
}

WeekLesson holiday(int grade, const TermLessons& terms, SchoolTerm term, const char* holidayName) {
    WeekLesson week;
    week.review = true;
    week.term = term;
    week.drillKeys = drillsOf(term == SchoolTerm::First ? terms.first : terms.second);
    week.caption = std::string(holidayName) + "：复习" + termName(grade, term);
    return week;
}

WeekLesson inTerm(int grade, const TermLessons& terms, SchoolTerm term, const TermDates& dates, Day day) {
    const std::vector<LessonEntry>& lessons = term == SchoolTerm::First ? terms.first : terms.second;
    WeekLesson week;
    week.term = term;
    week.caption = termName(grade, term);
    if (lessons.empty()) return week;
    const long weeks = (mondayOf(dates.end) - mondayOf(dates.start)) / 7 + 1;
    const long thisWeek = (mondayOf(day) - mondayOf(dates.start)) / 7;
    week.index = static_cast<int>(thisWeek * static_cast<long>(lessons.size()) / weeks);
    week.lesson = lessons[week.index];
    week.drillKeys = week.lesson.drillKeys;
    week.caption += "：" + week.lesson.caption;
    return week;
}

}  // namespace

TermDates termDates(SchoolTerm term, int schoolYear) {
    if (term == SchoolTerm::First) return {dayOf(schoolYear, 9, 1), dayOf(schoolYear + 1, 1, 20)};
    return {dayOf(schoolYear + 1, 2, 15), dayOf(schoolYear + 1, 6, 30)};
}

SchoolTerm termOfDay(Day day) {
    const CivilDate date = civilDate(day);
    const int schoolYear = date.month >= 9 ? date.year : date.year - 1;
    return day < termDates(SchoolTerm::Second, schoolYear).start ? SchoolTerm::First : SchoolTerm::Second;
}

TermLessons splitTerms(const std::vector<LessonEntry>& lessons) {
    std::size_t firstCount = (lessons.size() + 1) / 2;
    for (std::size_t i = 0; i < lessons.size(); ++i) {
        if (lessons[i].caption.find("上学期") != std::string::npos) {
            firstCount = i + 1;
            break;
        }
    }
    TermLessons terms;
    terms.first.assign(lessons.begin(), lessons.begin() + static_cast<long>(firstCount));
    terms.second.assign(lessons.begin() + static_cast<long>(firstCount), lessons.end());
    return terms;
}

std::string termName(int grade, SchoolTerm term) {
    return gradeName(grade) + (term == SchoolTerm::First ? "上学期" : "下学期");
}

WeekLesson lessonOfWeek(int grade, const std::vector<LessonEntry>& lessons, Day day) {
    const TermLessons terms = splitTerms(lessons);
    const CivilDate date = civilDate(day);
    // The school year a day belongs to starts in the September before it.
    const int schoolYear = date.month >= 9 ? date.year : date.year - 1;
    const TermDates first = termDates(SchoolTerm::First, schoolYear);
    const TermDates second = termDates(SchoolTerm::Second, schoolYear);
    if (day >= first.start && day <= first.end) return inTerm(grade, terms, SchoolTerm::First, first, day);
    if (day > first.end && day < second.start) return holiday(grade, terms, SchoolTerm::First, "寒假");
    if (day >= second.start && day <= second.end) return inTerm(grade, terms, SchoolTerm::Second, second, day);
    return holiday(grade, terms, SchoolTerm::Second, "暑假");
}

}  // namespace tally
