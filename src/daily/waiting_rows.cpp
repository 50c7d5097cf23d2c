// SPDX-License-Identifier: GPL-3.0-or-later
#include "daily/waiting_rows.h"

namespace tally {

std::optional<int> waitingMisses(ProgressRecord& record, long long childId, ReviewCopy copy) {
    int waiting = 0;
    if (!dueMisses(record, childId, kEveryDueDay, DueQuery{0}, &waiting, copy)) return std::nullopt;
    return waiting;
}

std::optional<std::vector<ReviewItem>> missesOfDaysWaiting(ProgressRecord& record, long long childId, Day from,
                                                           Day today) {
    std::vector<ReviewEvent> history;
    for (DatedAnswer& answer : record.answerHistory(childId)) {
        history.push_back({std::move(answer.when), std::move(answer.question), answer.right});
    }
    if (record.trouble() != RecordTrouble::None) return std::nullopt;
    return missesWaitingSince(history, from, today);
}

}  // namespace tally
