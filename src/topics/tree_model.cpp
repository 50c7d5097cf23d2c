// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/tree_model.h"

#include <algorithm>

namespace tally {

void TreeModel::clear() {
    nodes_.clear();
    selectedKey_.clear();
}

bool TreeModel::add(TopicNode node) {
    if (node.key.empty() || find(node.key)) return false;
    if (!node.parent.empty() && !find(node.parent)) return false;
    nodes_.push_back(std::move(node));
    return true;
}

void TreeModel::expand(const std::string& key) {
    for (auto& node : nodes_) {
        if (node.key == key) node.expanded = true;
    }
}

void TreeModel::setBadge(const std::string& key, const NodeBadge& badge) {
    for (auto& node : nodes_) {
        if (node.key == key) node.badge = badge;
    }
}

void TreeModel::clearBadges() {
    for (auto& node : nodes_) node.badge = {};
}

void TreeModel::select(const std::string& key) {
    if (find(key)) selectedKey_ = key;
}

const TopicNode* TreeModel::find(const std::string& key) const {
    auto it = std::find_if(nodes_.begin(), nodes_.end(),
                           [&](const TopicNode& node) { return node.key == key; });
    return it == nodes_.end() ? nullptr : &*it;
}

bool TreeModel::hasChildren(const std::string& key) const {
    return std::any_of(nodes_.begin(), nodes_.end(),
                       [&](const TopicNode& node) { return node.parent == key; });
}

int TreeModel::depth(const std::string& key) const {
    int depth = 0;
    for (const TopicNode* node = find(key); node && !node->parent.empty(); node = find(node->parent)) {
        ++depth;
    }
    return depth;
}

}  // namespace tally
