// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "topics/topic_family.h"

namespace tally {

// The finish button every gradable sheet ends with, and the one of pages
// whose answers are only revealed.
inline constexpr const char* kFinishButton =
    "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; "
    "<input class=button name=finish type=button size=7 value=提交答案 tag=十>";
inline constexpr const char* kRevealButton =
    "<br><br>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; "
    "<input class=button name=finish type=button size=7 value=查看答案 tag=十>";

// A button of a game page that starts its topic anew (another deal, the
// next round), as a click on the topic in the tree does.
inline constexpr const char* kAgainButtonName = "again";
// "<input class=button name=again type=button value=CAPTION>"
inline std::string againButton(const std::string& caption) {
    return std::string("<input class=button name=") + kAgainButtonName + " type=button value=" + caption + ">";
}

// " <input class=text name=answer<i> type=text size=7 tag=<answer>>"
std::string answerField(int question, const std::string& answer);
// "第<i>题："
std::string questionHead(int question);
// A line above the questions that says how answers are to be written.
std::string sheetNote(const std::string& text);

}  // namespace tally
