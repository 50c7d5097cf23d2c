// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "library/revealed_answers.h"
#include "library_fixture.h"
#include "sheets/sheet.h"

namespace tally {
namespace {

using test::Harness;
using test::useTexts;

std::string puzzlesFixture() {
    return test::crLfText({"【1 不是脑筋急转弯】不该被找到答案=不该",
                     "【11 猫捉老鼠】如果5只猫在5分钟里能捉5只老鼠，需要几只猫？答案=5只猫就够了。",
                     "【807 求阴影面积】<img src=pic/2.gif border=0>答案=阴影面积是8平方厘米。\r\n"});
}

TEST(Puzzles, APuzzleIsItsQuestionAndRevealsItsAnswer) {
    const struct { const char* key; const char* tab; const char* page; const char* answer; } cases[] = {
        {"q511", "智力题", "如果5只猫在5分钟里能捉5只老鼠，需要几只猫？", "5只猫就够了。"},
        {"q5807", "应用题", "<img src=pic/2.gif border=0>", "阴影面积是8平方厘米。"},
    };
    Harness h(test::started);
    useTexts(*h.form, {{"Puzzles", puzzlesFixture()}});
    for (const auto& c : cases) {
        h.click(c.key, c.tab);
        EXPECT_EQ(h.page.bodyHtml(), c.page + std::string(kRevealButton) + "<br><br>");
        h.tick(1, 3);
        h.finish();
        EXPECT_NE(h.page.bodyHtml().find(std::string("<br><br>") + c.answer + "<br>思考用时3秒！"), std::string::npos)
            << h.page.bodyHtml();
    }
}

std::string intelligenceTestFixture() {
    std::string text;
    for (int n = 1; n <= 20; ++n) {
        text += "【" + std::to_string(n) + "】问题" + std::to_string(n) + "答案=回答" + std::to_string(n) + "\r\n";
    }
    return text;
}

// One button reveals every answer, in order, with the time; a child who is
// not the parent is told so and sees none.
TEST(IntelligenceTest, OneButtonRevealsEveryAnswerToTheParentOnly) {
    for (const bool parent : {true, false}) {
        Harness h(test::started, parent);
        useTexts(*h.form, {{"IqTest", intelligenceTestFixture()}});
        h.click("q52", "智力题");
        const std::string page = h.page.bodyHtml();
        h.tick(1, 6);
        h.finish();  // the grader is not connected on this page
        EXPECT_EQ(h.page.bodyHtml(), page);
        h.form->pageClick(RevealedAnswersFamily::kIntelligenceTestButton);
        if (!parent) {
            EXPECT_EQ(h.page.bodyHtml(), page);
            EXPECT_EQ(h.lastMessage(), "你的密码不对，不能查看答案！请向高级用户咨询密码！");
            continue;
        }
        const std::string text = h.page.bodyText();
        std::size_t from = 0;
        for (int n = 1; n <= 20; ++n) {
            const std::size_t at = text.find("第" + std::to_string(n) + "题：回答" + std::to_string(n), from);
            ASSERT_NE(at, std::string::npos) << "answer " << n << " missing or out of order";
            from = at;
        }
        EXPECT_NE(text.find("思考用时6秒！", from), std::string::npos);
    }
}

}  // namespace
}  // namespace tally
