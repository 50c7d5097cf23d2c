// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "base/ports.h"
#include "progress/record_values.h"

namespace tally {

// A fact the child has answered but does not yet know quickly: it comes back
// in today's practice until it has stood 熟练 on two different days.
struct SlowFact {
    std::string topicKey;
    std::string question;
    AnswerTime newest;  // its newest answer

    bool operator==(const SlowFact&) const = default;
};

inline constexpr int kFluentDaysToLeave = 2;

// The slow facts among `answers` (question by question, each question's
// answers oldest first, as ProgressRecord::topicAnswers gives them), the
// slowest first: a newest answer without a time, then by its time, longest
// first; equal ones by topic and text. A fact whose newest answer was wrong
// is left to the misses' review, and one that stands 熟练 after today's
// answers waits for another day.
std::vector<SlowFact> slowFacts(std::vector<TimedAnswer> answers, Day today);

}  // namespace tally
