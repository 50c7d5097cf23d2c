// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

namespace tally {

// Small pieces the practice's pages are built from. Text from the record
// (captions, questions) always goes through escaped() or htmlAttr().
std::string escaped(const std::string& text);
std::string htmlAttr(const std::string& name, const std::string& value);
// <tag attributes>content</tag>; `content` is HTML already.
std::string element(const std::string& tag, const std::string& content, const std::string& attributes = "");
// A table row of text cells.
std::string textRow(const std::vector<std::string>& cells, const std::string& cellTag = "td");
// A question as the record keeps it, on one line: the lines of a column sum
// joined by "／".
std::string questionOnOneLine(const std::string& question);

}  // namespace tally
