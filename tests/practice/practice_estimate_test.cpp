// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "practice/practice_estimate.h"

namespace tally {
namespace {

SheetRow timed(const std::string& key, int questions, int seconds) {
    return {"2026-10-12 09:00:00", key, key, questions, questions, 100, seconds};
}

std::vector<std::string> times(int count, const std::string& key) { return std::vector<std::string>(count, key); }

std::vector<std::string> joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The minutes are worked out by hand from each case's seconds per question.
TEST(PracticeEstimate, EachQuestionTakesItsTopicsUsualTimeThenThePracticesThenTheGrades) {
    const std::vector<SheetRow> ownTimes = {timed("q11", 10, 50), timed("q11", 10, 100), timed("q11", 10, 3000),
                                            timed(kPracticeKey, 20, 400)};
    const struct {
        const char* what;
        std::vector<std::string> topics;
        std::vector<SheetRow> sheets;
        int grade;
        int minutes;
    } cases[] = {
        {"no times, 一年级: 20 × 15 s", times(20, "q11"), {}, 1, 5},
        {"no times, 六年级: 20 × 45 s", times(20, "q11"), {}, 6, 15},
        {"a sheet left open does not count: median 10 s", times(20, "q11"), ownTimes, 6, 4},
        {"a topic of no sheet takes the practice's 20 s", times(10, "q13"), ownTimes, 1, 4},
        {"mixed: 10 × 10 s + 10 × 20 s", joined(times(10, "q11"), times(10, "q13")), ownTimes, 1, 5},
        {"untimed sheets count none", times(20, "q11"), {timed("q11", 10, 0)}, 2, 7},
        {"at least a minute", times(1, "q11"), ownTimes, 1, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(estimatedMinutes(c.topics, c.sheets, c.grade), c.minutes) << c.what;
    }
}

}  // namespace
}  // namespace tally
