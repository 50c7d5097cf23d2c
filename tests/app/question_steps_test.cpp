// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "support/file_harness.h"

// The way to a missed answer is for eyes that may see the answer: the parent
// gets 看看怎么算 beside each ×, opening and closing the steps under it; a
// child alone gets neither the button nor the steps. The steps open with the
// kind of error the miss was marked with.
namespace tally {
namespace {

TEST(QuestionSteps, ThePageShowsStepsOnlyToWhoMaySeeTheAnswers) {
    const struct { const char* who; bool parent; } cases[] = {{"child alone", false}, {"parent", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.who);
        test::FileHarness h(c.parent);
        h.practising("小明", 1);
        h.start();
        h.click("k1110", "口算");  // 20以内进位加法: every question has steps
        const std::string right = h.page.tag("answer2");
        h.type("answer2", right.substr(1));  // the ones of the sum alone: the carry dropped
        h.finish();
        const std::string marked = h.page.bodyHtml();
        EXPECT_EQ(h.page.has("steps2"), c.parent);
        if (c.parent) {
            // Right behind the question's mark.
            EXPECT_LT(marked.find("(×", marked.find("name=answer2")), marked.find("name=steps2"));
        }
        h.form->pageClick("steps2");
        EXPECT_EQ(h.page.has("stepsbox2"), c.parent);
        EXPECT_EQ(h.page.bodyHtml().find("凑十法") != std::string::npos, c.parent);
        if (!c.parent) continue;
        EXPECT_EQ(h.page.attribute("stepsbox2", "style"), "display:block");
        EXPECT_NE(h.page.bodyHtml().find("这道题是忘了进位。"), std::string::npos) << "the steps open with what went wrong";
        h.form->pageClick("steps2");
        EXPECT_EQ(h.page.attribute("stepsbox2", "style"), "display:none");
    }
}

}  // namespace
}  // namespace tally
