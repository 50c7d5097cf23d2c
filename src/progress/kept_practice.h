// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "progress/record_values.h"

namespace tally {

// A daily practice sheet left before it was handed in: its questions as they
// were asked and what had been typed, kept for the day it was drawn, so the
// child takes it up again that day.
struct KeptQuestion {
    int source = 0;            // where the plan took it from, as the plan numbers it
    MissedQuestion question;   // typed empty
    bool operator==(const KeptQuestion&) const = default;
};

struct KeptPractice {
    std::string day;  // "YYYY-MM-DD"
    std::vector<KeptQuestion> questions;
    std::vector<std::pair<std::string, std::string>> typed;  // a field's name and what it holds
    bool operator==(const KeptPractice&) const = default;
};

}  // namespace tally
