// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "practice/practice_rows.h"

namespace tally {

// The sheets of one topic, oldest first (by `when`; sheets of the same time
// in the order they were given).
struct TopicSheets {
    std::string topicKey;
    std::string caption;  // as its newest sheet names it
    std::vector<const SheetRow*> sheets;
};

// The rows of each topic, in the order the topics were first met. Skipped:
// the mixed sheets (the daily practice, the re-drill), sheets without
// questions and sheets whose date cannot be read. With `only`, just the
// topics it names. The rows must outlive the answer.
std::vector<TopicSheets> sheetsByTopic(const std::vector<SheetRow>& sheets,
                                       const std::unordered_set<std::string>* only = nullptr);

// Seconds per question of a sheet (a sheet without questions counts none).
double secondsPerQuestion(const SheetRow& sheet);

}  // namespace tally
