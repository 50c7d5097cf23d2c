// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/knowledge_items.h"

#include "base/gbk.h"
#include "base/text.h"

namespace tally {
namespace {

std::optional<KnowledgeItem> itemOfLine(const std::string& line, int position) {
    const std::size_t close = line.find(']');
    if (close == std::string::npos) return std::nullopt;
    // The term runs from after the line's first character (its "[") to the "]".
    const std::string term = close == 0 ? std::string() : line.substr(1, close - 1);
    return KnowledgeItem{position, term, line.substr(close + 1)};
}

}  // namespace

std::vector<KnowledgeItem> knowledgeItems(const std::string& text) {
    const std::vector<std::string> lines = splitLines(text);
    std::vector<KnowledgeItem> items;
    for (std::size_t i = 0; i < lines.size() && i < kMostChildren; ++i) {
        if (auto item = itemOfLine(lines[i], static_cast<int>(i) + 1)) items.push_back(*item);
    }
    return items;
}

std::optional<KnowledgeItem> knowledgeItemAt(const std::string& text, int index) {
    const std::vector<std::string> lines = splitLines(text);
    if (index < 0 || index >= static_cast<int>(lines.size())) return std::nullopt;
    return itemOfLine(lines[static_cast<std::size_t>(index)], index + 1);
}

std::string knowledgePage(const std::string& caption, const std::string& definition) {
    return "<h1>" + caption + "</h1><h2><br>&nbsp;&nbsp;&nbsp;&nbsp;" + definition + "</h2>";
}

std::string childNumber(int position) {
    const std::string digits = std::to_string(position);
    return std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
}

}  // namespace tally
