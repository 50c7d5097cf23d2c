#include <gtest/gtest.h>

#include "support/harness.h"

namespace tally {
namespace {

const char* const kSequence = "710319225";

class MemoryGameTest : public ::testing::Test {
protected:
    test::Harness h;
    void SetUp() override { h.start(); }

    // Deals 7 10 3 1 9 2 2 5, the suits a b c d in turn.
    void deal() {
        int suit = 0;
        for (int value : {7, 10, 3, 1, 9, 2, 2, 5}) {
            h.random.push((value - 1) / 10.0 + 0.05);
            h.random.push((suit++ % 4) / 4.0 + 0.05);
        }
        h.click("q62", "数学游戏");
    }
    bool turned() const { return h.page.bodyHtml().find("24/pp.gif") != std::string::npos; }
};

// The box counts the memory time down, then the cards turn over.
TEST_F(MemoryGameTest, CountdownThenTheCardsTurn) {
    deal();
    EXPECT_EQ(h.page.tag("answer"), kSequence);
    EXPECT_EQ(h.page.value("miao"), "5");
    for (int left = 4; left >= 1; --left) {
        h.tick(2);
        EXPECT_EQ(h.page.value("miao"), std::to_string(left));
        EXPECT_FALSE(turned());
    }
    h.tick(2);
    EXPECT_EQ(h.page.value("miao"), "0");
    std::string backs;
    for (int i = 0; i < 8; ++i) backs += "<img src=24/pp.gif>";
    EXPECT_NE(h.page.bodyHtml().find("<a name=img8>" + backs + "</a>"), std::string::npos);
    EXPECT_FALSE(h.form->timers.enabled(2));
}

// A game left mid-count starts the next from the full time; a time shortened
// mid-count still turns the cards.
TEST_F(MemoryGameTest, CountdownEdges) {
    deal();
    h.tick(2, 3);
    h.click("q61");
    EXPECT_FALSE(h.form->timers.enabled(2));
    deal();
    h.tick(2, 4);
    EXPECT_EQ(h.page.value("miao"), "1");
    EXPECT_FALSE(turned());

    h.form->options.memoryTime = 8;
    deal();
    h.tick(2, 5);
    h.form->options.memoryTime = 3;
    h.tick(2);
    EXPECT_EQ(h.page.value("miao"), "0");
    EXPECT_TRUE(turned());
    EXPECT_FALSE(h.form->timers.enabled(2));
}

TEST_F(MemoryGameTest, GradingShowsTheSequenceAndMarksTheEntry) {
    struct Case { const char* typed; const char* mark; int ticks; };
    // A 10 counts as the two characters "10"; nothing else is accepted.
    const Case cases[] = {
        {kSequence, "(√)", 5}, {"7 10 3 1 9 2 2 5", "(×)", 5}, {"71319225", "(×)", 5},
        {kSequence, "(√)", 2},  // graded before the cards are turned
    };
    for (const Case& c : cases) {
        deal();
        h.tick(1, 9);
        h.tick(2, c.ticks);
        h.type("answer", c.typed);
        h.finish();
        EXPECT_NE(h.page.bodyText().find(std::string("把牌数填入文本框：") + c.mark), std::string::npos) << c.typed;
        EXPECT_NE(h.page.bodyText().find("正确答案:710319225，"), std::string::npos);
    }
}

}  // namespace
}  // namespace tally
