// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <vector>

#include "daily/record_rows.h"
#include "practice/waiting_misses.h"

namespace tally {

// How many of the child's misses wait for review (see waitingSentence()),
// from the review schedule as dueMisses() reads it; nothing when the record
// cannot be read.
std::optional<int> waitingMisses(ProgressRecord& record, long long childId, ReviewCopy copy = ReviewCopy::CatchUp);

// The child's misses of `from` … `today` still waiting, with the day each
// comes back (missesWaitingSince()); nothing when the record cannot be read.
std::optional<std::vector<ReviewItem>> missesOfDaysWaiting(ProgressRecord& record, long long childId, Day from,
                                                           Day today);

}  // namespace tally
