// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tally {

// What an answer field expects the child to type, read from its tag. The
// graders and the printed answer key both go by these, so the key shows
// exactly what the grader accepts.

// Pattern and four-operation sheets: the tag, or, when it has more decimals
// than two, the tag rounded to two decimals as the sheet asks (2.67 for
// 2.66666666666667).
std::string roundedAnswer(const std::string& tag);

// "H小时M分" of the minutes-to-hours sheets, split into hours and minutes.
struct HoursMinutes {
    std::string hours;
    std::string minutes;
};
HoursMinutes splitHoursMinutes(const std::string& answer);

// The tag of a word problem's answer box: the answer, "|", the worked solution,
// which ends with the answer. A tag without the bar is both.
struct AnswerTag {
    std::string answer;
    std::string working;
};
AnswerTag splitAnswerTag(const std::string& tag);
// The worked solution with the signs a child writes: the engine's * and / as × and ÷.
std::string workingAsWritten(std::string working);
// The number an answer starts with ("24" of "24条"); "" when it starts with none.
std::string numberPart(const std::string& answer);

}  // namespace tally
