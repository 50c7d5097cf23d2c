#pragma once
#include <string>

namespace tally {

// 100 / QuestionCount rounded to the nearest whole number, a half to the even one.
int pointsPerQuestion(int questionCount);

// The marks written after a field: "(√)", "(×)", "(×，正确答案：A)", and on a
// word problem, whose worked answer is shown either way, "(√，正确答案：A)".
inline constexpr const char* kRightMark = "(√)";
inline constexpr const char* kWrongMark = "(×)";
std::string wrongMark(const std::string& answer);
std::string markWithAnswer(bool right, const std::string& answer);

// "<br>非常不错！你的得分是100分，用时N秒！" or "<br>你的得分是S分，用时N秒！"
std::string scoreLine(int score, int seconds);
// "<br><br>思考用时N秒！"
std::string thinkTimeLine(int seconds);

}  // namespace tally
