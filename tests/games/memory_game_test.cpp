// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "games/memory_game.h"
#include "support/harness.h"

namespace tally {
namespace {

class MemoryGameTest : public ::testing::Test {
protected:
    test::Harness h{test::started};

    // A round dealing these values, the suits a b c d in turn.
    void deal(const std::vector<int>& values) {
        int suit = 0;
        for (int value : values) {
            h.random.push((value - 1) / 10.0 + 0.05);
            h.random.push((suit++ % 4) / 4.0 + 0.05);
        }
        h.click("q62", "数学游戏");
    }
    int cardsNow() const { return h.form->families().memoryGame.cards(); }
    int boxes() const {
        int n = 0;
        while (h.page.has("answer" + std::to_string(n + 1))) ++n;
        return n;
    }
    bool turned() const { return h.page.bodyHtml().find("24/pp.gif") != std::string::npos; }
    // Fills every box, right or all wrong, and submits.
    void play(bool right) {
        for (int box = 1; box <= boxes(); ++box) {
            const std::string name = "answer" + std::to_string(box);
            h.type(name, right ? h.page.tag(name) : "0");
        }
        h.finish();
    }
};

TEST_F(MemoryGameTest, TheCountdownTurnsTheCards) {
    deal({7, 10, 3, 1});
    EXPECT_EQ(h.page.value("miao"), "5");
    for (int left = 4; left >= 1; --left) {
        h.tick(2);
        EXPECT_EQ(h.page.value("miao"), std::to_string(left));
        EXPECT_FALSE(turned());
    }
    h.tick(2);
    EXPECT_EQ(h.page.value("miao"), "0");
    EXPECT_TRUE(turned());
    EXPECT_FALSE(h.form->timers().enabled(2));

    // A game left mid-count starts the next from the full time; a time
    // shortened mid-count still turns the cards.
    deal({1, 2, 3, 4});
    h.tick(2, 3);
    h.click("q61");
    EXPECT_FALSE(h.form->timers().enabled(2));
    deal({1, 2, 3, 4});
    h.tick(2, 4);
    EXPECT_EQ(h.page.value("miao"), "1");
    EXPECT_FALSE(turned());

    h.form->setOption(&SheetOptions::memoryTime, 8);
    deal({1, 2, 3, 4});
    h.tick(2, 5);
    h.form->setOption(&SheetOptions::memoryTime, 3);
    h.tick(2);
    EXPECT_EQ(h.page.value("miao"), "0");
    EXPECT_TRUE(turned());
    EXPECT_FALSE(h.form->timers().enabled(2));
}

// Each box is marked on its own, a 10 in one box as the number it is; the
// record keeps one question per card.
TEST_F(MemoryGameTest, EachCardIsMarkedAndTheWrongOnesAreShown) {
    deal({7, 10, 3, 1});
    h.tick(1, 9);
    h.tick(2, 5);
    for (const auto& [box, typed] : {std::pair{"answer1", "7"}, {"answer2", "１０"}, {"answer3", "4"}, {"answer4", ""}}) {
        h.type(box, typed);
    }
    h.finish();
    EXPECT_NE(h.page.bodyText().find("按顺序填入每张牌上的数：(√)\u00a0(√)\u00a0(×)\u00a0(×)"), std::string::npos)
        << h.page.bodyText();
    ASSERT_EQ(h.record.stored.size(), 1u);
    const MarkedSheet& kept = h.record.stored[0];
    EXPECT_EQ(kept.score, 50);
    ASSERT_EQ(kept.missed.size(), 2u);
    EXPECT_EQ(kept.missed[0], (MissedQuestion{"第3张牌", "4", "3", AnswerForm::None, "q62", "训练记忆"}));

    // Marked before the cards are turned: they stay face up, the count stops.
    deal({2, 2, 2, 2});
    h.tick(2, 2);
    play(true);
    EXPECT_FALSE(h.form->timers().enabled(2));
    h.tick(2, 5);
    EXPECT_FALSE(turned());
}

// One card more after a round all right, one fewer after a miss, from 4 to
// 10 cards; the next round comes with the page's 再来一轮 button.
TEST_F(MemoryGameTest, TheNumberOfCardsGoesUpAndDown) {
    h.click("q62", "数学游戏");
    const struct {
        bool right;
        int next;
    } rounds[] = {{true, 5},  {true, 6},  {false, 5}, {true, 6},  {true, 7},  {true, 8},  {true, 9},
                  {true, 10}, {true, 10}, {false, 9}, {false, 8}, {false, 7}, {false, 6}, {false, 5},
                  {false, 4}, {false, 4}, {true, 5}};
    int cards = 4;
    for (const auto& round : rounds) {
        ASSERT_EQ(boxes(), cards);
        play(round.right);
        EXPECT_EQ(cardsNow(), round.next);
        h.form->pageClick("again");
        cards = round.next;
    }
    // The count lasts while the program runs: a click on the topic keeps it.
    h.click("q61");
    h.click("q62");
    EXPECT_EQ(boxes(), 5);
}

}  // namespace
}  // namespace tally
