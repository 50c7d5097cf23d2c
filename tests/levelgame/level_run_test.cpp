// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <utility>

#include "levelgame/level_page.h"
#include "levelgame/level_run.h"
#include "support/harness.h"
#include "support/text_helpers.h"

namespace tally {
namespace {

constexpr const char* kPassed = "恭喜，你答对了10道题，可以进入下一关了！";

class LevelRunTest : public ::testing::Test {
protected:
    test::Harness h{test::started};
    void SetUp() override { h.form->clickTab("加减乘除"); }

    LevelGameState& level() { return h.form->families().levelGame.state(); }
    bool on(int timer) const { return h.form->timers().enabled(timer); }
    int interval() const { return h.form->timers().interval(kLevelTimer); }
    bool shows(const std::string& html) const { return h.page.bodyHtml().find(html) != std::string::npos; }
    // What the page's span of this id holds.
    std::string span(const std::string& id) const {
        const std::string html = h.page.bodyHtml();
        const size_t at = html.find("<span id=" + id);
        if (at == std::string::npos) return "";
        const size_t from = html.find('>', at) + 1;
        return html.substr(from, html.find("</span>", from) - from);
    }
    // The question as the page shows it: "7+4=".
    std::string question() const {
        const std::string html = h.page.bodyHtml();
        const size_t from = html.find("题：") + std::string("题：").size();
        return html.substr(from, html.find(" <input", from) - from);
    }

    void choose(const std::string& element) {
        h.form->pageMouseDown();
        h.form->pageMouseUp(element);
    }
    void key(const std::string& name) { h.form->pageKey(name, h.page.generation()); }
    // The radio that offers the answer of the question's box (or the first that does not).
    int radio(bool right) const {
        for (int k = 1; k <= 4; ++k) {
            if ((h.page.tag("R" + std::to_string(k)) == h.page.tag("answerguoguan")) == right) return k;
        }
        return 0;
    }
    void answer(bool right) { choose("R" + std::to_string(radio(right))); }
    // Ten right answers from the question on the page on; the next question
    // comes with the engine's tick after each.
    void passLevel() {
        for (int question = 0; question < 10; ++question) {
            if (question > 0) h.tick(kLevelTimer);
            answer(true);
        }
    }
};

// The first question comes at once, its clock on the time chosen, counting
// down to 0; a question left unanswered costs a life, says so with its
// answer, and the next comes a little later.
TEST_F(LevelRunTest, FirstQuestionAtOnceThenOneEveryChosenTime) {
    for (const auto& [radio, ms] : {std::pair{"n1", 9000}, {"n2", 7000}, {"n3", 5000}}) {
        h.click("q5111");
        choose(radio);
        h.click("q511103");
        EXPECT_EQ(interval(), ms);
        for (int left = ms / 1000 - 1; left >= 0; --left) {
            h.tick(kCountdownTimer);
            EXPECT_EQ(span("spanguan"), std::to_string(left) + "秒");
        }
        EXPECT_FALSE(on(kCountdownTimer));
        const std::string missed = h.page.tag("answerguoguan");
        h.tick(kLevelTimer);
        EXPECT_EQ(span("feedback"), "时间到了！正确答案是" + missed + "。还有2条命。");
        EXPECT_EQ(interval(), 2500);
        h.tick(kLevelTimer);  // the next question
        EXPECT_EQ(interval(), ms);
    }
}

// A wrong answer or a late one costs one life each; a question answered
// takes no second answer; the third life lost ends the level with a message
// (its page and its timer: the gate's test) and starts it again from its
// first question, kept nowhere.
TEST_F(LevelRunTest, WrongAndLateAnswersCostALifeAndTheThirdLosesTheLevel) {
    h.click("q511104");
    const std::string right = h.page.tag("answerguoguan");
    answer(false);
    EXPECT_EQ(span("feedback"), "答错了，正确答案是" + right + "。还有2条命。");
    EXPECT_EQ(span("lives"), "♥♥♡");
    EXPECT_FALSE(on(kCountdownTimer));
    const std::string answered = h.page.bodyHtml();
    answer(true);
    key("Enter");
    EXPECT_EQ(h.page.bodyHtml(), answered);

    h.tick(kLevelTimer);
    answer(true);
    EXPECT_EQ(interval(), 1000);
    h.tick(kLevelTimer, 2);  // the next question, and its time is up
    EXPECT_EQ(span("lives"), "♥♡♡");
    h.tick(kLevelTimer);
    answer(false);
    EXPECT_EQ(h.ui.messages, (std::vector<std::pair<std::string, std::string>>{
                                 {"提示", "三条命都用完了，第1关要从头再来！"}}));
    for (const std::string& used : level().usedPairs) EXPECT_EQ(used, "");
    h.tick(kLevelTimer);
    EXPECT_TRUE(shows("第1关：") && shows("第1题："));
    EXPECT_EQ(span("lives"), "♥♥♥");
    EXPECT_TRUE(h.record.stored.empty());
}

// The whole level by keyboard, as the page's keys reach the model: 1..4 and
// the arrows choose (the box shows the choice), Enter answers; a number typed
// in the box (in any width) answers with Enter too; Enter with nothing chosen
// only gives a hint. The passed level is kept with its one miss.
TEST_F(LevelRunTest, PlayedByKeyboardToTheEndOfALevel) {
    h.click("q511102");
    key("Enter");
    EXPECT_EQ(span("lives"), "♥♥♥");
    EXPECT_NE(span("feedback").find("先选一个答案"), std::string::npos);

    // Arrows from nothing chosen: right and down start at the first, left and up at the last; both wrap.
    const struct {
        const char* key;
        int chosen;
    } moves[] = {{"ArrowRight", 1}, {"ArrowDown", 2}, {"ArrowLeft", 1}, {"ArrowUp", 4}, {"ArrowRight", 1},
                 {"3", 3},          {"x", 3},         {"4", 4},         {"ArrowDown", 1}};
    for (const auto& move : moves) {
        key(move.key);
        for (int k = 1; k <= 4; ++k) {
            EXPECT_EQ(h.page.checked("R" + std::to_string(k)), k == move.chosen) << move.key;
        }
        EXPECT_EQ(h.page.value("answerguoguan"), h.page.tag("R" + std::to_string(move.chosen))) << move.key;
    }
    // A key of an older page does nothing.
    h.form->pageKey("2", h.page.generation() - 1);
    EXPECT_TRUE(h.page.checked("R1"));

    const std::string missed = question(), correct = h.page.tag("answerguoguan");
    key(std::to_string(radio(false)));
    key("Enter");
    EXPECT_EQ(span("lives"), "♥♥♡");

    for (int number = 2; number <= 11; ++number) {
        h.tick(kLevelTimer);
        ASSERT_TRUE(shows("第" + std::to_string(number) + "题：")) << number;
        if (number % 2) {
            key(std::to_string(radio(true)));
        } else {
            h.type("answerguoguan", test::fullWidth(h.page.tag("answerguoguan")));  // as a Chinese input method types
        }
        key("Enter");
    }
    EXPECT_EQ(h.lastMessage(), kPassed);
    ASSERT_EQ(h.record.stored.size(), 1u);
    const MarkedSheet& stored = h.record.stored[0];
    EXPECT_EQ(stored.score, 91);  // 10 of 11
    ASSERT_EQ(stored.missed.size(), 1u);
    EXPECT_EQ(stored.missed[0].correct, correct);
    EXPECT_EQ(stored.missed[0].question, missed + kAnswerBlank);
}

// A passed level counts and widens the range (its rules in their order, the
// next test); a new run starts in the first range but keeps its level.
TEST_F(LevelRunTest, TenRightAnswersPassTheLevelAndWidenTheRange) {
    h.click("q511103");
    passLevel();
    EXPECT_EQ(level().numberLimit, 20);
    h.click("q511104");
    EXPECT_EQ(level().numberLimit, 31);
    passLevel();
    EXPECT_EQ(level().levelCounter, (std::array<int, 4>{0, 1, 1, 0}));
    h.click("q511103");
    EXPECT_EQ(level().numberLimit, 10);
    EXPECT_TRUE(shows("第2关："));
}

TEST_F(LevelRunTest, LimitRulesApplyInTheirOrder) {
    struct Case {
        std::array<int, 4> counters;
        int before;
        int after;
    };
    const Case cases[] = {{{0, 2, 0, 0}, 10, 50}, {{3, 0, 0, 0}, 10, 100}, {{1, 4, 0, 0}, 10, 200},
                          {{5, 0, 0, 0}, 10, 10}, {{1, 0, 2, 0}, 31, 81},  {{0, 0, 2, 1}, 31, 50},
                          {{0, 0, 3, 0}, 81, 81}, {{0, 0, 0, 4}, 31, 31},  {{1, 0, 3, 0}, 81, 20}};
    for (const Case& c : cases) {
        level().levelCounter = c.counters;
        level().numberLimit = c.before;
        h.form->familyContext().timers.setEnabled(kCountdownTimer, true);
        FamilyContext context = h.form->familyContext();
        updateLevelLimit(context, h.form->families().levelGame.state());
        EXPECT_EQ(level().numberLimit, c.after) << c.counters[0] << c.counters[1] << c.counters[2] << c.counters[3];
        EXPECT_FALSE(on(kCountdownTimer));
    }
}

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
        if (auto run = std::exchange(whileOpen, nullptr)) run();
    }
};

