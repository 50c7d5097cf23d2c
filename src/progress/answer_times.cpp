// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/answer_times.h"

#include <algorithm>
#include <utility>

namespace tally {

std::vector<AnswerTime> answerTimes(const AnswerLog& log) {
    std::vector<AnswerTime> times;
    std::vector<std::pair<long long, std::size_t>> changedAt;  // last change, answer
    for (const AnswerLog::Answer& answer : log.answers()) {
        const long long last = log.lastChange(answer.fields);
        if (answer.answered && last >= 0) changedAt.emplace_back(last, times.size());
        times.push_back({answer.fields.empty() ? "" : answer.fields.front(), answer.topicKey, answer.question,
                         answer.right, std::nullopt});
    }
    std::stable_sort(changedAt.begin(), changedAt.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    long long previous = 0;
    for (const auto& [last, at] : changedAt) {
        times[at].ms = last - previous;
        previous = last;
    }
    return times;
}

}  // namespace tally
