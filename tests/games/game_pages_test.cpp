#include <gtest/gtest.h>

#include "shell/fs_data_directory.h"
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

TEST_F(GamePagesTest, SectionShowsTheGamesIntroduction) {
    h.click("q6");
    const std::string body = h.page.bodyHtml();
    EXPECT_EQ(body.find('\r'), std::string::npos);
    EXPECT_EQ(body.find('\n'), std::string::npos);
    const char* games[] = {"拍24点", "训练记忆", "找数字求和", "智力跳棋",
                           "测试心算能力", "测试点击速度", "填方格", "测试打字速度"};
    size_t at = 0;
    for (int i = 0; i < 8; ++i) {
        const std::string heading = "<br>【" + std::to_string(i + 1) + "】" + games[i] + "<br>";
        const size_t found = body.find(heading, at);
        ASSERT_NE(found, std::string::npos) << heading;
        at = found;
    }
}

TEST_F(GamePagesTest, FileGamesOpenInTheSecondPane) {
    const std::pair<const char*, const char*> cases[] = {{"q65", "flash/1.htm"}, {"q66", "flash/2.htm"}};
    for (const auto& [key, file] : cases) {
        h.click("q6");
        const std::string before = h.page.bodyHtml();
        h.click(key);
        EXPECT_EQ(h.ui.page2Path, file);
        EXPECT_EQ(h.ui.front, Pane::WebBrowser2);
        EXPECT_EQ(h.page.bodyHtml(), before);
        h.click("q61");
        EXPECT_EQ(h.ui.front, Pane::WebBrowser1);
    }
}

TEST_F(GamePagesTest, GamesWithoutAPageShowAnEmptySheet) {
    const char* keys[] = {"q63",  "q64",  "q67",  "q68",  "q69",  "q601", "q602", "q603", "q604",
                          "q606", "q607", "q608", "q609", "q610", "q611", "q612"};
    for (const char* key : keys) {
        h.click("q6");
        h.click(key);
        EXPECT_EQ(h.page.bodyHtml(), "") << key;
        EXPECT_EQ(h.ui.front, Pane::WebBrowser1) << key;
        EXPECT_EQ(h.form->gameKey, "000");
        // No finish button, so a click into the page grades nothing.
        h.finish();
        EXPECT_EQ(h.page.bodyHtml(), "") << key;
    }
}

TEST_F(GamePagesTest, PicturesAndGamePagesAreInTheDataDirectory) {
    std::vector<std::string> files = {"24/pp.gif", "jindu.gif", "g1.gif", "g2.gif", "g3.gif",
                                      "flash/1.htm", "flash/2.htm"};
    for (int value = 1; value <= 10; ++value) {
        for (char suit : {'a', 'b', 'c', 'd'}) files.push_back("24/" + std::to_string(value) + suit + ".gif");
    }
    for (const std::string& file : files) {
        const auto bytes = h.data.read(file);
        ASSERT_TRUE(bytes.has_value()) << file;
        EXPECT_GT(bytes->size(), 20u) << file;
    }
}

}  // namespace
}  // namespace tally
