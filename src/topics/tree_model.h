// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

namespace tally {

// How a node's mark reads at a glance: the window gives each its own colour
// and shape, so the mark needs no room for its word.
enum class BadgeTone { Plain, Good, Effort };

// A small mark beside a node's caption; its word is said when asked (a tooltip).
struct NodeBadge {
    std::string word;  // "" for no mark
    BadgeTone tone = BadgeTone::Plain;

    bool empty() const { return word.empty(); }
    bool operator==(const NodeBadge&) const = default;
};

// One catalogue entry as the tree shows it.
struct TopicNode {
    std::string key;
    std::string caption;
    std::string tag;  // TopicTag: family sigil + parameter
    std::string parent;
    int image = 1;
    int selectedImage = 2;
    bool expanded = false;
    // How well a practised topic sits; the caption itself never changes.
    NodeBadge badge{};
};

// The topic tree: nodes in the order they were added, one selected node.
class TreeModel {
public:
    void clear();
    // Adds a node; a key already in the tree or an unknown parent adds nothing.
    bool add(TopicNode node);
    void expand(const std::string& key);
    void select(const std::string& key);
    // Sets the mark beside a node's caption (an empty one takes it away).
    void setBadge(const std::string& key, const NodeBadge& badge);
    void clearBadges();

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
