#pragma once
#include <array>
#include <string>

namespace tally {

// The level game's fields of the main window.
struct LevelGameState {
    int questionNo = 0;
    int levelScore = 0;
    std::array<std::string, 4> usedPairs;  // +, -, ×, ÷
    std::array<int, 4> levelCounter{};
    int numberLimit = 10;
    int countdownSeconds = 0;
};

}  // namespace tally
