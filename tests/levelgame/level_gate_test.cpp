#include <gtest/gtest.h>

#include <functional>

#include "levelgame/level_page.h"
#include "support/harness.h"

namespace tally {
namespace {

// A window whose message box stays open while `whileOpen` runs: the place
// where the window's timers keep firing.
class ModalUi : public HeadlessUi {
public:
    std::function<void()> whileOpen;
    std::vector<std::string> bodiesWhileOpen;
    const Page* page = nullptr;

    void message(const std::string& title, const std::string& text) override {
        HeadlessUi::message(title, text);
        bodiesWhileOpen.push_back(page->bodyHtml());
        if (whileOpen) whileOpen();
    }
};

class LevelGateTest : public ::testing::Test {
protected:
    test::TempDataDir dir;
    ModalUi ui;
    HtmlPage page;
    test::ScriptedRandom random;
    test::FakeClock clock;
    FsDataDirectory data{dir.path()};
    std::unique_ptr<Form1> form;

    void SetUp() override {
        ui.loginAnswer = "238";
        ui.page = &page;
        form = std::make_unique<Form1>(Ports{ui, page, random, ui, data, clock});
        form->startUp();
        form->clickTab("加减乘除");
        form->clickNode("q511102");
        form->timerFired(5);
    }

    void choose(bool right) {
        const std::string answer = page.tag("answerguoguan");
        for (int k = 1; k <= 4; ++k) {
            const std::string radio = "R" + std::to_string(k);
            if ((page.tag(radio) == answer) != right) continue;
            form->pageMouseDown();
            form->pageMouseUp(radio);
            return;
        }
    }
    // While the box is open: the level timer twice, the countdown, the think time twice.
    void ticksWhileOpen() {
        ui.whileOpen = [this] {
            ui.whileOpen = nullptr;
            form->timerFired(5);
            form->timerFired(5);
            form->timerFired(6);
            form->timerFired(1);
            form->timerFired(1);
        };
    }
};

TEST_F(LevelGateTest, WrongChoiceIsShownBeforeItsMessageAndNoTickRunsUnderIt) {
    ticksWhileOpen();
    const int seconds = form->thinkSeconds;
    choose(false);
    ASSERT_EQ(ui.bodiesWhileOpen.size(), 1u);
    EXPECT_NE(ui.bodiesWhileOpen[0].find("(×)"), std::string::npos);
    // The restart set the level timer anew and stopped the countdown, so
    // their waiting ticks are gone; the two think-time ticks count as one.
    EXPECT_EQ(page.bodyHtml(), kLevelRetryPage);
    EXPECT_EQ(form->level.questionNo, 0);
    EXPECT_EQ(form->thinkSeconds, seconds + 1);
    EXPECT_EQ(form->timers.interval(5), 9000);
}

TEST_F(LevelGateTest, LateMessageShowsOverTheNewQuestion) {
    ticksWhileOpen();
    form->timerFired(5);
    ASSERT_EQ(ui.bodiesWhileOpen.size(), 1u);
    EXPECT_NE(ui.bodiesWhileOpen[0].find("第2题："), std::string::npos);
    EXPECT_EQ(page.bodyHtml(), kLevelRetryPage);
    EXPECT_EQ(form->level.questionNo, 0);
    EXPECT_FALSE(form->timers.enabled(6));
}

}  // namespace
}  // namespace tally
