#include <gtest/gtest.h>

#include "support/harness.h"

namespace tally {
namespace {

struct Card {
    int value;
    int suit;
};

class MemoryGameTest : public ::testing::Test {
protected:
    test::Harness h;
    void SetUp() override { h.start(); }

    void deal(const std::vector<Card>& cards) {
        for (const Card& card : cards) {
            h.random.push((card.value - 1) / 10.0 + 0.05);
            h.random.push((card.suit - 1) / 4.0 + 0.05);
        }
        h.click("q62", "数学游戏");
    }
    void dealAny() { deal({{7, 1}, {10, 2}, {3, 3}, {1, 4}, {9, 1}, {2, 2}, {2, 3}, {5, 4}}); }
    std::string body() const { return h.page.bodyHtml(); }
    bool turned() const { return body().find("24/pp.gif") != std::string::npos; }
};

TEST_F(MemoryGameTest, PageText) {
    dealAny();
    EXPECT_EQ(body(),
              "你有5秒记忆下面的牌：<input class=text name=miao type=text size=27 value=5><br><br>"
              "<a name=img8><img src=24/7a.gif><img src=24/10b.gif><img src=24/3c.gif><img src=24/1d.gif>"
              "<img src=24/9a.gif><img src=24/2b.gif><img src=24/2c.gif><img src=24/5d.gif></a>"
              "<br><br>把牌数填入文本框：<input class=text name=answer type=text size=27 tag=710319225><br>"
              "<br>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; "
              "<input class=button name=finish type=button size=7 value=提交答案 tag=十><br><br>");
    EXPECT_TRUE(h.form->timers.enabled(2));
}

TEST_F(MemoryGameTest, CountsDownAndTurnsTheCards) {
    for (int seconds : {3, 5, 8}) {
        h.form->memoryTime = seconds;
        dealAny();
        EXPECT_EQ(h.page.value("miao"), std::to_string(seconds));
        for (int left = seconds - 1; left >= 1; --left) {
            h.tick(2);
            EXPECT_EQ(h.page.value("miao"), std::to_string(left));
            EXPECT_FALSE(turned());
        }
        h.tick(2);
        EXPECT_EQ(h.page.value("miao"), "0");
        std::string backs;
        for (int i = 0; i < 8; ++i) backs += "<img src=24/pp.gif>";
        EXPECT_NE(body().find("<a name=img8>" + backs + "</a>"), std::string::npos) << body();
        EXPECT_FALSE(h.form->timers.enabled(2));
        EXPECT_EQ(h.page.tag("answer"), "710319225");
    }
}

TEST_F(MemoryGameTest, AGameLeftMidCountDoesNotShortenTheNext) {
    dealAny();
    h.tick(2, 3);
    h.click("q61");
    EXPECT_FALSE(h.form->timers.enabled(2));
    dealAny();
    h.tick(2, 4);
    EXPECT_EQ(h.page.value("miao"), "1");
    EXPECT_FALSE(turned());
    h.tick(2);
    EXPECT_TRUE(turned());
}

TEST_F(MemoryGameTest, AShorterTimeChosenMidCountStillTurnsTheCards) {
    h.form->memoryTime = 8;
    dealAny();
    h.tick(2, 5);
    h.form->memoryTime = 3;
    h.tick(2);
    EXPECT_EQ(h.page.value("miao"), "0");
    EXPECT_TRUE(turned());
    EXPECT_FALSE(h.form->timers.enabled(2));
}

TEST_F(MemoryGameTest, GradingShowsTheSequenceAndMarksTheEntry) {
    struct Case {
        const char* typed;
        const char* mark;
        int ticks;
    };
    // A 10 counts as the two characters "10"; nothing else is accepted.
    const Case cases[] = {
        {"710319225", "(√)", 5},
        {"7 10 3 1 9 2 2 5", "(×)", 5},
        {"71319225", "(×)", 5},
        {"", "(×)", 5},
        {"710319225", "(√)", 2},  // graded before the cards are turned
    };
    for (const Case& c : cases) {
        dealAny();
        h.tick(1, 9);
        h.tick(2, c.ticks);
        h.type("answer", c.typed);
        h.finish();
        EXPECT_NE(h.page.bodyText().find(std::string("把牌数填入文本框：") + c.mark), std::string::npos)
            << c.typed << body();
        EXPECT_NE(body().find("<br>正确答案:<br>710319225，用时9秒！"), std::string::npos) << body();
    }
}

}  // namespace
}  // namespace tally
