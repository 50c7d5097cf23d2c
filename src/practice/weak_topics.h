// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "practice/practice_rows.h"

namespace tally {

// How a topic's recent practice is weighed: its last five sheets, the newest
// counting five times, the one before four times, and so on down to one. Its
// answers on the daily practice count as sheets (see sheetsByTopic()) by
// their score; having no time of their own, they leave the time out.
inline constexpr int kRecentSheetWeights[] = {5, 4, 3, 2, 1};
// A topic is weak when its weighted recent score is below this…
inline constexpr int kWeakScore = 90;
// …or when it takes at least this many times the child's own average
// seconds per question (over all the child's topics).
inline constexpr double kSlowFactor = 1.5;

struct WeakTopic {
    std::string topicKey;
    std::string caption;
    double recentScore = 0;         // weighted, 0…100
    double secondsPerQuestion = 0;  // weighted the same way: Σw·seconds / Σw·questions; 0 untimed
    double slowness = 0;            // secondsPerQuestion / the child's average
    int sheets = 0;                 // how many sheets the topic has in all, the gathered shares too
    bool lowScore = false;          // weak by its score (else by its time)

    bool operator==(const WeakTopic&) const = default;
};

// The child's weak topics, the weakest first: the lowest weighted score (to a
// tenth of a point), then the slowest, then by key. At most `limit` (all
// when negative).
std::vector<WeakTopic> weakTopics(const std::vector<SheetRow>& sheets, int limit = -1);

}  // namespace tally
