// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/fact_fluency.h"

#include <gtest/gtest.h>

#include "practice/practice_rows.h"
#include "practice/slow_facts.h"

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

const Day kToday = parseDay("2026-10-15").value();

// One fact's answers oldest first: "2026-10-14 R1500" right in 1.5 s on that
// day, "W" wrong, "R-" right with no time.
std::vector<TimedAnswer> fact(const std::string& question, std::initializer_list<const char*> marks) {
    std::vector<TimedAnswer> found;
    for (std::string mark : marks) {
        AnswerTime a{"answer1", "k1101", question};
        const std::string how = mark.substr(11);
        a.right = how[0] == 'R';
        if (how.size() > 1 && how.substr(1) != "-") a.ms = std::stoll(how.substr(1));
        found.push_back({mark.substr(0, 10) + " 09:00:00", a});
    }
    return found;
}

TEST(SlowFacts, SlowestFirstUntilFluentOnTwoDays) {
    std::vector<TimedAnswer> answers;
    for (const auto& one : {
             fact("1＋1＝", {"2026-10-13 R9000"}),                                      // slow
             fact("1＋2＝", {"2026-10-13 R1000", "2026-10-13 R1000", "2026-10-14 R900", "2026-10-14 R900"}),  // two days: gone
             fact("1＋3＝", {"2026-10-13 R1000", "2026-10-13 W"}),                      // a miss: the misses' review's
             fact("1＋9＝", {"2026-10-13 W", "2026-10-14 R1000"}),                      // right once after a miss
             fact("1＋4＝", {"2026-10-13 R1000", "2026-10-13 R1000", "2026-10-14 R5000"}),  // fluent one day, slow now
             fact("1＋5＝", {"2026-10-15 R1000", "2026-10-15 R2000"}),                  // fluent today: tomorrow
             fact("1＋6＝", {"2026-10-14 R-"}),                                         // right, no time
             fact("1＋7＝", {"2026-10-14 R1000"}),                                      // quick once
             fact("1＋8＝", {"2026-10-14 R9000"}),                                      // as slow as 1＋1
         }) {
        answers.insert(answers.end(), one.begin(), one.end());
    }
    std::vector<std::string> order;
    for (const SlowFact& slow : slowFacts(answers, kToday)) order.push_back(slow.question);
    EXPECT_EQ(order, (std::vector<std::string>{"1＋6＝", "1＋1＝", "1＋8＝", "1＋4＝", "1＋7＝", "1＋9＝"}));
}

}  // namespace
}  // namespace tally
