// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

namespace tally {

// One catalogue entry as the tree shows it.
struct TopicNode {
    std::string key;
    std::string caption;
    std::string tag;  // TopicTag: family sigil + parameter
    std::string parent;
    int image = 1;
    int selectedImage = 2;
    bool expanded = false;
    // A small mark shown beside the caption (how well a practised topic
    // sits); the caption itself never changes.
    std::string badge{};
};

// The topic tree: nodes in the order they were added, one selected node.
class TreeModel {
public:
    void clear();
    // Adds a node; a key already in the tree or an unknown parent adds nothing.
    bool add(TopicNode node);
    void expand(const std::string& key);
    void select(const std::string& key);
    // Sets the mark beside a node's caption ("" takes it away).
    void setBadge(const std::string& key, const std::string& badge);

    const std::vector<TopicNode>& nodes() const { return nodes_; }
    const TopicNode* find(const std::string& key) const;
    const TopicNode* selected() const { return find(selectedKey_); }
    const std::string& selectedKey() const { return selectedKey_; }
    bool hasChildren(const std::string& key) const;
    int depth(const std::string& key) const;

private:
    std::vector<TopicNode> nodes_;
    std::string selectedKey_;
};

}  // namespace tally
