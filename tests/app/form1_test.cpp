// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/toolbar_actions.h"
#include "base/content_store.h"
#include "base/topic_tag.h"
#include "support/harness.h"

namespace tally {
namespace {

using test::Harness;

TEST(StartUp, LoadsTheStartPageThenTheIntroductionHalfASecondLater) {
    Harness h(test::started);
    EXPECT_EQ(h.ui.loginDialogs, 1);
    EXPECT_EQ(h.ui.page1Path, "help.htm");
    EXPECT_EQ(h.form->tree().selectedKey(), "q1");
    EXPECT_TRUE(h.form->timers().enabled(3));

    h.tick(3);
    EXPECT_FALSE(h.form->timers().enabled(3));
    const std::string intro = ContentStore::text("Text5");
    ASSERT_GT(intro.size(), 200u);
    EXPECT_EQ(h.page.bodyHtml().find("\r\n"), std::string::npos);
    EXPECT_EQ(h.page.bodyHtml().find("<br>"), intro.find("\r\n"));
}

TEST(NodeClick, StartsTheThinkTimeCount) {
    Harness h(test::started);
    h.click("q11");
    EXPECT_TRUE(h.form->timers().enabled(1));
    h.tick(1, 12);
    EXPECT_EQ(h.ui.status, "12秒");
    h.click("q12");
    EXPECT_EQ(h.form->thinkSeconds(), 0);
}

TEST(NodeClick, AZeroTopicOfAnotherFamilyLeavesThePage) {
    Harness h(test::started);
    h.page.setBody("<p>kept</p>");
    h.form->familyContext().tree.add({"q0", "比较", "&0", ""});
    h.click("q0");
    EXPECT_EQ(h.page.bodyHtml(), "<p>kept</p>");
}

TEST(NodeClick, LimitTenLowersFiftyQuestionsToTwenty) {
    const struct {
        int before;
        const char* key;
        int after;
    } cases[] = {{50, "q11", 20}, {50, "q21", 20}, {20, "q11", 20}, {10, "q11", 10}, {50, "q17", 50}};
    for (const auto& c : cases) {
        Harness h(test::started);
        h.form->setOption(&SheetOptions::questionCount, c.before);
        h.click(c.key);
        EXPECT_EQ(h.form->options().questionCount, c.after) << c.key << " from " << c.before;
    }
}

TEST(NodeClick, HelpShowsTheIntroductionInFrontOfTheClock) {
    Harness h(test::started);
    h.click("q77", "时间转换");
    EXPECT_EQ(h.ui.front, Pane::Picture2);
    h.form->clickToolbar("w3");
    EXPECT_EQ(h.ui.front, Pane::WebBrowser1);
    EXPECT_EQ(h.page.bodyHtml(), h.form->introductionHtml());
    // Every button of the toolbar has its own line of the help, and no placeholder is left.
    const std::string help = h.page.bodyHtml();
    EXPECT_EQ(help.find("〔"), std::string::npos);
    for (const ToolbarAction& action : toolbarActions()) {
        if (action.kind != ToolbarAction::Kind::Push) continue;
        EXPECT_NE(help.find(std::string("<br>　") + action.caption + "："), std::string::npos) << action.key;
    }
}

TEST(ClockCheck, TickingStopsTheClockAndClearingStartsIt) {
    Harness h(test::started);
    h.form->clickClockCheck(true);
    EXPECT_FALSE(h.form->timers().enabled(4));
    h.form->clickClockCheck(false);
    EXPECT_TRUE(h.form->timers().enabled(4));
    h.clock.time = {15, 30, 0};
    h.tick(4);
    EXPECT_EQ(h.form->clockFace().text8(), "15");
    EXPECT_EQ(h.form->clockFace().text7(), "30");
}

TEST(PageEvents, TypingIntoAnOlderPageIsDropped) {
    Harness h(test::started);
    h.page.setBody("<input name=a>");
    const int old = h.page.generation();
    h.page.setBody("<input name=a>");
    h.form->pageInput("a", "7", old);
    EXPECT_EQ(h.page.value("a"), "");
    h.form->pageInput("a", "7", h.page.generation());
    EXPECT_EQ(h.page.value("a"), "7");
}

TEST(TopicTag, SplitsSigilAndNumber) {
    const struct {
        const char* tag;
        const char* sigil;
        int number;
    } cases[] = {{"+20", "+", 20},      {"{5111", "{", 5111},          {"×0", "×", 0},
                 {"÷10000", "÷", 10000}, {"?55555", "?", 55555},        {"{533302001", "{", 533302001},
                 {"$7x9", "$", 7},      {"#abc", "#", 0},              {"{99999999999", "{", 0},
                 {"", "", 0}};
    for (const auto& c : cases) {
        TopicTagParts parts = splitTopicTag(c.tag);
        EXPECT_EQ(parts.sigil, c.sigil) << c.tag;
        EXPECT_EQ(parts.number, c.number) << c.tag;
    }
}

}  // namespace
}  // namespace tally
