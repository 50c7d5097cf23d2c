// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "practice/mastery.h"
#include "progress/progress_record.h"
#include "topics/tree_model.h"

namespace tally {

// A practised topic of the tree and how well it sits.
struct NodeMastery {
    std::string key;
    std::string caption;
    TopicMastery mastery;
};

// The practised topics among the tree's nodes, in the tree's order, from the
// record's sheets of those topics.
std::vector<NodeMastery> treeMastery(const TreeModel& tree, ProgressRecord& record, long long childId);

// The mark of a topic in this state: its word and how it is drawn.
NodeBadge masteryBadge(Mastery state);

// Marks each practised topic of the tree with 练过, 熟练 or 要加油; the other
// nodes keep no mark.
void setMasteryBadges(TreeModel& tree, ProgressRecord& record, long long childId);

}  // namespace tally
