// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

namespace tally {

// Splits at every LF, dropping the CR of a CR LF; the text after the last line
// end is the last line. Reads files saved with either line end alike.
std::vector<std::string> splitLines(const std::string& text);
// Replaces every occurrence of `from` by `to`, in one pass over the text.
std::string replaceAll(const std::string& text, const std::string& from, const std::string& to);
// A built-in text with its CR LF line ends written as `lineBreak` ("<br>").
std::string withLineBreaks(const std::string& text, const std::string& lineBreak);

// Whether a topic number lies in [low, high].
constexpr bool between(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace tally
