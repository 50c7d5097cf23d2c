// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>

#include "practice/lesson_list.h"
#include "skills/skill_table.h"
#include "system/fs_data_directory.h"

namespace tally {
namespace {

const std::vector<LessonEntry>& termOf(const TermLessons& terms, Term term) {
    return term == Term::first ? terms.first : terms.second;
}

// Keys name grade and term; each skill's unit is a lesson of its grade's
// 同步教学 list, in its term and in the textbook's order; a caption names one
// skill, and the ones papers and scripts name are there.
TEST(SkillTable, KeysAndUnitsFollowTheTextbook) {
    const FsDataDirectory data(TALLYMOO_DATA_DIR);
    const std::regex keyShape(R"(k([1-6])([12])\d\d)");
    std::set<std::string> keys;
    std::set<std::string> captions;
    std::pair<int, std::size_t> last{0, 0};  // grade, place in the year
    for (const auto& row : skillTable()) {
        std::smatch parts;
        ASSERT_TRUE(std::regex_match(row.key, parts, keyShape)) << row.key;
        EXPECT_EQ(std::stoi(parts[1]), row.grade) << row.key;
        EXPECT_EQ(parts[2] == "1", row.term == Term::first) << row.key;
        EXPECT_TRUE(keys.insert(row.key).second) << row.key;
        EXPECT_TRUE(captions.insert(row.caption).second) << row.caption;
        EXPECT_EQ(findSkill(row.key), &row);
        const TermLessons terms = splitTerms(readLessonList(data, row.grade));
        const auto& lessons = termOf(terms, row.term);
        const auto unit = std::find_if(lessons.begin(), lessons.end(), [&](auto& l) { return l.caption == row.unit; });
        ASSERT_NE(unit, lessons.end()) << row.key << " " << row.unit;
        const std::size_t place = (row.term == Term::first ? 0 : terms.first.size()) + (unit - lessons.begin());
        EXPECT_TRUE(row.grade != last.first || place >= last.second) << row.key;
        last = {row.grade, place};
    }
    EXPECT_EQ(findSkill("q11"), nullptr);
    for (const char* named : {"10以内加减", "20以内不进位加法", "20以内进位加法", "9加几", "十几减9", "20以内退位减法"}) {
        EXPECT_TRUE(captions.contains(named)) << named;
    }
}

// A lesson practises skills of its own grade, term and unit only, none of
// the old number-range drills; a lesson without calculation practises none.
TEST(LessonSkills, EachLessonPractisesTheSkillsOfItsOwnUnit) {
    const FsDataDirectory data(TALLYMOO_DATA_DIR);
    int linked = 0;
    for (int grade = 1; grade <= 6; ++grade) {
        const TermLessons terms = splitTerms(readLessonList(data, grade));
        for (const Term term : {Term::first, Term::second}) {
            for (const LessonEntry& lesson : termOf(terms, term)) {
                for (const std::string& key : lesson.drillKeys) {
                    EXPECT_FALSE(std::set<std::string>({"q11", "q13", "q31", "q43", "q46"}).contains(key)) << key;
                    if (!key.starts_with("k")) continue;
                    const SkillRow* skill = findSkill(key);
                    ASSERT_NE(skill, nullptr) << key;
                    EXPECT_TRUE(skill->grade == grade && skill->term == term && skill->unit == lesson.caption) << key;
                    ++linked;
                }
                for (const char* none : {"位置", "认识图形", "分类与整理"}) {
                    EXPECT_FALSE(lesson.caption.starts_with(none) && !lesson.drillKeys.empty()) << lesson.caption;
                }
            }
        }
    }
    EXPECT_GE(linked, 40);
}

}  // namespace
}  // namespace tally
