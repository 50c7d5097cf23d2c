#pragma once
#include <string>

namespace tally {

class Form1;

// The four operations of the level game, in the order of their keys
// "511102".."511105" and of the per-operation fields.
enum LevelOperation { kLevelAddition = 0, kLevelSubtraction = 1, kLevelMultiplication = 2, kLevelDivision = 3 };

// The engine (one tick per question) and the one-second countdown.
inline constexpr int kLevelTimer = 5;
inline constexpr int kCountdownTimer = 6;

// The operation of a running game's key, or -1 when the key is no level key.
int levelOperation(const std::string& gameKey);

// Back to the start of a level: no question asked, no points, no pairs used,
// the first question 9 seconds away, the countdown stopped. Whether Timer5
// runs is left as it is.
void ResetLevelRun(Form1& form);

// Stops the countdown and sets the number range from the levels passed in all
// four operations.
void UpdateLevelLimit(Form1& form);

// After a wrong or late answer: the waiting page, and the level from its
// first question again, 9 seconds later.
void restartLevel(Form1& form);

}  // namespace tally
