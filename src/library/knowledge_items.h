// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace tally {

// A knowledge text holds one item a line, "[" term "]" definition. A line's
// position is its line number counted from 1, so a blank line leaves a gap in
// the numbering of the items after it.
struct KnowledgeItem {
    int position = 0;
    std::string term;
    std::string definition;
};

// The most items a topic can show: child numbers have three digits.
inline constexpr int kMostChildren = 999;

// Every line that holds "]", up to position 999.
std::vector<KnowledgeItem> knowledgeItems(const std::string& text);

// The item of the line at `index` (counted from 0), if that line holds "]".
std::optional<KnowledgeItem> knowledgeItemAt(const std::string& text, int index);

// "<h1>" caption "</h1><h2><br>&nbsp;&nbsp;&nbsp;&nbsp;" definition "</h2>"
std::string knowledgePage(const std::string& caption, const std::string& definition);

// The three digits a child node's key and tag end with: "001", "010", "100".
std::string childNumber(int position);

}  // namespace tally
