#include <gtest/gtest.h>

#include "levelgame/level_page.h"
#include "levelgame/level_pairs.h"
#include "levelgame/level_run.h"
#include "support/harness.h"

namespace tally {
namespace {

TEST(LevelPageTest, SetupPageChecksTheChosenDifficulty) {
    const std::string page = levelSetupPage(7000);
    EXPECT_NE(page.find("难度选择：<br><br>"
                        "<input type=radio name=n1 value=V2 tag=容易>初级算术魔法师：9秒一道题&nbsp;&nbsp;<br>"
                        "<input type=radio name=n2 value=V2 tag=中等 checked>中级算术魔法师：7秒一道题&nbsp;&nbsp;<br>"
                        "<input type=radio name=n3 value=V2 tag=较难>高级算术魔法师：5秒一道题&nbsp;&nbsp;<br>"),
              std::string::npos);
    // What the game is and how it is played by mouse or keyboard.
    for (const char* says : {"答对10道题就过关", "3条命", "数字键1～4", "回车"}) {
        EXPECT_NE(page.find(says), std::string::npos) << says;
    }
}

TEST(LevelPageTest, QuestionPage) {
    LevelQuestion q = levelQuestion(kLevelSubtraction, {7, 3});
    q.level = 2;
    q.number = 4;
    q.shift = 3;
    q.seconds = 7;
    q.lives = 2;
    q.right = 3;
    EXPECT_EQ(q.text(), "10-3=");
    EXPECT_EQ(levelQuestionPage(q),
              "<div id=levelgame data-keys=\"1 2 3 4 ArrowLeft ArrowRight ArrowUp ArrowDown Enter\">"
              "第2关：<span id=spanguan>7秒</span>&nbsp;&nbsp;&nbsp;&nbsp;生命：<span id=lives style=\"color:#d00\">"
              "♥♥♡</span><br><span id=progress><img src=jindu.gif><img src=jindu.gif><img src=jindu.gif>&nbsp;答对3题，再答对7题过关</span>"
              "<br><br>第4题：10-3= <input class=text name=answerguoguan type=text size=7 tag=7><br><br>"
              "<input type=radio  name=R1 value=V1 tag=4>4&nbsp;&nbsp;"
              "<input type=radio name=R2 value=V1 tag=5>5&nbsp;&nbsp;"
              "<input type=radio name=R3 value=V1 tag=6>6&nbsp;&nbsp;"
              "<input type=radio name=R4 value=V1 tag=7>7&nbsp;&nbsp;"
              "<br><br><span id=feedback></span><br><br>"
              "<small>按数字键1～4或方向键选答案，按回车确定；也可以在方框里写出答案，再按回车。</small></div>");
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
        EXPECT_EQ(levelPassedPage(5, counters), std::string("<div id=levelgame>做好准备！第 5关开始了！") + rewards + "</div>");
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
