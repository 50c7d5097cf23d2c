// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/fact_fluency.h"

#include <algorithm>

namespace tally {
namespace {

bool quickAndRight(const AnswerTime& answer) { return answer.right && answer.ms && *answer.ms <= kFluentMs; }

}  // namespace

FactState factState(const std::vector<AnswerTime>& newestFirst) {
    if (newestFirst.empty()) return FactState::untried;
    if (newestFirst.size() >= 2 && quickAndRight(newestFirst[0]) && quickAndRight(newestFirst[1])) {
        return FactState::fluent;
    }
    const auto lastFew = newestFirst.begin() + std::min<std::ptrdiff_t>(kShakyWithin, std::ssize(newestFirst));
    if (std::any_of(newestFirst.begin(), lastFew, [](const AnswerTime& a) { return !a.right; })) {
        return FactState::shaky;
    }
    return FactState::known;
}

const char* factStateCaption(FactState state) {
    switch (state) {
        case FactState::fluent: return "熟练";
        case FactState::known: return "会";
        case FactState::shaky: return "要加油";
        case FactState::untried: return "没做过";
    }
    return "没做过";
}

int fluentDays(const std::vector<TimedAnswer>& oldestFirst) {
    int days = 0;
    std::vector<AnswerTime> newestFirst;
    for (std::size_t i = 0; i < oldestFirst.size(); ++i) {
        newestFirst.insert(newestFirst.begin(), oldestFirst[i].answer);
        // The state reads the last few answers only: a long history stays linear.
        if (newestFirst.size() > static_cast<std::size_t>(kShakyWithin)) newestFirst.pop_back();
        const std::string day = oldestFirst[i].when.substr(0, 10);
        const bool dayEnds = i + 1 == oldestFirst.size() || oldestFirst[i + 1].when.substr(0, 10) != day;
        if (dayEnds && factState(newestFirst) == FactState::fluent) ++days;
    }
    return days;
}

}  // namespace tally
