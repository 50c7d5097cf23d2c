// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <limits>
#include <string>
#include <vector>

#include "practice/review_schedule.h"

namespace tally {

// A miss waits for review from the day it is missed until it is learned
// (four right answers in a row, each when it was due), whether it is due
// today or later. Every page that speaks of the misses waiting counts these:
// every question of the schedule is due by kEveryDueDay.
inline constexpr Day kEveryDueDay = std::numeric_limits<Day>::max();

// The one sentence every page writes of them.
std::string waitingSentence(int waiting);
// That sentence as a paragraph, with the count for a script to read
// (class "waiting", data-waiting).
std::string waitingParagraph(int waiting);

// The questions missed from `from` to `today` that are still waiting, each
// once, with the day it comes back: the soonest first, then by topic and
// question. From the history in the order the record stored its sheets, as
// the schedule takes it.
std::vector<ReviewItem> missesWaitingSince(const std::vector<ReviewEvent>& history, Day from, Day today);

}  // namespace tally
