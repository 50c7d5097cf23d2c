// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include "levelgame/level_state.h"
#include "topics/topic_family.h"

namespace tally {

// The four operations of the level game, in the order of their keys
// "511102".."511105" and of the per-operation fields.
enum LevelOperation { kLevelAddition = 0, kLevelSubtraction = 1, kLevelMultiplication = 2, kLevelDivision = 3 };

// The operation of a running game's key, or -1 when the key is no level key.
int levelOperation(const std::string& gameKey);
// "加法", "减法", "乘法", "除法": the caption of the operation's topic.
std::string levelOperationCaption(int operation);

// Back to the start of a level: no question asked, no points, three lives,
// no pairs used, no misses, the countdown stopped. When the engine ticks next
// is left to the caller.
void resetLevelRun(FamilyContext& context, LevelGameState& state);

// Stops the countdown and sets the number range from the levels passed in all
// four operations.
void updateLevelLimit(FamilyContext& context, LevelGameState& state);

// Draws the next question of the run, starts its time and its countdown, and
// returns its page.
std::string nextQuestionPage(FamilyContext& context, LevelGameState& state, int operation);

// The engine's tick: the open question's time is up, or the next question
// is due.
void levelTick(FamilyContext& context, LevelGameState& state);
// The countdown's tick: one second less on the question's clock.
void levelCountdown(FamilyContext& context, LevelGameState& state);

// An answer to the open question, as chosen or typed: right, wrong (a life
// less), or not a number (nothing happens but a hint). The tenth right answer
// passes the level, which is returned for the record.
std::optional<MarkedSheet> answerLevelQuestion(FamilyContext& context, LevelGameState& state,
                                               const std::string& typed);

}  // namespace tally
