// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/harness.h"

namespace tally {
namespace {

// A game left in the middle, by whatever way the child leaves it, must stay
// silent: no timer of it runs on, no click or key reaches it and no message
// box comes from it.
TEST(LeavingGames, NoGameTimerRunsOnAndNoMessageComes) {
    const struct {
        const char* game;
        const char* tab;
        const char* leaveBy;
        std::function<void(test::Harness&)> leave;
    } cases[] = {
        {"q511102", "加减乘除", "a tab click", [](test::Harness& h) { h.form->clickTab("比较多少"); }},
        {"q511102", "加减乘除", "the same tab again", [](test::Harness& h) { h.form->clickTab("加减乘除"); }},
        {"q511103", "加减乘除", "a topic click", [](test::Harness& h) { h.click("q13"); }},
        {"q511104", "加减乘除", "the help button", [](test::Harness& h) { h.form->clickToolbar("w3"); }},
        {"q62", "数学游戏", "a tab click", [](test::Harness& h) { h.form->clickTab("时间转换"); }},
        {"q62", "数学游戏", "the help button", [](test::Harness& h) { h.form->clickToolbar("w3"); }},
    };
    for (const auto& c : cases) {
        test::Harness h(test::started);
        h.click(c.game, c.tab);
        h.tick(5, 2);  // the level game's first question is on screen
        h.tick(2, 1);  // the memory game counts down
        h.ui.messages.clear();
        c.leave(h);
        for (int timer : {2, 5, 6}) {
            EXPECT_FALSE(h.form->timers().enabled(timer)) << c.game << " left by " << c.leaveBy << ": Timer" << timer;
        }
        const std::string page = h.page.bodyHtml();
        for (int round = 0; round < 20; ++round) {
            for (int timer : {1, 2, 4, 5, 6}) h.tick(timer);
        }
        h.form->pageMouseDown();  // a choice of the level game, were it still on
        h.form->pageMouseUp("R1");
        for (const char* key : {"1", "Enter"}) h.form->pageKey(key, h.page.generation());
        EXPECT_TRUE(h.ui.messages.empty()) << c.game << " left by " << c.leaveBy << ": " << h.lastMessage();
        EXPECT_EQ(h.page.bodyHtml(), page) << c.game << " left by " << c.leaveBy;
    }
}

}  // namespace
}  // namespace tally
