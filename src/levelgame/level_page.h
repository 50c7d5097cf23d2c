// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <string>

#include "levelgame/level_pairs.h"

namespace tally {

// Every page of a running game is wrapped in an element of this id, so the
// game knows its page when it is left.
inline constexpr const char* kLevelPageId = "levelgame";
// The keys a question page takes: 1..4 and the arrows choose, Enter answers.
inline constexpr const char* kLevelKeys = "1 2 3 4 ArrowLeft ArrowRight ArrowUp ArrowDown Enter";
inline constexpr int kLevelLives = 3;
inline constexpr int kLevelRightToPass = 10;

// The parent topic's page: what the game is, the three difficulty radios (the
// one of msPerQuestion checked) and how to play.
std::string levelSetupPage(int msPerQuestion);

// One question of a run as it is shown.
struct LevelQuestion {
    int level = 1;   // the level played: levels passed + 1
    int number = 1;  // questionNo
    int first = 0;
    std::string sign;
    int second = 0;
    int answer = 0;  // X
    int shift = 0;   // R: the choices are X-R .. X-R+3, the right one on radio R+1
    int seconds = 9;
    int lives = kLevelLives;
    int right = 0;   // right answers of the level so far

    // "7+5=".
    std::string text() const;
};

// The shown operands, sign and answer of an operand pair for an operation.
LevelQuestion levelQuestion(int operation, const LevelPair& pair);
// The body of a question: level, seconds left, lives, progress, question,
// answer field, four radios, a line for what happened and how to play.
std::string levelQuestionPage(const LevelQuestion& question);
// "♥♥♡": the lives left and those lost.
std::string livesHtml(int lives);
// One block per right answer, and how many are still to come.
std::string progressHtml(int right);

// After a level passed: "做好准备！第 N关开始了！" and the reward pictures
// earned by the four counters.
std::string levelPassedPage(int nextLevel, const std::array<int, 4>& counters);
// After the third life is lost: the level starts again.
std::string levelLostPage(int level);
// A game left for another tab or topic: it is over.
std::string levelLeftPage(const std::string& caption);

}  // namespace tally
