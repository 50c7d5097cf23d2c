// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "practice/lesson_list.h"
#include "practice/lesson_week.h"
#include "system/fs_data_directory.h"

namespace tally {
namespace {

Day day(const std::string& text) { return parseDay(text).value(); }

std::vector<LessonEntry> gradeList(int grade) { return readLessonList(FsDataDirectory(TALLYMOO_DATA_DIR), grade); }

TEST(LessonOfTheWeek, FixedDatesOfEachTermAndTheHolidaysOfGradeOne) {
    // Worked by hand. 上学期 2024/25: 1 Sep 2024 (a Sunday) to 20 Jan 2025 (a
    // Monday): 22 weeks from the week of 26 Aug; 10 lessons, lesson ⌊w·10/22⌋.
    // 下学期: 15 Feb 2025 (a Saturday) to 30 Jun 2025 (a Monday): 21 weeks
    // from the week of 10 Feb; 8 lessons, lesson ⌊w·8/21⌋.
    const std::vector<LessonEntry> lessons = gradeList(1);
    // Whether a day is a holiday and of which term the walk below checks.
    const std::pair<const char*, const char*> cases[] = {
        {"2024-09-01", "一年级上学期：准备课"},         // week 0
        {"2024-09-09", "一年级上学期：准备课"},         // week 2: ⌊20/22⌋ = 0
        {"2024-09-16", "一年级上学期：位置"},           // week 3: ⌊30/22⌋ = 1
        {"2024-10-14", "一年级上学期：认识图形（一）"},  // week 7: ⌊70/22⌋ = 3
        {"2025-01-20", "一年级上学期：上学期总复习"},    // week 21: ⌊210/22⌋ = 9
        {"2025-01-21", "寒假：复习一年级上学期"},
        {"2025-02-15", "一年级下学期：认识图形（二）"},  // week 0
        {"2025-05-01", "一年级下学期：认识人民币"},     // week 11: ⌊88/21⌋ = 4
        {"2025-06-30", "一年级下学期：下学期总复习"},   // week 20: ⌊160/21⌋ = 7
        {"2025-07-01", "暑假：复习一年级下学期"},
        {"2025-09-01", "一年级上学期：准备课"},
    };
    for (const auto& [date, caption] : cases) EXPECT_EQ(lessonOfWeek(1, lessons, day(date)).caption, caption) << date;
    // 1～5的认识和加减法 brings its drill; a holiday brings every drill of the term once.
    EXPECT_EQ(lessonOfWeek(1, lessons, day("2024-09-30")).lesson.caption, "1～5的认识和加减法");  // week 5
    EXPECT_EQ(lessonOfWeek(1, lessons, day("2024-09-30")).drillKeys, std::vector<std::string>{"k1101"});
    EXPECT_EQ(lessonOfWeek(1, lessons, day("2025-01-25")).drillKeys,
              (std::vector<std::string>{"k1101", "k1102", "k1103", "k1104", "k1105", "q77", "k1107", "k1108",
                                        "k1109"}));
    EXPECT_TRUE(lessonOfWeek(1, lessons, day("2024-09-02")).drillKeys.empty());  // 准备课
    // A holiday belongs to the term it reviews.
    const std::pair<const char*, SchoolTerm> terms[] = {
        {"2024-09-01", SchoolTerm::First},  {"2025-02-14", SchoolTerm::First},  {"2025-02-15", SchoolTerm::Second},
        {"2025-08-31", SchoolTerm::Second}, {"2025-09-01", SchoolTerm::First},
    };
    for (const auto& [date, term] : terms) EXPECT_EQ(termOfDay(day(date)), term) << date;
}

// Over two school years, for every grade: a lesson holds for a whole week
// (Monday to Sunday), the lessons come in list order without one left out,
// the term starts with its first lesson and ends with its last.
TEST(LessonOfTheWeek, EveryTermWalksThroughItsLessonsInOrderAWeekAtATime) {
    for (int grade = 1; grade <= 6; ++grade) {
        const std::vector<LessonEntry> lessons = gradeList(grade);
        const TermLessons terms = splitTerms(lessons);
        for (int year : {2024, 2025}) {
            for (const SchoolTerm term : {SchoolTerm::First, SchoolTerm::Second}) {
                SCOPED_TRACE(std::to_string(grade) + " " + std::to_string(year));
                const TermDates dates = termDates(term, year);
                const auto& list = term == SchoolTerm::First ? terms.first : terms.second;
                int previous = 0;
                for (Day d = dates.start; d <= dates.end; ++d) {
                    const WeekLesson week = lessonOfWeek(grade, lessons, d);
                    ASSERT_FALSE(week.review);
                    ASSERT_EQ(week.term, term);
                    const bool weekStarts = weekday(d) == 1 || d == dates.start;
                    ASSERT_TRUE(week.index == previous || (weekStarts && week.index == previous + 1)) << dayText(d);
                    ASSERT_EQ(week.lesson, list[static_cast<std::size_t>(week.index)]);
                    previous = week.index;
                }
                EXPECT_EQ(lessonOfWeek(grade, lessons, dates.start).index, 0);
                EXPECT_EQ(previous + 1, static_cast<int>(list.size()));
                EXPECT_TRUE(lessonOfWeek(grade, lessons, dates.end + 1).review);
                EXPECT_TRUE(lessonOfWeek(grade, lessons, dates.start - 1).review);
            }
        }
    }
}

TEST(LessonOfTheWeek, AListWithoutATermReviewIsSplitInHalfAndAnEmptyListGivesNoLesson) {
    const std::vector<LessonEntry> five = {{"k1", "一", {"q1"}}, {"k2", "二", {}}, {"k3", "三", {"q3"}},
                                           {"k4", "四", {"q4"}}, {"k5", "五", {"q5"}}};
    const TermLessons terms = splitTerms(five);
    EXPECT_EQ(terms.first.size(), 3u);
    EXPECT_EQ(terms.second.front().key, "k4");
    EXPECT_EQ(lessonOfWeek(2, five, day("2025-03-03")).caption, "二年级下学期：四");
    const WeekLesson none = lessonOfWeek(3, {}, day("2024-10-10"));
    EXPECT_EQ(none.index, -1);
    EXPECT_TRUE(none.drillKeys.empty());
    EXPECT_EQ(none.caption, "三年级上学期");
}

}  // namespace
}  // namespace tally
