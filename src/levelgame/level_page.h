#pragma once
#include <array>
#include <string>

#include "levelgame/level_pairs.h"

namespace tally {

// The page after a wrong or late answer, until the level starts again.
inline constexpr const char* kLevelRetryPage = "做好准备！这次不要轻易出错了哦！";
// One block after the countdown span per right answer.
inline constexpr const char* kProgressBlock = "<img src=jindu.gif>";

// "难度选择：" and the three difficulty radios, the one of msPerQuestion checked.
std::string levelSetupPage(int msPerQuestion);
// "<br><br>9秒后开始算术闯关，做好准备哦。" with the seconds of msPerQuestion.
std::string levelStartNotice(int msPerQuestion);

// One question of a run as it is shown.
struct LevelQuestion {
    int level = 1;   // the level played: levels passed + 1
    int number = 1;  // questionNo
    int first = 0;
    std::string sign;
    int second = 0;
    int answer = 0;  // X
    int shift = 0;   // R: the choices are X-R .. X-R+3, the right one on radio R+1
};

// The shown operands, sign and answer of an operand pair for an operation.
LevelQuestion levelQuestion(int operation, const LevelPair& pair);
// The body of a question: level, countdown span, question, answer field, four radios.
std::string levelQuestionPage(const LevelQuestion& question);
// "做好准备！第 N关开始了！" and the reward pictures earned by the four counters.
std::string levelPassedPage(int nextLevel, const std::array<int, 4>& counters);

}  // namespace tally
