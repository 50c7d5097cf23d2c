// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "base/ports.h"
#include "topics/topic_family.h"
#include "topics/tree_model.h"

namespace tally {

struct Tab {
    std::string key;
    std::string caption;
};

// The sixteen tabs of the strip, in order.
const std::vector<Tab>& tabs();

// Rebuilds the tree for the tab with this caption from the families' topics
// on it (an unknown caption leaves it empty), every section root open.
void buildTab(TreeModel& tree, const FamilyTable& families, const std::string& caption, const DataDirectory& data);

// The tree shown at start: the first tab, every node with children expanded,
// its first node selected.
void buildStartupTree(TreeModel& tree, const FamilyTable& families);

// The node with this key on any tab as it stands before anything is read
// from the data directory; keys are unique across the tabs.
std::optional<TopicNode> findFixedTopic(const FamilyTable& families, const std::string& key);

}  // namespace tally
