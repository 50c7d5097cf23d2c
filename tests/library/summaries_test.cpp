#include <gtest/gtest.h>

#include "library/summaries.h"
#include "shell/gbk.h"
#include "support/harness.h"

namespace tally {
namespace {

TEST(Summaries, FileOfEachHalfYear) {
    const std::pair<int, const char*> cases[] = {{522202, "lessons/summary/02.txt"},
                                                 {522209, "lessons/summary/09.txt"},
                                                 {522213, "lessons/summary/13.txt"},
                                                 {5222, ""},
                                                 {522201, ""},
                                                 {522214, ""}};
    for (const auto& [topic, path] : cases) EXPECT_EQ(summaryFilePath(topic), path) << topic;
    EXPECT_TRUE(isSummaryTopic(5222));
    EXPECT_FALSE(isSummaryTopic(522214));
    EXPECT_FALSE(isSummaryTopic(5333));
}

class SummaryTest : public ::testing::Test {
protected:
    test::Harness h;
    void SetUp() override {
        h.start();
        h.form->clickTab("同步教学");
    }
};

TEST_F(SummaryTest, TwelveHalfYearsInOrder) {
    std::vector<std::string> captions;
    for (const TopicNode& node : h.form->tree.nodes()) {
        if (node.parent == "q5222") captions.push_back(node.caption + " " + node.tag);
    }
    ASSERT_EQ(captions.size(), 12u);
    EXPECT_EQ(captions.front(), "小学1年纪上 {522202");
    EXPECT_EQ(captions[10], "小学6年纪上 {522212");
    EXPECT_EQ(captions[11], "小学6年纪下 {522213");
}

TEST_F(SummaryTest, HalfYearShowsItsSummaryInTheFirstPane) {
    const std::string summary = "<h1>小学6年纪下</h1>\r\n<ul><li>比例：3∶4＝6∶8</li></ul>";
    h.dir.write("lessons/summary/13.txt", *utf8ToGbk(summary));
    h.click("q522213");
    EXPECT_EQ(h.ui.front, Pane::WebBrowser1);
    EXPECT_EQ(h.page.bodyText().find("比例：3∶4＝6∶8") != std::string::npos, true) << h.page.bodyHtml();
    EXPECT_NE(h.page.bodyHtml().find("<h1>小学6年纪下</h1>"), std::string::npos);
}

TEST_F(SummaryTest, MissingSummaryAndTheIntroductionAreNeverBlank) {
    std::filesystem::remove(h.dir.path() / "lessons/summary/02.txt");
    h.click("q522202");
    EXPECT_NE(h.page.bodyHtml().find("<h1>小学1年纪上</h1>"), std::string::npos);
    EXPECT_NE(h.page.bodyText().find("准备中"), std::string::npos);
    h.click("q5222");
    EXPECT_NE(h.page.bodyHtml().find("<h1>小学各年纪知识点总结</h1>"), std::string::npos);
    EXPECT_FALSE(h.page.has("finish"));
}

}  // namespace
}  // namespace tally
