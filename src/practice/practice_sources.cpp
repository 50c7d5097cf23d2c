// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practice_sources.h"

#include <algorithm>

namespace tally {
namespace {

using Draws = std::function<bool(const std::string&)>;

struct TermLesson {
    const LessonEntry* lesson;
    SchoolTerm term;
};

bool isSkillKey(const std::string& key) { return key.size() == 5 && key[0] == 'k'; }

void addOnce(std::vector<std::string>& keys, const std::string& key) {
    if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
}

// The grade's lessons in list order, each with its term.
std::vector<TermLesson> withTerms(const std::vector<LessonEntry>& lessons, const TermLessons& terms) {
    std::vector<TermLesson> ordered;
    for (std::size_t i = 0; i < lessons.size(); ++i) {
        ordered.push_back({&lessons[i], i < terms.first.size() ? SchoolTerm::First : SchoolTerm::Second});
    }
    return ordered;
}

// The drills of `lessons` that can be drawn, each once; the newest first
// (the last lesson's last drill first) when `newestFirst`.
std::vector<std::string> drillsOf(const std::vector<TermLesson>& lessons, int grade, const SourceQuery& query,
                                  const Draws& draws, bool newestFirst) {
    std::vector<std::string> keys;
    for (std::size_t i = 0; i < lessons.size(); ++i) {
        const TermLesson& at = lessons[newestFirst ? lessons.size() - 1 - i : i];
        std::vector<std::string> ofLesson = lessonSkills(*at.lesson, grade, at.term, query.skills);
        if (newestFirst) std::reverse(ofLesson.begin(), ofLesson.end());
        for (const std::string& key : ofLesson) {
            if (draws(key)) addOnce(keys, key);
        }
    }
    return keys;
}

std::vector<std::string> firstOf(std::vector<std::string> keys) {
    if (keys.size() > kEarlierDrills) keys.resize(kEarlierDrills);
    return keys;
}

// Where the week stands in the grade's list: the lessons it practises and
// those before it. A holiday practises its whole term.
struct WeekPlace {
    std::size_t first = 0;  // the week's lessons are [first, end)
    std::size_t end = 0;
};
WeekPlace placeOf(const WeekLesson& week, const TermLessons& terms) {
    const std::size_t termStart = week.term == SchoolTerm::First ? 0 : terms.first.size();
    const std::size_t termSize = week.term == SchoolTerm::First ? terms.first.size() : terms.second.size();
    if (week.review) return {termStart, termStart + termSize};
    if (week.index < 0) return {termStart, termStart};
    const std::size_t at = termStart + static_cast<std::size_t>(week.index);
    return {at, at + 1};
}

// The newest drills of the grade before's 下学期.
std::vector<std::string> previousTermDrills(const SourceQuery& query, const Draws& draws) {
    if (query.grade <= 1) return {};
    const TermLessons previous = splitTerms(query.previousLessons);
    std::vector<TermLesson> lastTerm;
    for (const LessonEntry& lesson : previous.second) lastTerm.push_back({&lesson, SchoolTerm::Second});
    return firstOf(drillsOf(lastTerm, query.grade - 1, query, draws, true));
}

}  // namespace

std::vector<std::string> lessonSkills(const LessonEntry& lesson, int grade, SchoolTerm term,
                                      const std::vector<SkillUnit>& skills) {
    const auto ofTerm = [&](const SkillUnit& skill) { return skill.grade == grade && skill.term == term; };
    std::vector<std::string> keys;
    for (const std::string& key : lesson.drillKeys) {
        if (!isSkillKey(key) ||
            std::any_of(skills.begin(), skills.end(), [&](const SkillUnit& s) { return s.key == key && ofTerm(s); })) {
            addOnce(keys, key);
        }
    }
    for (const SkillUnit& skill : skills) {
        if (ofTerm(skill) && skill.unit == lesson.caption) addOnce(keys, skill.key);
    }
    return keys;
}

PracticeSources practiceSources(const SourceQuery& query, const Draws& draws) {
    PracticeSources sources;
    sources.week = lessonOfWeek(query.grade, query.lessons, query.day);
    const TermLessons terms = splitTerms(query.lessons);
    const std::vector<TermLesson> ordered = withTerms(query.lessons, terms);
    const WeekPlace place = placeOf(sources.week, terms);
    const auto slice = [&](std::size_t from, std::size_t to) {
        return std::vector<TermLesson>(ordered.begin() + static_cast<long>(from), ordered.begin() + static_cast<long>(to));
    };

    sources.lessonDrills = drillsOf(slice(place.first, place.end), query.grade, query, draws, false);
    const std::vector<std::string> before = drillsOf(slice(0, place.first), query.grade, query, draws, true);
    sources.taught = sources.lessonDrills;
    for (const std::string& key : before) addOnce(sources.taught, key);
    sources.earlierDrills = firstOf(before);
    // The first weeks of a grade: what the grade before taught last.
    if (sources.earlierDrills.empty() && !sources.week.review) sources.earlierDrills = previousTermDrills(query, draws);
    const std::size_t termEnd = sources.week.term == SchoolTerm::First ? terms.first.size() : ordered.size();
    const bool ahead = sources.lessonDrills.empty() && sources.earlierDrills.empty() && !sources.week.review;
    for (std::size_t next = place.end; ahead && sources.earlierDrills.empty() && next < termEnd; ++next) {
        sources.earlierDrills = firstOf(drillsOf(slice(next, next + 1), query.grade, query, draws, false));
    }
    for (const std::string& key : sources.earlierDrills) addOnce(sources.taught, key);

    sources.state = !sources.lessonDrills.empty()   ? LessonDrills::Lesson
                    : sources.earlierDrills.empty() ? LessonDrills::Nothing
                    : ahead                         ? LessonDrills::Ahead
                                                    : LessonDrills::Earlier;
    return sources;
}

std::vector<WeakTopic> taughtWeakTopics(std::vector<WeakTopic> weak, const PracticeSources& sources) {
    std::erase_if(weak, [&](const WeakTopic& topic) {
        return std::find(sources.taught.begin(), sources.taught.end(), topic.topicKey) == sources.taught.end();
    });
    return weak;
}

std::string lessonDrillsNote(const PracticeSources& sources) {
    if (sources.week.review) return "";
    switch (sources.state) {
    case LessonDrills::Earlier: return "这个星期学的内容没有计算题，今天先练一练前面学过的。";
    case LessonDrills::Ahead: return "这个星期学的内容没有计算题，今天先练一练简单的计算。";
    case LessonDrills::Nothing: return "这个星期学的内容没有计算题。";
    case LessonDrills::Lesson: return "";
    }
    return "";
}

}  // namespace tally
