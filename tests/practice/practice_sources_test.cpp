// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "practice/lesson_list.h"
#include "practice/practice_sources.h"
#include "skills/skill_table.h"
#include "system/fs_data_directory.h"

namespace tally {
namespace {

using Keys = std::vector<std::string>;

const std::vector<SkillUnit>& units() {
    static const std::vector<SkillUnit> all = [] {
        std::vector<SkillUnit> rows;
        for (const SkillRow& row : skillTable()) {
            rows.push_back({row.key, row.grade, row.term == Term::first ? SchoolTerm::First : SchoolTerm::Second,
                            row.unit});
        }
        return rows;
    }();
    return all;
}

SourceQuery query(int grade, const char* day) {
    const FsDataDirectory data(TALLYMOO_DATA_DIR);
    return {grade, parseDay(day).value(), readLessonList(data, grade), readLessonList(data, grade - 1), units()};
}

// The clock is a game: it gives no question to ask again.
bool drawsAllButTheClock(const std::string& key) { return key != "q77"; }

// Worked by hand from the lesson lists and the skill table: the week's lesson,
// its skills (its links, then its unit's), and the three drills taught last,
// newest first.
TEST(PracticeSources, TheWeeksLessonThroughItsSkillsAndWhatCameBefore) {
    struct Case {
        int grade;
        const char* day;
        const char* caption;
        LessonDrills state;
        Keys lesson;
        Keys earlier;
    };
    const std::vector<Case> cases = {
        {4, "2026-11-30", "四年级上学期：除数是两位数的除法", LessonDrills::Lesson,
         {"k4104", "k4105", "k4106", "k4107"}, {"k4103", "k4102", "k4101"}},
        // 认识钟表 is practised on its clock faces; the clock game is left out.
        {1, "2026-12-07", "一年级上学期：认识钟表", LessonDrills::Lesson, {"k1141", "k1142"}, {"k1111", "k1106", "k1151"}},
        // After the move to 二年级: the grade before's 下学期, nothing of 10以内.
        {2, "2026-09-07", "二年级上学期：长度单位", LessonDrills::Earlier, {}, {"q91", "k1261", "k1210"}},
        {1, "2026-09-07", "一年级上学期：准备课", LessonDrills::Ahead, {}, {"k1101"}},
        {1, "2027-03-08", "一年级下学期：20以内的退位减法", LessonDrills::Lesson,
         {"k1201", "k1202", "k1203", "k1251", "k1252", "k1204"}, {"k1161", "k1110", "k1154"}},
        {1, "2027-01-25", "寒假：复习一年级上学期", LessonDrills::Lesson,
         {"k1101", "k1102", "k1103", "k1104", "k1105", "k1151", "k1106", "k1111", "k1141", "k1142", "k1107", "k1108",
          "k1109", "k1152", "k1153", "k1154", "k1110", "k1161"},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.day) + " grade " + std::to_string(c.grade));
        const PracticeSources sources = practiceSources(query(c.grade, c.day), drawsAllButTheClock);
        EXPECT_EQ(sources.week.caption, c.caption);
        EXPECT_EQ(sources.state, c.state);
        EXPECT_EQ(sources.lessonDrills, c.lesson);
        EXPECT_EQ(sources.earlierDrills, c.earlier);
    }
}

// Only what the grade has taught up to this week: in 二年级's first weeks no
// 一年级 skill but those of the last term, no later lesson's skill.
TEST(PracticeSources, WeakTopicsAreTakenOnlyWhenTaughtUpToThisWeek) {
    const PracticeSources sources = practiceSources(query(2, "2026-09-21"), drawsAllButTheClock);
    ASSERT_EQ(sources.week.lesson.caption, "100以内的加法和减法（二）");
    std::vector<WeakTopic> weak;
    for (const char* key : {"k1103", "q11", "k2101", "k2106", "k1210"}) weak.push_back({key, "", 0, 0, 0, 0, false});
    Keys kept;
    for (const WeakTopic& topic : taughtWeakTopics(weak, sources)) kept.push_back(topic.topicKey);
    EXPECT_EQ(kept, (Keys{"k2101", "k1210"}));
}

TEST(PracticeSources, ALinkToASkillOfAnotherTermIsLeftOut) {
    const LessonEntry lesson{"q533302001", "准备课", {"k1201", "k1101", "q91"}};
    EXPECT_EQ(lessonSkills(lesson, 1, SchoolTerm::First, units()), (Keys{"k1101", "q91"}));
    EXPECT_EQ(lessonSkills(lesson, 1, SchoolTerm::Second, units()), (Keys{"k1201", "q91"}));
}

}  // namespace
}  // namespace tally
