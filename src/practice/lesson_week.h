// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "practice/practice_rows.h"

namespace tally {

// One lesson of a grade's 同步教学 list, in the list's order: its tree key
// (q5333GGNNN), its caption (the line of the grade's list) and the keys of
// its drills, none when the lesson has none (its file's "练习=" line, the
// keys separated by commas).
struct LessonEntry {
    std::string key;
    std::string caption;
    std::vector<std::string> drillKeys;

    bool operator==(const LessonEntry&) const = default;
};

enum class SchoolTerm { First, Second };  // 上学期, 下学期

// The school year as the practice counts it:
//   上学期  1 September – 20 January
//   寒假    21 January – 14 February: review of 上学期
//   下学期  15 February – 30 June
//   暑假    1 July – 31 August: review of 下学期
// Spring Festival moves from year to year; these fixed dates keep the winter
// holiday in the weeks around it in most years.
struct TermDates {
    Day start = 0;
    Day end = 0;  // the last day
};
TermDates termDates(SchoolTerm term, int schoolYear);  // the year the school year starts in

// The term a day belongs to: 上学期 and the winter holiday that reviews it,
// or 下学期 and the summer holiday that reviews it.
SchoolTerm termOfDay(Day day);

// A grade's list split into its two terms: 上学期 runs to the first lesson
// whose caption names 上学期 (its 上学期总复习) and includes it; a list
// without one is split in half (the first half one longer when odd).
struct TermLessons {
    std::vector<LessonEntry> first;
    std::vector<LessonEntry> second;
};
TermLessons splitTerms(const std::vector<LessonEntry>& lessons);

struct WeekLesson {
    bool review = false;  // a holiday: review of `term`
    SchoolTerm term = SchoolTerm::First;
    int index = -1;       // in the term's lessons; -1 in a holiday or for an empty term
    LessonEntry lesson;   // the week's lesson (empty in a holiday)
    // The drills to practise: the lesson's drill, or in a holiday the drills
    // of every lesson of the term in list order, each once.
    std::vector<std::string> drillKeys;
    std::string caption;  // "一年级上学期：认识钟表" or "寒假：复习一年级上学期"

    bool operator==(const WeekLesson&) const = default;
};

// This week's lesson for a child of `grade` (1…6) on `day`, from the grade's
// list. The weeks of a term run Monday to Sunday from the week of its first
// day to the week of its last; the term's lessons are spread evenly over
// them in list order (week w of W has lesson ⌊w·N/W⌋), so the whole of a
// week has one lesson and the term's review comes last.
WeekLesson lessonOfWeek(int grade, const std::vector<LessonEntry>& lessons, Day day);

// "一年级上学期" and the like.
std::string termName(int grade, SchoolTerm term);

}  // namespace tally
