// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>

#include "practice/mastery.h"

namespace tally {
namespace {

SheetRow sheet(std::string when, std::string key, int score, int seconds, int questions = 10) {
    return {std::move(when), key, "题目" + key, questions, score * questions / 100, score, seconds};
}

// Oldest first within each topic here; the rows are mixed up below.
const std::vector<SheetRow> kRecord = {
    // q11: 6, 5, 4, 4.5 seconds a question; median 4.75; the last three
    // take 135 / 30 = 4.5, within 1.25 × 4.75, all ≥ 90: 熟练.
    sheet("2024-10-01 10:00:00", "q11", 70, 60), sheet("2024-10-02 10:00:00", "q11", 90, 50),
    sheet("2024-10-03 10:00:00", "q11", 100, 40), sheet("2024-10-04 10:00:00", "q11", 95, 45),
    // q13: right but slow: median 4 of (4, 4, 4, 4, 6, 6, 6); the last three take 6 > 5: 练过.
    sheet("2024-10-01 11:00:00", "q13", 100, 40), sheet("2024-10-02 11:00:00", "q13", 100, 40),
    sheet("2024-10-03 11:00:00", "q13", 100, 40), sheet("2024-10-04 11:00:00", "q13", 100, 40),
    sheet("2024-10-05 11:00:00", "q13", 100, 60), sheet("2024-10-06 11:00:00", "q13", 100, 60),
    sheet("2024-10-07 11:00:00", "q13", 90, 60),
    // q21: three good sheets, then 55: 要加油.
    sheet("2024-10-01 12:00:00", "q21", 100, 40), sheet("2024-10-02 12:00:00", "q21", 100, 40),
    sheet("2024-10-03 12:00:00", "q21", 100, 40), sheet("2024-10-04 12:00:00", "q21", 55, 40),
    // q22: only two sheets: 练过.
    sheet("2024-10-01 13:00:00", "q22", 100, 40), sheet("2024-10-02 13:00:00", "q22", 100, 40),
    // q23: one of the last three is 89: 练过.
    sheet("2024-10-01 14:00:00", "q23", 90, 40), sheet("2024-10-02 14:00:00", "q23", 89, 40),
    sheet("2024-10-03 14:00:00", "q23", 100, 40),
    // q31: last sheet exactly 60: not 要加油.
    sheet("2024-10-01 15:00:00", "q31", 30, 40), sheet("2024-10-02 15:00:00", "q31", 60, 40),
    // q41: 20 questions in 200 s and 10 in 50 s and 10 in 60 s… the median is of
    // the sheets' own paces (10, 5, 6 → 6); the last three together take
    // 310 / 40 = 7.75 > 7.5: 练过.
    sheet("2024-10-01 16:00:00", "q41", 100, 200, 20), sheet("2024-10-02 16:00:00", "q41", 100, 50),
    sheet("2024-10-03 16:00:00", "q41", 100, 60),
    // Not topics: the daily practice, a sheet without questions.
    sheet("2024-10-05 19:00:00", "practice", 10, 600, 20), sheet("2024-10-05 19:30:00", "q99", 0, 0, 0),
};

std::vector<SheetRow> mixedUp() {
    std::vector<SheetRow> rows(kRecord.rbegin(), kRecord.rend());
    std::swap(rows[3], rows[17]);
    std::swap(rows[5], rows[20]);
    return rows;
}

TEST(Mastery, EachPractisedTopicIsPractisedFluentOrNeedsWork) {
    const auto states = topicMastery(mixedUp());
    const std::map<std::string, std::string> expected = {{"q11", "熟练"}, {"q13", "练过"}, {"q21", "要加油"},
                                                         {"q22", "练过"}, {"q23", "练过"}, {"q31", "练过"},
                                                         {"q41", "练过"}};
    std::map<std::string, std::string> shown;
    for (const auto& [key, mastery] : states) shown[key] = masteryCaption(mastery.state);
    EXPECT_EQ(shown, expected);
    EXPECT_DOUBLE_EQ(states.at("q11").usualSecondsPerQuestion, 4.75);
    EXPECT_DOUBLE_EQ(states.at("q41").usualSecondsPerQuestion, 6.0);
    // A tab asks only for its own topics; q77 was never practised.
    const auto tab = topicMastery(mixedUp(), {"q11", "q21", "q77"});
    ASSERT_EQ(tab.size(), 2u);
    EXPECT_EQ(tab.at("q21").state, Mastery::NeedsWork);
}

}  // namespace
}  // namespace tally
