#pragma once
#include <string>

#include "games/game_state.h"
#include "shell/ports.h"

namespace tally {

class Form1;
struct Sheet;

// Deals four cards of one suit, again and again until the hand can make 24,
// and keeps the cards and every solution found.
void dealTwentyFour(RandomSource& random, TwentyFourState& state);

// The cards two by two, the number of solutions, one field per solution and
// the finish button.
std::string twentyFourPage(const TwentyFourState& state);

// The topic "拍24点": a new deal and its page.
void buildTwentyFourPage(Form1& form, Sheet& sheet);

}  // namespace tally
