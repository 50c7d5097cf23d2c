#include "sheets/families.h"

namespace tally {

void buildLevelGamePage(Form1&, int, Sheet&) {}

void onLevelTick(Form1&) {}

void onLevelCountdown(Form1&) {}

void chooseLevelAnswer(Form1&, int) {}

void chooseLevelDifficulty(Form1&, int) {}

}  // namespace tally
