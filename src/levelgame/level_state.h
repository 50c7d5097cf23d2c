// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <string>
#include <vector>

#include "progress/record_values.h"

namespace tally {

// A level game's run: the game being played, the question and the points of
// the level, the lives left, the pairs asked, the levels passed in each
// operation.
struct LevelGameState {
    // The running game's topic number ("511102" ... "511105"); "000" when none runs.
    std::string gameKey = "000";
    int questionNo = 0;
    int levelScore = 0;  // 10 for each right answer of the level
    int lives = 3;
    std::array<std::string, 4> usedPairs;  // +, -, ×, ÷
    std::array<int, 4> levelCounter{};
    int numberLimit = 10;
    int countdownSeconds = 0;

    // The question on the page waits for its answer.
    bool questionOpen = false;
    int answer = 0;
    std::string question;  // "7+5=", as the page shows it
    // The radio chosen with the keyboard, 1..4; 0 for none.
    int chosen = 0;
    // The questions of the level missed so far, for the record.
    std::vector<MissedQuestion> missed;
    // The clock's milliseconds when the question on the page was shown, and
    // the level's answers so far with their times.
    long long shownAtMs = 0;
    std::vector<AnswerTime> times;
};

}  // namespace tally
