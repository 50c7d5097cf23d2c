// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "window/children_dialog.h"
#include "base/ports.h"

namespace tally {

// The words of a command line as the headless commands read them.

// The first word and the rest of the line.
std::pair<std::string, std::string> splitFirst(const std::string& line);
// The page on one line: line breaks become blanks.
std::string oneLine(std::string html);
const char* paneName(Pane pane);
// "Timer5" -> 5, "UpDown2" -> 2; 0 when the name is not of that family.
int numbered(const std::string& name, const std::string& stem, int count);
// The most ticks one "tick" command runs.
inline constexpr int kMaxTicks = 100000;
// A tick count: digits only, at most kMaxTicks, 1 when empty; nothing for anything else.
std::optional<int> tickCount(const std::string& text);
// The longest one "wait" lets pass: a day.
inline constexpr long long kMaxWaitMs = 86400000;
// Milliseconds to wait: digits only, at most kMaxWaitMs; nothing for anything else.
std::optional<long long> waitMilliseconds(const std::string& text);
// The id of the child of that name in the dialog.
std::optional<long long> idOf(const ChildrenDialog& dialog, const std::string& name);
// Scripts written before a caption's typo was mended keep working.
std::string currentTabCaption(const std::string& caption);
// "NAME GRADE": the grade is the last word, the name all before it; a grade
// that is none is 0, which the record refuses with its reason.
std::optional<std::pair<std::string, int>> nameAndGrade(const std::string& args);

// The index of `word` among the choices, -1 for "-" (keep it), -2 for none.
template <std::size_t N>
int choiceIndex(const std::string& word, const std::array<int, N>& values) {
    if (word == "-") return -1;
    for (std::size_t i = 0; i < N; ++i) {
        if (word == std::to_string(values[i])) return static_cast<int>(i);
    }
    return -2;
}

// The change a "child" command line asks of the 孩子 dialog: add NAME GRADE,
// rename OLD NEW, grade NAME GRADE, remove NAME, give NAME, marks on|off;
// none for a line that is none of these.
using ChildrenAction = std::function<std::string(ChildrenDialog&)>;
ChildrenAction childrenAction(const std::string& args);

}  // namespace tally
