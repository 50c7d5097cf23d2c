#pragma once
#include <array>
#include <string>

namespace tally {

// A level game's run: the game being played, the question and the points of
// the level, the pairs asked, the levels passed in each operation.
struct LevelGameState {
    // The running game's topic number ("511102" ... "511105"); "000" when none runs.
    std::string gameKey = "000";
    int questionNo = 0;
    int levelScore = 0;
    std::array<std::string, 4> usedPairs;  // +, -, ×, ÷
    std::array<int, 4> levelCounter{};
    int numberLimit = 10;
    int countdownSeconds = 0;
};

}  // namespace tally
