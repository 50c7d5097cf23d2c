#include <gtest/gtest.h>

#include "levelgame/level_page.h"
#include "levelgame/level_pairs.h"
#include "levelgame/level_run.h"
#include "support/harness.h"

namespace tally {
namespace {

TEST(LevelPageTest, SetupPageChecksTheChosenDifficulty) {
    EXPECT_EQ(levelSetupPage(7000),
              "难度选择：<br><br>"
              "<input type=radio name=n1 value=V2 tag=容易>初级算术魔法师：9秒一道题&nbsp;&nbsp;<br>"
              "<input type=radio name=n2 value=V2 tag=中等 checked>中级算术魔法师：7秒一道题&nbsp;&nbsp;<br>"
              "<input type=radio name=n3 value=V2 tag=较难>高级算术魔法师：5秒一道题&nbsp;&nbsp;<br>");
}

TEST(LevelPageTest, QuestionPage) {
    LevelQuestion q = levelQuestion(kLevelSubtraction, {7, 3});
    q.level = 2;
    q.number = 4;
    q.shift = 3;
    EXPECT_EQ(levelQuestionPage(q),
              "第2关：<span id=spanguan></span><br><br>第4题：10-3= "
              "<input class=text name=answerguoguan type=text size=7 tag=7><br><br>"
              "<input type=radio  name=R1 value=V1 tag=4>4&nbsp;&nbsp;"
              "<input type=radio name=R2 value=V1 tag=5>5&nbsp;&nbsp;"
              "<input type=radio name=R3 value=V1 tag=6>6&nbsp;&nbsp;"
              "<input type=radio name=R4 value=V1 tag=7>7&nbsp;&nbsp;");
    // Small answers give choices below one.
    q = levelQuestion(kLevelDivision, {1, 9});
    q.shift = 3;
    EXPECT_NE(levelQuestionPage(q).find("9÷9= <input class=text name=answerguoguan type=text size=7 tag=1><br><br>"
                                        "<input type=radio  name=R1 value=V1 tag=-2>-2&nbsp;&nbsp;"),
              std::string::npos);
}

TEST(LevelPageTest, PassedPageShowsTheRewardsOfAllOperations) {
    const std::pair<std::array<int, 4>, const char*> cases[] = {
        {{0, 2, 0, 0}, "<br><br><img src=g2.gif>"},
        {{2, 1, 0, 0}, "<br><br><img src=g1.gif><br><br><img src=g2.gif>"},
        {{0, 7, 1, 2}, "<br><br><img src=g1.gif><br><br><img src=g2.gif><br><br><img src=g3.gif>"},
    };
    for (const auto& [counters, rewards] : cases) {
        EXPECT_EQ(levelPassedPage(5, counters), std::string("做好准备！第 5关开始了！") + rewards);
    }
}

// A source stuck on one value: the draw must still come back.
class StuckRandom : public RandomSource {
public:
    explicit StuckRandom(double value) : value_(value) {}
    double next() override { return value_; }

private:
    double value_;
};

TEST(LevelPairsTest, APairOverTheLimitStaysInTheListAndNoDrawHangs) {
    test::ScriptedRandom random;
    for (double value : {0.9, 0.9, 0.34, 0.8, 0.9, 0.9, 0.23, 0.7}) random.push(value);  // 9x9, 4x8, 9x9, 3x7
    std::string used;
    LevelPair pair = drawLevelPair(random, kLevelDivision, 31, used);
    EXPECT_EQ(std::make_pair(pair.a, pair.b), std::make_pair(3, 7));
    EXPECT_EQ(used, "|99||48||37|");

    // Stuck on the only pair of a tiny range, already used: the list starts anew.
    StuckRandom low(0.0);
    used = "|21|";
    pair = drawLevelPair(low, kLevelAddition, 3, used);
    EXPECT_EQ(std::make_pair(pair.a, pair.b), std::make_pair(2, 1));
    EXPECT_EQ(used, "|21|");
    // Stuck on 9 x 9, over the limit: the first free pair under the limit.
    StuckRandom high(0.999);
    used = "|11|";
    pair = drawLevelPair(high, kLevelMultiplication, 31, used);
    EXPECT_EQ(std::make_pair(pair.a, pair.b), std::make_pair(1, 2));
    EXPECT_EQ(used, "|11||99||12|");
}

}  // namespace
}  // namespace tally
