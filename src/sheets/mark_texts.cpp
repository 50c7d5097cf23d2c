// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/mark_texts.h"

#include <cmath>

#include "page/html_page.h"

namespace tally {

int pointsPerQuestion(int questionCount) {
    if (questionCount <= 0) return 0;
    return static_cast<int>(std::nearbyint(100.0 / questionCount));  // ties to even
}

std::string markHtml(bool right, const std::string& answer, const std::string& hint, ErrorKind kind) {
    const std::string why = kind == ErrorKind::None ? "" : "，" + std::string(errorKindCaption(kind));
    const std::string text =
        std::string(right ? "(√" : "(×") + (answer.empty() ? "" : "，正确答案：" + answer + why) + ")" + hint;
    return std::string("<span class=") + kMarkClass + " style=\"color:" + (right ? "#1b7a34" : "#c62828") + "\">" +
           escapeHtmlText(text) + "</span>";
}

namespace {

std::string praise(int score) {
    if (score >= 100) return "非常不错！";
    if (score >= 90) return "真棒！";
    if (score >= 60) return "不错，再细心一点！";
    return "别灰心，再练一次！";
}

}  // namespace

std::string scoreSentence(int score, int seconds) {
    return praise(score) + "你的得分是" + std::to_string(score) + "分，用时" + std::to_string(seconds) + "秒！";
}

std::string scoreLine(int score, int seconds) { return "<br>" + scoreSentence(score, seconds); }

std::string scoreParagraph(int score, int seconds, const std::string& after) {
    return std::string("<p class=") + kScoreClass + "><b>" + scoreSentence(score, seconds) + "</b>" + after + "</p>";
}

std::string thinkTimeLine(int seconds) {
    return "<br><br>思考用时" + std::to_string(seconds) + "秒！";
}

}  // namespace tally
