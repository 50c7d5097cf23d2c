#include <gtest/gtest.h>

#include "games/game_pages.h"
#include "support/harness.h"

namespace tally {
namespace {

class GamePagesTest : public ::testing::Test {
protected:
    test::Harness h;
    void SetUp() override {
        h.start();
        h.form->clickTab("数学游戏");
    }
};

const std::pair<const char*, const char*> kGames[] = {
    {"q61", "拍24点"},       {"q62", "训练记忆"},     {"q63", "找数字求和"},   {"q64", "智力跳棋"},
    {"q65", "测试心算能力"}, {"q66", "测试点击速度"}, {"q67", "填方格"},       {"q68", "测试打字速度"},
    {"q69", "猜数的大小"},   {"q601", "四面撞击游戏"}, {"q602", "测试反应能力"}, {"q603", "撞击游戏"},
    {"q604", "魔法实验室"},  {"q606", "冰球大赛"},     {"q607", "洞中探险"},     {"q608", "搞笑蹦蹦床"},
    {"q609", "狗狗VS肉骨头"}, {"q610", "过山小车"},    {"q611", "海底探宝"},     {"q612", "数形状"},
};

// Every game of the section is named in the introduction, in the tree's order,
// with a line on how to play, and none is "in preparation".
TEST_F(GamePagesTest, SectionNamesEveryGameInTheTreesOrder) {
    h.click("q6");
    const std::string body = h.page.bodyHtml();
    EXPECT_EQ(body.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(body.find("准备中"), std::string::npos);
    size_t at = 0;
    int number = 0;
    for (const auto& [key, caption] : kGames) {
        ASSERT_NE(h.form->tree.find(key), nullptr) << key;
        EXPECT_EQ(h.form->tree.find(key)->caption, caption);
        const std::string heading = "<br>【" + std::to_string(++number) + "】" + caption + "<br>";
        at = body.find(heading, at);
        ASSERT_NE(at, std::string::npos) << heading;
        const size_t line = at + heading.size();
        EXPECT_GT(body.find("<br>", line), line + 20) << caption << " has no line on how to play";
    }
}

// The games in files open in the second pane over the sheet, which stays as it was.
TEST_F(GamePagesTest, FileGamesOpenInTheSecondPane) {
    for (const auto& [key, caption] : kGames) {
        const int topic = std::stoi(std::string(key).substr(1));
        const std::string file = gamePagePath(topic);
        if (topic == 61 || topic == 62) {
            EXPECT_EQ(file, "") << key;
            continue;
        }
        h.click("q6");
        const std::string intro = h.page.bodyHtml();
        h.ui.page2Path.clear();
        h.click(key);
        EXPECT_EQ(h.ui.page2Path, file) << key;
        EXPECT_EQ(h.ui.front, Pane::WebBrowser2) << key;
        EXPECT_EQ(h.page.bodyHtml(), intro) << key;
        h.finish();  // no finish button: nothing is graded
        EXPECT_EQ(h.page.bodyHtml(), intro) << key;
    }
}

TEST_F(GamePagesTest, PicturesAndGamePagesAreInTheDataDirectory) {
    std::vector<std::string> files = {"24/pp.gif", "jindu.gif", "g1.gif", "g2.gif", "g3.gif"};
    for (const auto& [key, caption] : kGames) {
        const std::string page = gamePagePath(std::stoi(std::string(key).substr(1)));
        if (!page.empty()) files.push_back(page);
    }
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
TEST_F(GamePagesTest, GamePagesShareOneStyleSheetAndOneRandomSource) {
    for (const auto& [key, caption] : kGames) {
        const std::string page = gamePagePath(std::stoi(std::string(key).substr(1)));
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
