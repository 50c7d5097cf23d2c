// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "shell/ports.h"
#include "shell/tree_model.h"

namespace tally {

struct Tab {
    std::string key;
    std::string caption;
};

// The fifteen tabs of the strip, in order.
const std::vector<Tab>& tabs();

// Rebuilds the tree for the tab with this caption (an unknown caption leaves
// it empty). Lesson, book and story lists are read from the data directory;
// a missing file or folder leaves its node without children.
void buildTab(TreeModel& tree, const std::string& caption, const DataDirectory& data);

// The tree shown at start: the first tab with the short division captions,
// every node with children expanded, q1 selected.
void buildStartupTree(TreeModel& tree);

// The node with this key in any tab's fixed table (the nodes read from the
// data directory are not among them); keys are unique across the fixed tables.
std::optional<TopicNode> findFixedTopic(const std::string& key);

}  // namespace tally
