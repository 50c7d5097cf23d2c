// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <deque>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "practice/practice_rows.h"

namespace tally {

// A topic's answers on the daily practice weigh as sheets of at least this
// many: the shortest sheet a child can choose.
inline constexpr int kShareSheetQuestions = 10;

// The sheets of one topic, oldest first (by `when`; sheets of the same time
// in the order they were given).
struct TopicSheets {
    std::string topicKey;
    std::string caption;  // as its newest sheet names it
    std::vector<const SheetRow*> sheets;
    // The topic's shares of the daily practice, gathered into sheets: from
    // the newest back, each of at least kShareSheetQuestions answers and at
    // the time of its newest share; the oldest answers left over join the
    // oldest of them. Untimed (SheetRow::share).
    std::deque<SheetRow> gathered;
};

// The rows of each topic, in the order the topics were first met. Skipped:
// the mixed sheets (the daily practice, the re-drill), sheets without
// questions and sheets whose date cannot be read. With `only`, just the
// topics it names. The rows must outlive the answer.
std::vector<TopicSheets> sheetsByTopic(const std::vector<SheetRow>& sheets,
                                       const std::unordered_set<std::string>* only = nullptr);

// Seconds per question of a sheet (a sheet without questions counts none).
double secondsPerQuestion(const SheetRow& sheet);
// The median of some seconds per question (not empty): one sheet left open
// over dinner does not move it.
double medianSeconds(std::vector<double> values);

}  // namespace tally
