// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace tally {

// A titled-entry text is a run of entries "【" title "】" question "答案="
// answer; the text before the first "【" counts as entry 0. An entry's
// position is its index + 1, so the first real entry has position 2. An entry
// without "】" is skipped but keeps its number.
struct TitledEntry {
    int position = 0;
    std::string title;
    std::string question;  // as written, line breaks CR LF
    std::string answer;    // empty when the entry has no "答案="
};

// Entries 1 ... last that hold "】", up to position 999.
std::vector<TitledEntry> titledEntries(const std::string& text);

// The entry at `index` of the split text, if it holds "】".
std::optional<TitledEntry> titledEntryAt(const std::string& text, int index);

// Entries whose title starts with a number and a blank ("11 猫捉老鼠"),
// found by that number.
std::optional<TitledEntry> numberedEntry(const std::string& text, int number);

// Free text of an entry as page text: blanks kept as "&nbsp;", CR LF as "<br>".
std::string entryTextHtml(const std::string& text);

// Text that is already HTML (puzzles): trailing line breaks dropped, inner
// CR LF as "<br>", everything else as written.
std::string entryMarkup(const std::string& text);

// The page of an exercise or worked problem: its title, the question and
// the "查看答案" button.
std::string entryPage(const std::string& caption, const std::string& question);

// What the "查看答案" button of an entry page adds after itself.
std::string entryReveal(const std::string& answer, int thinkSeconds);

}  // namespace tally
