#pragma once
#include <string>

#include "levelgame/level_state.h"
#include "shell/topic_family.h"

namespace tally {

// The four operations of the level game, in the order of their keys
// "511102".."511105" and of the per-operation fields.
enum LevelOperation { kLevelAddition = 0, kLevelSubtraction = 1, kLevelMultiplication = 2, kLevelDivision = 3 };

// The operation of a running game's key, or -1 when the key is no level key.
int levelOperation(const std::string& gameKey);

// Back to the start of a level: no question asked, no points, no pairs used,
// the first question 9 seconds away, the countdown stopped. Whether the
// engine runs is left as it is.
void resetLevelRun(FamilyContext& context, LevelGameState& state);

// Stops the countdown and sets the number range from the levels passed in all
// four operations.
void updateLevelLimit(FamilyContext& context, LevelGameState& state);

// After a wrong or late answer: the waiting page, and the level from its
// first question again, 9 seconds later.
void restartLevel(FamilyContext& context, LevelGameState& state);

// The engine's tick: the next question, or the level lost when the last one
// went unanswered.
void levelTick(FamilyContext& context, LevelGameState& state);
// The countdown's tick: one second less on the question's clock.
void levelCountdown(FamilyContext& context, LevelGameState& state);

}  // namespace tally
