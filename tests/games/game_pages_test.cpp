#include <gtest/gtest.h>

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
    EXPECT_EQ(body.find_first_of("\r\n"), std::string::npos);
    const char* games[] = {"拍24点", "训练记忆", "找数字求和", "智力跳棋",
                           "测试心算能力", "测试点击速度", "填方格", "测试打字速度"};
    size_t at = 0;
    for (int i = 0; i < 8; ++i) {
        at = body.find("<br>【" + std::to_string(i + 1) + "】" + games[i] + "<br>", at);
        ASSERT_NE(at, std::string::npos) << games[i];
    }
}

// The games in files open in the second pane over the sheet; the others show an empty sheet.
TEST_F(GamePagesTest, GamesWithoutAPageOfTheirOwn) {
    const std::pair<const char*, std::string> cases[] = {{"q65", "flash/1.htm"}, {"q66", "flash/2.htm"}, {"q63", ""},
                                                         {"q64", ""}, {"q69", ""}, {"q601", ""}, {"q612", ""}};
    for (const auto& [key, file] : cases) {
        h.click("q6");
        const std::string intro = h.page.bodyHtml();
        h.ui.page2Path.clear();
        h.click(key);
        EXPECT_EQ(h.ui.page2Path, file) << key;
        EXPECT_EQ(h.ui.front, file.empty() ? Pane::WebBrowser1 : Pane::WebBrowser2) << key;
        EXPECT_EQ(h.page.bodyHtml(), file.empty() ? "" : intro) << key;
        h.finish();  // no finish button: nothing is graded
        EXPECT_EQ(h.page.bodyHtml(), file.empty() ? "" : intro) << key;
    }
}

TEST_F(GamePagesTest, PicturesAndGamePagesAreInTheDataDirectory) {
    std::vector<std::string> files = {"24/pp.gif", "jindu.gif", "g1.gif", "g2.gif", "g3.gif", "flash/1.htm",
                                      "flash/2.htm"};
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
