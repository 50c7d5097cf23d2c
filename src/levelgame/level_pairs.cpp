// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelgame/level_pairs.h"

#include <optional>

#include "levelgame/level_run.h"

namespace tally {
namespace {

// Enough for any real random source: with the number ranges of the game at
// least 20 pairs stay free in a run of ten questions.
constexpr int kMaxDraws = 10000;

bool isProduct(int operation) { return operation == kLevelMultiplication || operation == kLevelDivision; }

bool isUsed(const std::string& used, const LevelPair& pair) {
    return used.find(pairEntry(pair)) != std::string::npos;
}

bool withinLimit(int operation, const LevelPair& pair, int limit) {
    return !isProduct(operation) || pair.a * pair.b <= limit;
}

LevelPair drawOnce(RandomSource& random, int operation, int limit) {
    if (isProduct(operation)) return {drawInt(random, 9, 1), drawInt(random, 9, 1)};
    const int a = drawInt(random, limit - 2, 2);
    return {a, drawInt(random, a - 1, 1)};
}

// The first pair, in the order of the operands, that is neither used nor over the limit.
std::optional<LevelPair> firstFree(int operation, int limit, const std::string& used) {
    const int highA = isProduct(operation) ? 9 : limit - 1;
    const int lowA = isProduct(operation) ? 1 : 2;
    for (int a = lowA; a <= highA; ++a) {
        const int highB = isProduct(operation) ? 9 : a - 1;
        for (int b = 1; b <= highB; ++b) {
            const LevelPair pair{a, b};
            if (!isUsed(used, pair) && withinLimit(operation, pair, limit)) return pair;
        }
    }
    return std::nullopt;
}

}  // namespace

std::string pairEntry(const LevelPair& pair) {
    return "|" + std::to_string(pair.a) + std::to_string(pair.b) + "|";
}

LevelPair drawLevelPair(RandomSource& random, int operation, int limit, std::string& used) {
    for (int draws = 0; draws < kMaxDraws; ++draws) {
        const LevelPair pair = drawOnce(random, operation, limit);
        if (isUsed(used, pair)) continue;
        used += pairEntry(pair);
        if (withinLimit(operation, pair, limit)) return pair;
    }
    // Only a random source stuck on used values, or a range with every pair
    // already asked, gets here: take the first free pair, and when none is
    // left start the list anew rather than hang the game.
    std::optional<LevelPair> pair = firstFree(operation, limit, used);
    if (!pair) {
        used.clear();
        pair = firstFree(operation, limit, used);
    }
    const LevelPair chosen = pair.value_or(LevelPair{isProduct(operation) ? 1 : 2, 1});
    used += pairEntry(chosen);
    return chosen;
}

}  // namespace tally