TEST(LevelGateTest, TheEndOfALevelShowsOverItsPageAndNoTickRunsUnderIt) {
    test::TestData dir;
    ModalUi ui;
    HtmlPage page;
    test::ScriptedRandom random;
    test::FakeClock clock;
    FsDataDirectory data{dir.directory()};
    Form1 form(Ports{ui, page, random, ui, data, clock});
    ui.loginAnswer = "238";
    ui.page = &page;
    form.startUp();
    form.clickTab("加减乘除");
    form.clickNode("q511102");
    for (int tick = 0; tick < 4; ++tick) form.timerFired(kLevelTimer);  // two questions left: two lives lost
    EXPECT_TRUE(ui.messages.empty());

    // While the box is open: the level timer twice, the countdown, the think time twice.
    ui.whileOpen = [&] {
        for (int timer : {kLevelTimer, kLevelTimer, kCountdownTimer, 1, 1}) form.timerFired(timer);
    };
    const int seconds = form.thinkSeconds();
    form.pageMouseDown();
    form.pageMouseUp(page.tag("R1") == page.tag("answerguoguan") ? "R2" : "R1");
    ASSERT_EQ(ui.bodiesWhileOpen.size(), 1u);
    EXPECT_NE(ui.bodiesWhileOpen[0].find("第3题："), std::string::npos);
    // The lost level set the level timer anew and stopped the countdown, so
    // their waiting ticks are gone; the two think-time ticks count as one.
    EXPECT_EQ(page.bodyHtml(), levelLostPage(1));
    EXPECT_EQ(form.thinkSeconds(), seconds + 1);
    EXPECT_EQ(form.timers().interval(kLevelTimer), 3000);
}

}  // namespace
}  // namespace tally
