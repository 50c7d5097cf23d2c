#pragma once
#include <array>
#include <string>
#include <vector>

namespace tally {

// The 24-point game's fields of the main window: the cards dealt (Text1),
// their suit (Text2) and the solutions found (List1), in the order found.
struct TwentyFourState {
    std::array<int, 4> cards{};
    int suit = 1;
    std::vector<std::string> solutions;
};

// The card-memory game's elapsed counter, kept between Timer2 ticks.
struct MemoryGameState {
    int elapsed = 0;
};

}  // namespace tally
