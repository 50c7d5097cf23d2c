// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/slow_facts.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <span>
#include <tuple>

#include "practice/fact_fluency.h"
#include "practice/practice_rows.h"

namespace tally {
namespace {

bool sameFact(const TimedAnswer& a, const TimedAnswer& b) {
    return a.answer.topicKey == b.answer.topicKey && a.answer.question == b.answer.question;
}

// How slow the newest (right) answer was: one without a time above every time.
long long slowness(const AnswerTime& newest) { return newest.ms.value_or(std::numeric_limits<long long>::max()); }

bool fluentToday(std::span<const TimedAnswer> oldestFirst, const std::string& today) {
    if (oldestFirst.back().when.substr(0, 10) != today) return false;
    std::vector<AnswerTime> newestFirst;
    for (auto at = oldestFirst.rbegin(); at != oldestFirst.rend() && newestFirst.size() < kShakyWithin; ++at) {
        newestFirst.push_back(at->answer);
    }
    return factState(newestFirst) == FactState::fluent;
}

}  // namespace

std::vector<SlowFact> slowFacts(std::vector<TimedAnswer> answers, Day today) {
    const std::string todayText = dayText(today);
    std::vector<SlowFact> slow;
    for (auto from = answers.begin(); from != answers.end();) {
        const auto to = std::find_if(from + 1, answers.end(), [&](const TimedAnswer& a) { return !sameFact(a, *from); });
        const std::vector<TimedAnswer> ofFact(std::make_move_iterator(from), std::make_move_iterator(to));
        // A fact missed last is the misses' review's, on the day it falls due.
        if (ofFact.back().answer.right && fluentDays(ofFact) < kFluentDaysToLeave && !fluentToday(ofFact, todayText)) {
            const TimedAnswer& newest = ofFact.back();
            slow.push_back({newest.answer.topicKey, newest.answer.question, newest.answer});
        }
        from = to;
    }
    std::stable_sort(slow.begin(), slow.end(), [](const SlowFact& a, const SlowFact& b) {
        return std::make_tuple(-slowness(a.newest), std::cref(a.topicKey), std::cref(a.question)) <
               std::make_tuple(-slowness(b.newest), std::cref(b.topicKey), std::cref(b.question));
    });
    return slow;
}

}  // namespace tally
