#include <gtest/gtest.h>

#include "shell/gbk.h"
#include "support/harness.h"

namespace tally {
namespace {

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
    EXPECT_EQ(captions.front(), "小学1年级上 {522202");
    EXPECT_EQ(captions[10], "小学6年级上 {522212");
    EXPECT_EQ(captions[11], "小学6年级下 {522213");
}

TEST_F(SummaryTest, HalfYearShowsItsSummaryInTheFirstPane) {
    const std::string summary = "<h1>小学6年级下</h1>\r\n<ul><li>比例：3∶4＝6∶8</li></ul>";
    h.dir.write("lessons/summary/13.txt", *utf8ToGbk(summary));
    h.click("q522213");
    EXPECT_EQ(h.ui.front, Pane::WebBrowser1);
    EXPECT_EQ(h.page.bodyText().find("比例：3∶4＝6∶8") != std::string::npos, true) << h.page.bodyHtml();
    EXPECT_NE(h.page.bodyHtml().find("<h1>小学6年级下</h1>"), std::string::npos);
}

TEST_F(SummaryTest, MissingSummaryAndTheIntroductionAreNeverBlank) {
    std::filesystem::remove(h.dir.path() / "lessons/summary/02.txt");
    h.click("q522202");
    EXPECT_NE(h.page.bodyHtml().find("<h1>小学1年级上</h1>"), std::string::npos);
    EXPECT_NE(h.page.bodyText().find("准备中"), std::string::npos);
    h.click("q5222");
    EXPECT_NE(h.page.bodyHtml().find("<h1>小学各年级知识点总结</h1>"), std::string::npos);
    EXPECT_FALSE(h.page.has("finish"));
}

}  // namespace
}  // namespace tally
