// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <vector>

#include "daily/today_practice.h"

namespace tally {

// How many new questions follow a miss of a kind of error at most (举一反三).
inline constexpr int kSimilarPerMiss = 2;

// The misses, each miss of a kind followed by new questions of its own
// topic, drawn by that topic's generator, where the same mistake can happen
// (a carry after 忘了进位…): one after each such miss first, then a second,
// while the sheet has room under `count`. No text twice on the sheet.
std::vector<MissedQuestion> withSimilarQuestions(const std::vector<MissedQuestion>& misses, int count,
                                                 TopicQuestionSource& source, std::uint64_t seed);

// Today's practice with 举一反三 after each due miss whose error had a kind
// (told again from its latest typed answer in `due`): the new questions take
// the places of the last new questions of the plan, so the count stays.
void addSimilarQuestions(std::vector<TodayQuestion>& questions, const std::vector<ReviewItem>& due,
                         TopicQuestionSource& source, std::uint64_t seed);

}  // namespace tally
