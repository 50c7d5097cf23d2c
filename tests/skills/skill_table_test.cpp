// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "base/gbk.h"
#include "skills/skill_table.h"

namespace tally {
namespace {

// The units of one grade as the lesson list of 同步教学 names them, in order.
std::vector<std::string> lessonUnits(int grade) {
    std::ifstream file(std::string(TALLYMOO_DATA_DIR) + "/" + std::to_string(grade) + ".txt", std::ios::binary);
    std::stringstream raw;
    raw << file.rdbuf();
    std::vector<std::string> units;
    std::istringstream lines(gbkToUtf8(raw.str()));
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        units.push_back(line);
    }
    return units;
}

// Keys name grade and term; the units are the textbook's, in its order, each
// in its own term (the 上学期总复习 line divides them); a caption names one
// skill, and the ones papers and scripts name are there.
TEST(SkillTable, KeysAndUnitsFollowTheTextbook) {
    const std::regex keyShape(R"(k([1-6])([12])\d\d)");
    std::set<std::string> keys;
    std::set<std::string> captions;
    std::size_t lastPlace = 0;
    int lastGrade = 0;
    for (const auto& row : skillTable()) {
        std::smatch parts;
        ASSERT_TRUE(std::regex_match(row.key, parts, keyShape)) << row.key;
        EXPECT_EQ(std::stoi(parts[1]), row.grade) << row.key;
        EXPECT_EQ(parts[2] == "1", row.term == Term::first) << row.key;
        EXPECT_TRUE(keys.insert(row.key).second) << row.key;
        EXPECT_TRUE(captions.insert(row.caption).second) << row.caption;
        EXPECT_EQ(findSkill(row.key), &row);
        const auto units = lessonUnits(row.grade);
        const auto unit = std::find(units.begin(), units.end(), row.unit);
        const auto review = std::find(units.begin(), units.end(), "上学期总复习");
        ASSERT_NE(unit, units.end()) << row.key << " " << row.unit;
        EXPECT_EQ(unit < review, row.term == Term::first) << row.key;
        const auto place = static_cast<std::size_t>(unit - units.begin());
        if (row.grade == lastGrade) {
            EXPECT_GE(place, lastPlace) << row.key;
        }
        lastGrade = row.grade;
        lastPlace = place;
    }
    EXPECT_EQ(findSkill("q11"), nullptr);
    for (const char* named : {"10以内加减", "20以内不进位加法", "20以内进位加法", "9加几", "十几减9", "20以内退位减法"}) {
        EXPECT_TRUE(captions.contains(named)) << named;
    }
}

}  // namespace
}  // namespace tally
