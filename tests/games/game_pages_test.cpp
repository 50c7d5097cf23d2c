// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "games/game_pages.h"
#include "support/harness.h"

namespace tally {
namespace {

// The pictures the card games and the level game show.
TEST(GamePagesTest, PicturesAreInTheDataDirectory) {
    const test::Harness h;
    std::vector<std::string> files = {"24/pp.gif", "jindu.gif", "g1.gif", "g2.gif", "g3.gif"};
    for (int value = 1; value <= 10; ++value) {
        for (char suit : {'a', 'b', 'c', 'd'}) files.push_back("24/" + std::to_string(value) + suit + ".gif");
    }
    for (const std::string& file : files) {
        const auto bytes = h.data.read(file);
        ASSERT_TRUE(bytes.has_value()) << file;
        EXPECT_GT(bytes->size(), 20u) << file;
    }
}

// The game pages share one style sheet and one script, whose seeded random
// source is the only one: "?seed=N" replays every game.
TEST(GamePagesTest, GamePagesShareOneStyleSheetAndOneRandomSource) {
    test::Harness h(test::started);
    h.form->clickTab("数学游戏");
    for (const TopicNode& node : h.form->tree().nodes()) {
        const std::string page = node.parent == "q6" ? gamePagePath(std::stoi(node.key.substr(1))) : "";
        if (page.empty()) continue;
        const auto bytes = h.data.read(page);
        ASSERT_TRUE(bytes.has_value()) << page;
        const std::string& html = *bytes;
        EXPECT_NE(html.find("<meta charset=\"gbk\">"), std::string::npos) << page;
        EXPECT_NE(html.find("<link rel=\"stylesheet\" href=\"games.css\">"), std::string::npos) << page;
        EXPECT_NE(html.find("<script src=\"games.js\"></script>"), std::string::npos) << page;
        for (const char* own : {"Math.random", "location.search", "font-family: \"Noto Sans CJK SC\""}) {
            EXPECT_EQ(html.find(own), std::string::npos) << page << " has its own " << own;
        }
    }
    EXPECT_TRUE(h.data.read("flash/games.css").has_value());
    EXPECT_TRUE(h.data.read("flash/games.js").has_value());
}

}  // namespace
}  // namespace tally
