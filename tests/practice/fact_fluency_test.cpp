// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/fact_fluency.h"

#include <gtest/gtest.h>

namespace tally {
namespace {

// "R1500" right in 1.5 s, "W800" wrong, "R-" right with no time; newest first.
std::vector<AnswerTime> answers(std::initializer_list<const char*> marks) {
    std::vector<AnswerTime> found;
    for (std::string mark : marks) {
        AnswerTime a{"answer1"};
        a.right = mark[0] == 'R';
        if (mark.substr(1) != "-") a.ms = std::stoll(mark.substr(1));
        found.push_back(a);
    }
    return found;
}

TEST(FactFluency, StateFromTheLastAnswers) {
    const struct {
        std::vector<AnswerTime> newestFirst;
        FactState state;
    } cases[] = {
        {{}, FactState::untried},
        {answers({"R1000"}), FactState::known},
        {answers({"R1000", "R3000"}), FactState::fluent},
        {answers({"R1000", "R3001"}), FactState::known},
        {answers({"R1000", "R-"}), FactState::known},
        {answers({"R1000", "R1000", "W900"}), FactState::fluent},
        {answers({"R1000", "W900", "R1000"}), FactState::shaky},
        {answers({"R9000", "R9000", "W900"}), FactState::shaky},
        {answers({"R9000", "R9000", "R9000", "W900"}), FactState::known},
        {answers({"W500"}), FactState::shaky},
    };
    for (const auto& c : cases) EXPECT_EQ(factState(c.newestFirst), c.state) << c.newestFirst.size();
}

TEST(FactFluency, FluentDaysCountEachDayOnceAtItsEnd) {
    auto on = [](const char* day, const char* mark) {
        return TimedAnswer{std::string(day) + " 10:00:00", answers({mark})[0]};
    };
    // Day 1 ends fluent, day 2 ends shaky, day 3 fluent again only after two quick answers.
    const std::vector<TimedAnswer> oldestFirst = {
        on("2026-12-01", "R900"), on("2026-12-01", "R900"), on("2026-12-01", "R900"),
        on("2026-12-02", "R900"), on("2026-12-02", "W900"),
        on("2026-12-03", "R900"), on("2026-12-03", "R900")};
    EXPECT_EQ(fluentDays(oldestFirst), 2);
    EXPECT_EQ(fluentDays({}), 0);
}

}  // namespace
}  // namespace tally
