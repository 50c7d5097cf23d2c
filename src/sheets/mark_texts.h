// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "progress/error_kind.h"

namespace tally {

// 100 / QuestionCount rounded to the nearest whole number, a half to the even one.
int pointsPerQuestion(int questionCount);

// The plain marks of the games: "(√)" and "(×)".
inline constexpr const char* kRightMark = "(√)";
inline constexpr const char* kWrongMark = "(×)";

// The mark written after a field, as HTML: a green "(√)" or a red "(×)",
// with "，正确答案：A" inside the brackets when an answer is given, and a hint
// after them ("（别忘了写单位）").
// A wrong answer's kind follows its right answer inside the brackets
// ("(×，正确答案：63，忘了进位)"), so it goes where the answer goes.
std::string markHtml(bool right, const std::string& answer, const std::string& hint = "",
                     ErrorKind kind = ErrorKind::None);
// Every mark a page carries is a span of this class, the score above a marked
// sheet a paragraph of the other.
inline constexpr const char* kMarkClass = "mark";
inline constexpr const char* kScoreClass = "score";
// The style that outlines the box of a wrong answer.
inline constexpr const char* kWrongBoxStyle = "outline:2px solid #c62828";

// "<br>非常不错！你的得分是100分，用时N秒！"; below 100 the praise fits the
// score: "真棒！" from 90, "不错，再细心一点！" from 60, "别灰心，再练一次！" below.
std::string scoreLine(int score, int seconds);
// The same sentence on its own, and as the paragraph above a marked sheet,
// `after` following it (a button).
std::string scoreSentence(int score, int seconds);
std::string scoreParagraph(int score, int seconds, const std::string& after = "");
// "<br><br>思考用时N秒！"
std::string thinkTimeLine(int seconds);

}  // namespace tally
