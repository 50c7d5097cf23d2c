// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace tally {

// One node of the topic tree as its family declares it. A node without a
// parent is a section root: it shows the folder picture and opens at once.
struct TopicRow {
    std::string key;
    std::string caption;
    std::string tag;
    std::string parent;
    // A folder below the root, shown with the root's picture.
    bool folder = false;
};

// A family's nodes on one tab, in the order the tree shows them. A section
// placed `after` a node of another family's section goes right behind that
// node (behind the sections placed there before it); the others follow each
// other in the families' order.
struct TopicSection {
    std::vector<TopicRow> rows;
    std::string after{};
};

using TopicSections = std::vector<TopicSection>;

// Keys of nodes read from the data directory hold three digits for a line
// or a page, so at most 999 of them.
inline constexpr std::size_t kMaxNumberedRows = 999;

// A caption is one line of the tree: no line breaks, no tabs.
std::string oneLineCaption(std::string text);

}  // namespace tally
