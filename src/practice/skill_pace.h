// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "practice/practice_rows.h"
#include "progress/record_values.h"

namespace tally {

// A week's timed answers of one topic: how many, and the milliseconds they took.
struct WeekPace {
    int answers = 0;
    long long ms = 0;

    // Questions per minute; 0 without a timed answer.
    double perMinute() const;
    bool operator==(const WeekPace&) const = default;
};

// One topic's pace this week (today and the six days before) and the week
// before, from the answers' own times, so its questions on the daily
// practice count for it too. An answer without a time is left out.
struct SkillPace {
    std::string topicKey;
    std::string caption;
    WeekPace thisWeek;
    WeekPace lastWeek;

    bool operator==(const SkillPace&) const = default;
};

// The paces of every topic answered with times in the two weeks before and
// through `today`; the most answers this week first, then last week's, then
// key. Captions come from the sheet rows (the newest naming the topic).
std::vector<SkillPace> skillPaces(const std::vector<TimedAnswer>& answers, const std::vector<SheetRow>& sheets,
                                  Day today);

}  // namespace tally
