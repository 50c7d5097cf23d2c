// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "practice/review_schedule.h"
#include "progress/progress_record.h"

namespace tally {

// The child's slow facts of these topics (those that are skills; see
// slowFacts), the slowest first, each as its skill's question of that text,
// at most `limit`; the due misses are asked as misses and left out here.
// Nothing when the record cannot be read.
std::optional<std::vector<MissedQuestion>> readSlowQuestions(ProgressRecord& record, long long childId,
                                                             const std::vector<std::string>& topicKeys, Day today,
                                                             const std::vector<ReviewItem>& due, std::size_t limit);

}  // namespace tally
