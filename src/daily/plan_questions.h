// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <vector>

#include "daily/today_practice.h"

namespace tally {

// The plan's questions, each drawn by its own topic's generator, no text
// twice on the sheet. A planned question that cannot be had (a new one equal
// to a review question, a topic with too few) is filled from the plan's
// topics drawn again, then from the due misses and slow facts the plan left out, then from
// the input's other drills: the sheet is shorter than the plan only when
// nothing at all is left to draw. The same plan, input, seed and source give
// the same questions.
std::vector<TodayQuestion> planQuestions(const std::vector<PlanItem>& plan, const PlanInput& input,
                                         TopicQuestionSource& source, std::uint64_t seed);

}  // namespace tally
