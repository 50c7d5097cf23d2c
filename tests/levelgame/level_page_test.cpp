#include <gtest/gtest.h>

#include "levelgame/level_page.h"
#include "levelgame/level_run.h"

namespace tally {
namespace {

TEST(LevelPageTest, SetupPageChecksTheChosenDifficulty) {
    const std::string n1 = "<input type=radio name=n1 value=V2 tag=容易>初级算术魔法师：9秒一道题&nbsp;&nbsp;<br>";
    const std::string n2 = "<input type=radio name=n2 value=V2 tag=中等>中级算术魔法师：7秒一道题&nbsp;&nbsp;<br>";
    const std::string n3 = "<input type=radio name=n3 value=V2 tag=较难>高级算术魔法师：5秒一道题&nbsp;&nbsp;<br>";
    auto checked = [](std::string radio) { return radio.insert(radio.find('>'), " checked"); };
    const std::string head = "难度选择：<br><br>";
    EXPECT_EQ(levelSetupPage(9000), head + checked(n1) + n2 + n3);
    EXPECT_EQ(levelSetupPage(7000), head + n1 + checked(n2) + n3);
    EXPECT_EQ(levelSetupPage(5000), head + n1 + n2 + checked(n3));
    EXPECT_EQ(levelStartNotice(9000), "<br><br>9秒后开始算术闯关，做好准备哦。");
    EXPECT_EQ(levelStartNotice(7000), "<br><br>7秒后开始算术闯关，做好准备哦。");
    EXPECT_EQ(levelStartNotice(5000), "<br><br>5秒后开始算术闯关，做好准备哦。");
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
}

TEST(LevelPageTest, SmallAnswersGiveChoicesBelowOne) {
    LevelQuestion q = levelQuestion(kLevelDivision, {1, 9});
    q.shift = 3;
    const std::string page = levelQuestionPage(q);
    EXPECT_NE(page.find("9÷9="), std::string::npos);
    EXPECT_NE(page.find("name=R1 value=V1 tag=-2>-2&nbsp;&nbsp;"), std::string::npos);
    EXPECT_NE(page.find("name=R4 value=V1 tag=1>1&nbsp;&nbsp;"), std::string::npos);
}

TEST(LevelPageTest, PassedPageShowsTheRewardsOfAllOperations) {
    struct Case {
        std::array<int, 4> counters;
        const char* rewards;
    };
    const Case cases[] = {
        {{1, 0, 0, 0}, "<br><br><img src=g1.gif>"},
        {{0, 2, 0, 0}, "<br><br><img src=g2.gif>"},
        {{2, 1, 0, 0}, "<br><br><img src=g1.gif><br><br><img src=g2.gif>"},
        {{3, 0, 0, 0}, "<br><br><img src=g3.gif>"},
        {{0, 7, 1, 2}, "<br><br><img src=g1.gif><br><br><img src=g2.gif><br><br><img src=g3.gif>"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(levelPassedPage(5, c.counters), std::string("做好准备！第 5关开始了！") + c.rewards);
    }
}

TEST(LevelPageTest, OperationOfTheGameKey) {
    EXPECT_EQ(levelOperation("511102"), kLevelAddition);
    EXPECT_EQ(levelOperation("511103"), kLevelSubtraction);
    EXPECT_EQ(levelOperation("511104"), kLevelMultiplication);
    EXPECT_EQ(levelOperation("511105"), kLevelDivision);
    for (const char* other : {"000", "511101", "511106", "5111", ""}) EXPECT_EQ(levelOperation(other), -1) << other;
}

}  // namespace
}  // namespace tally
