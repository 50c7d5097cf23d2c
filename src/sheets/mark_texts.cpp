#include "sheets/mark_texts.h"

#include <cmath>

namespace tally {

int pointsPerQuestion(int questionCount) {
    if (questionCount <= 0) return 0;
    return static_cast<int>(std::nearbyint(100.0 / questionCount));  // ties to even
}

std::string markWithAnswer(bool right, const std::string& answer) {
    return std::string(right ? "(√" : "(×") + "，正确答案：" + answer + ")";
}

std::string wrongMark(const std::string& answer) { return markWithAnswer(false, answer); }

std::string scoreLine(int score, int seconds) {
    if (score == 100) return "<br>非常不错！你的得分是100分，用时" + std::to_string(seconds) + "秒！";
    return "<br>你的得分是" + std::to_string(score) + "分，用时" + std::to_string(seconds) + "秒！";
}

std::string thinkTimeLine(int seconds) {
    return "<br><br>思考用时" + std::to_string(seconds) + "秒！";
}

}  // namespace tally
