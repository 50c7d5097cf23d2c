#include <gtest/gtest.h>


#include "levelgame/level_pairs.h"
#include "levelgame/level_run.h"
#include "support/harness.h"

namespace tally {
namespace {

// A source stuck on one value: the draw must still come back.
class StuckRandom : public RandomSource {
public:
    explicit StuckRandom(double value) : value_(value) {}
    double next() override { return value_; }

private:
    double value_;
};

// The values that draw this pair: first operand, then second.
void scriptPair(test::ScriptedRandom& random, int operation, int limit, int a, int b) {
    const bool product = operation == kLevelMultiplication || operation == kLevelDivision;
    random.push(product ? (a - 1) / 9.0 + 0.01 : (a - 2 + 0.5) / (limit - 2));
    random.push(product ? (b - 1) / 9.0 + 0.01 : (b - 1 + 0.5) / (a - 1));
}

TEST(LevelPairsTest, AProductOverTheLimitStaysInTheList) {
    test::ScriptedRandom random;
    std::string used;
    scriptPair(random, kLevelMultiplication, 31, 9, 9);
    scriptPair(random, kLevelMultiplication, 31, 4, 8);
    scriptPair(random, kLevelMultiplication, 31, 9, 9);
    scriptPair(random, kLevelMultiplication, 31, 3, 7);
    const LevelPair pair = drawLevelPair(random, kLevelDivision, 31, used);
    EXPECT_EQ(pair.a, 3);
    EXPECT_EQ(pair.b, 7);
    EXPECT_EQ(used, "|99||48||37|");
}

TEST(LevelPairsTest, OperandsStayInTheirRanges) {
    test::ScriptedRandom random(3);
    for (int limit : {10, 20, 50, 100, 200}) {
        for (int run = 0; run < 100; ++run) {
            std::string used;
            for (int question = 0; question < 10; ++question) {
                const LevelPair p = drawLevelPair(random, kLevelAddition, limit, used);
                ASSERT_TRUE(p.a >= 2 && p.a <= limit - 1) << p.a;
                ASSERT_TRUE(p.b >= 1 && p.b <= p.a - 1) << p.b;
            }
        }
    }
    for (int limit : {20, 31, 50, 81}) {
        for (int run = 0; run < 100; ++run) {
            std::string used;
            for (int question = 0; question < 10; ++question) {
                const LevelPair p = drawLevelPair(random, kLevelMultiplication, limit, used);
                ASSERT_TRUE(p.a >= 1 && p.a <= 9 && p.b >= 1 && p.b <= 9);
                ASSERT_LE(p.a * p.b, limit);
            }
        }
    }
}

TEST(LevelPairsTest, NeverHangsWhenNoFreePairIsDrawn) {
    // Stuck on the only pair of a tiny range, already used: the list starts anew.
    StuckRandom low(0.0);
    std::string used = "|21|";
    LevelPair pair = drawLevelPair(low, kLevelAddition, 3, used);
    EXPECT_EQ(pair.a, 2);
    EXPECT_EQ(pair.b, 1);
    EXPECT_EQ(used, "|21|");

    // Stuck on 9 x 9, over the limit: the first free pair under the limit.
    StuckRandom high(0.999);
    used = "|11|";
    pair = drawLevelPair(high, kLevelMultiplication, 31, used);
    EXPECT_EQ(pair.a, 1);
    EXPECT_EQ(pair.b, 2);
    EXPECT_EQ(used, "|11||99||12|");
}

}  // namespace
}  // namespace tally
