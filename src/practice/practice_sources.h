// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "practice/lesson_week.h"
#include "practice/weak_topics.h"

namespace tally {

// How many drills of what came before the practice takes, the newest first.
inline constexpr std::size_t kEarlierDrills = 3;

// A calculation skill as the practice sees it: the unit it belongs to is the
// lesson of that caption in its grade and term.
struct SkillUnit {
    std::string key;
    int grade = 1;
    SchoolTerm term = SchoolTerm::First;
    std::string unit;
};

struct SourceQuery {
    int grade = 1;
    Day day = 0;
    std::vector<LessonEntry> lessons;          // the grade's list
    std::vector<LessonEntry> previousLessons;  // the grade before's list, empty for 一年级
    std::vector<SkillUnit> skills;             // every skill of the textbook
};

// Where this week's lesson leaves the practice.
enum class LessonDrills {
    Lesson,   // the lesson (or the holiday's term) has drills
    Earlier,  // it has none: what came before is practised
    Ahead,    // none, and nothing came before: the term's first lesson with drills
    Nothing,  // nothing at all can be drawn
};

struct PracticeSources {
    WeekLesson week;
    LessonDrills state = LessonDrills::Nothing;
    std::vector<std::string> lessonDrills;   // the week's own, or in a holiday the whole term's
    std::vector<std::string> earlierDrills;  // what came before, the newest first, at most kEarlierDrills
    std::vector<std::string> taught;         // every drill taught up to this week, the week's too
};

// The drills a lesson practises: the keys of its "练习=" line and the skills
// of its unit. A skill counts only in its own grade and term, so a link to a
// skill of another term is left out.
std::vector<std::string> lessonSkills(const LessonEntry& lesson, int grade, SchoolTerm term,
                                      const std::vector<SkillUnit>& skills);

// What today's practice may draw from: this week's lesson; what this grade
// taught before it (this term's lessons before this week, then the term
// before), and only when this grade has taught nothing yet the grade
// before's 下学期; never a later term, and a later week only as the term's
// first lesson with drills when nothing at all came before. `draws` tells a drill
// that can give questions.
PracticeSources practiceSources(const SourceQuery& query, const std::function<bool(const std::string&)>& draws);

// The weak topics the practice may take: those taught up to this week.
std::vector<WeakTopic> taughtWeakTopics(std::vector<WeakTopic> weak, const PracticeSources& sources);

// The kind line of a school week whose lesson has nothing to practise; ""
// otherwise.
std::string lessonDrillsNote(const PracticeSources& sources);

}  // namespace tally
