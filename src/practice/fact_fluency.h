// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "progress/record_values.h"

namespace tally {

// How well a child knows one fact (8＋5, 7×8), from its last answers.
enum class FactState {
    untried,  // 没做过: never answered
    shaky,    // 要加油: a wrong answer among the last three
    known,    // 会: answered right, but not yet quickly twice in a row
    fluent,   // 熟练: the last two answers right, each within kFluentMs
};

// Quick enough to be known by heart rather than counted out. An answer with
// no time (taken up from a kept sheet) is never quick.
inline constexpr long long kFluentMs = 3000;
// A wrong answer keeps the fact 要加油 until this many answers have passed.
inline constexpr int kShakyWithin = 3;

// The fact's state from its answers, newest first. Two quick right answers
// in a row outweigh an older miss: the child has it now.
FactState factState(const std::vector<AnswerTime>& newestFirst);
// 熟练, 会, 要加油, 没做过.
const char* factStateCaption(FactState state);

// On how many different days the fact stood 熟练 after that day's answers,
// given every answer oldest first with its sheet's "YYYY-MM-DD HH:MM:SS".
int fluentDays(const std::vector<TimedAnswer>& oldestFirst);

}  // namespace tally
