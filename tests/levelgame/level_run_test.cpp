#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <set>
#include <utility>

#include "levelgame/level_page.h"
#include "levelgame/level_pairs.h"
#include "levelgame/level_run.h"
#include "support/harness.h"

namespace tally {
namespace {

constexpr const char* kLate = "规定时间没有答出题，只好从头开始了！";
constexpr const char* kWrong = "你答错了，只好从头开始了！";
constexpr const char* kPassed = "恭喜，你得到了100分，可以进入下一关了！";

class LevelRunTest : public ::testing::Test {
protected:
    test::Harness h;
    void SetUp() override {
        h.start();
        h.form->clickTab("加减乘除");
    }

    LevelGameState& level() { return h.form->families.levelGame.state(); }
    bool on(int timer) const { return h.form->timers.enabled(timer); }
    int interval() const { return h.form->timers.interval(kLevelTimer); }
    bool shows(const std::string& html) const { return h.page.bodyHtml().find(html) != std::string::npos; }

    void choose(const std::string& element) {
        h.form->pageMouseDown();
        h.form->pageMouseUp(element);
    }
    // The first choice that offers (or does not offer) the answer.
    std::string choice(bool right) const {
        for (int k = 1; k <= 4; ++k) {
            const std::string radio = "R" + std::to_string(k);
            if ((h.page.tag(radio) == h.page.tag("answerguoguan")) == right) return radio;
        }
        return "no such choice";
    }
    void answer(bool right) { choose(choice(right)); }
    void passLevel() {
        for (int question = 0; question < 10; ++question) {
            h.tick(kLevelTimer);
            answer(true);
        }
    }
    // The run starts again: the message, the waiting page, the first question 9 seconds away.
    void expectRestart(const char* message) {
        ASSERT_FALSE(h.ui.messages.empty());
        EXPECT_EQ(h.ui.messages.back(), std::make_pair(std::string("提示"), std::string(message)));
        EXPECT_EQ(h.page.bodyHtml(), kLevelRetryPage);
        EXPECT_EQ(level().questionNo, 0);
        EXPECT_EQ(level().levelScore, 0);
        for (const std::string& used : level().usedPairs) EXPECT_EQ(used, "");
        EXPECT_TRUE(on(kLevelTimer));
        EXPECT_EQ(interval(), 9000);
        EXPECT_FALSE(on(kCountdownTimer));
    }
};

TEST_F(LevelRunTest, FirstQuestionNineSecondsAfterStartThenOneEveryChosenTime) {
    for (const auto& [radio, ms] : {std::pair{"n1", 9000}, {"n2", 7000}, {"n3", 5000}}) {
        h.click("q5111");
        choose(radio);
        for (const char* n : {"n1", "n2", "n3"}) EXPECT_EQ(h.page.checked(n), std::string(n) == radio);
        h.click("q511103");
        EXPECT_TRUE(shows("<br><br>" + std::to_string(ms / 1000) + "秒后开始算术闯关，做好准备哦。"));
        EXPECT_TRUE(on(kLevelTimer));
        EXPECT_EQ(interval(), 9000);
        EXPECT_FALSE(on(kCountdownTimer));
        h.tick(kLevelTimer);
        EXPECT_TRUE(shows("第1关：<span id=spanguan></span><br><br>第1题："));
        EXPECT_EQ(interval(), ms);
        for (int left = ms / 1000 - 1; left >= 1; --left) {
            h.tick(kCountdownTimer);
            EXPECT_TRUE(shows("<span id=spanguan>" + std::to_string(left) + "秒</span>")) << left;
        }
        h.tick(kCountdownTimer);
        EXPECT_FALSE(on(kCountdownTimer));
        EXPECT_TRUE(shows("<span id=spanguan>1秒</span>"));
    }
}

// A question left unanswered restarts the level at the next tick; a second
// click after a right answer counts as wrong. Neither leaves a record.
TEST_F(LevelRunTest, LateAndWrongAnswersRestartTheLevel) {
    h.click("q5111");
    choose("n2");
    h.click("q511104");
    h.tick(kLevelTimer);
    answer(true);
    EXPECT_EQ(level().levelScore, 10);
    EXPECT_NE(h.page.bodyText().find("(√)10"), std::string::npos);
    EXPECT_TRUE(shows("</span><img src=jindu.gif>"));
    h.tick(kLevelTimer);
    h.tick(kCountdownTimer, 2);
    EXPECT_TRUE(h.ui.messages.empty());
    h.tick(kLevelTimer);
    expectRestart(kLate);

    h.tick(kLevelTimer);
    EXPECT_TRUE(shows("第1题："));
    EXPECT_EQ(interval(), 7000);
    const std::string right = choice(true);
    choose(right);
    EXPECT_EQ(h.ui.messages.size(), 1u);
    choose(right);
    expectRestart(kWrong);
    EXPECT_TRUE(h.record.stored.empty()) << "a restarted run is no marked sheet";
}

// After the tenth question no tick follows, so it cannot time out. A passed
// level is recorded. The range follows the levels of all four operations,
// later rules winning; a new run starts in the first range but keeps its level.
TEST_F(LevelRunTest, TenRightAnswersPassTheLevelAndWidenTheRange) {
    h.click("q511103");
    for (int question = 1; question <= 9; ++question) {
        h.tick(kLevelTimer);
        answer(true);
    }
    h.tick(kLevelTimer);
    EXPECT_TRUE(shows("第10题："));
    EXPECT_TRUE(shows("</span><img src=jindu.gif><img src=jindu.gif><img src=jindu.gif><img src=jindu.gif>"
                      "<img src=jindu.gif><img src=jindu.gif><img src=jindu.gif><img src=jindu.gif>"
                      "<img src=jindu.gif><br>"));
    EXPECT_FALSE(on(kLevelTimer));
    h.tick(kCountdownTimer, 20);
    h.tick(kLevelTimer, 3);
    EXPECT_TRUE(h.ui.messages.empty());
    answer(true);
    ASSERT_EQ(h.ui.messages.size(), 1u);
    EXPECT_EQ(h.ui.messages.back().second, kPassed);
    EXPECT_EQ(h.page.bodyHtml(), "做好准备！第 2关开始了！<br><br><img src=g1.gif>");
    EXPECT_EQ(level().numberLimit, 20);
    EXPECT_EQ(interval(), 9000);
    // A passed level is a marked sheet: ten right of ten.
    ASSERT_EQ(h.record.stored.size(), 1u);
    const MarkedSheet& stored = h.record.stored[0];
    EXPECT_EQ(stored.topicKey, "q511103");
    EXPECT_TRUE(stored.questions == 10 && stored.right == 10 && stored.score == 100 && stored.missed.empty());

    h.click("q511104");
    EXPECT_EQ(level().numberLimit, 31);
    passLevel();
    EXPECT_EQ(level().numberLimit, 50);
    h.click("q511102");
    EXPECT_EQ(level().numberLimit, 10);
    passLevel();
    EXPECT_EQ(level().numberLimit, 50);  // addition level 1 alone would give 20
    EXPECT_EQ(level().levelCounter, (std::array<int, 4>{1, 1, 1, 0}));
    h.click("q511103");
    EXPECT_EQ(level().numberLimit, 10);
    h.tick(kLevelTimer);
    EXPECT_TRUE(shows("第2关："));
}

TEST_F(LevelRunTest, LimitRulesApplyInTheirOrder) {
    struct Case { std::array<int, 4> counters; int before; int after; };
    const Case cases[] = {{{0, 2, 0, 0}, 10, 50}, {{3, 0, 0, 0}, 10, 100}, {{1, 4, 0, 0}, 10, 200},
                          {{5, 0, 0, 0}, 10, 10}, {{1, 0, 2, 0}, 31, 81},  {{0, 0, 2, 1}, 31, 50},
                          {{0, 0, 3, 0}, 81, 81}, {{0, 0, 0, 4}, 31, 31},  {{1, 0, 3, 0}, 81, 20}};
    for (const Case& c : cases) {
        level().levelCounter = c.counters;
        level().numberLimit = c.before;
        h.form->timers.setEnabled(kCountdownTimer, true);
        FamilyContext context = h.form->familyContext();
        updateLevelLimit(context, h.form->families.levelGame.state());
        EXPECT_EQ(level().numberLimit, c.after) << c.counters[0] << c.counters[1] << c.counters[2] << c.counters[3];
        EXPECT_FALSE(on(kCountdownTimer));
    }
}

// Every question read back from the page, in the first range and in a wider
// one: its answer worked out from the shown numbers, its operands in range
// and not asked before in the run.
TEST_F(LevelRunTest, QuestionsOfManyRunsAreRightAndNeverRepeat) {
    static const std::regex question("第(\\d+)题：(\\d+)(\\+|-|×|÷)(\\d+)=");
    const std::pair<int, int> ranges[] = {{kLevelAddition, 10},       {kLevelAddition, 200}, {kLevelSubtraction, 10},
                                          {kLevelSubtraction, 50},    {kLevelMultiplication, 31},
                                          {kLevelMultiplication, 20}, {kLevelDivision, 81}};
    for (const auto& [op, limit] : ranges) {
        h.click("q51110" + std::to_string(op + 2));
        level().numberLimit = limit;
        for (int run = 0; run < 20; ++run) {
            std::set<std::pair<int, int>> pairs;
            for (int number = 1; number <= 10; ++number) {
                h.tick(kLevelTimer);
                std::smatch m;
                const std::string html = h.page.bodyHtml();
                ASSERT_TRUE(std::regex_search(html, m, question) && std::stoi(m[1]) == number) << html;
                const int x = std::stoi(m[2]);
                const int y = std::stoi(m[4]);
                const int answers[] = {x + y, x - y, x * y, x / y};
                EXPECT_EQ(h.page.tag("answerguoguan"), std::to_string(answers[op]));
                EXPECT_TRUE(op != kLevelDivision || x % y == 0) << x << "÷" << y;
                const int a = op == kLevelSubtraction ? x - y : op == kLevelDivision ? x / y : x;
                EXPECT_TRUE(pairs.insert({a, y}).second) << "repeats " << a << "," << y;
                const bool inRange = op >= kLevelMultiplication ? a <= 9 && y <= 9 && a * y <= limit
                                                                : 1 <= y && y < a && a < limit;
                EXPECT_TRUE(inRange) << limit << ": " << a << "," << y;
                if (number < 10) answer(true);
            }
            // A wrong tenth answer keeps the level and the range for the next run.
            answer(false);
            EXPECT_EQ(h.ui.messages.back().second, kWrong);
        }
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

TEST(LevelGateTest, MessagesShowOverTheirPageAndNoTickRunsUnderThem) {
    test::TempDataDir dir;
    ModalUi ui;
    HtmlPage page;
    test::ScriptedRandom random;
    test::FakeClock clock;
    FsDataDirectory data{dir.path()};
    Form1 form(Ports{ui, page, random, ui, data, clock});
    ui.loginAnswer = "238";
    ui.page = &page;
    form.startUp();
    form.clickTab("加减乘除");
    form.clickNode("q511102");
    // While the box is open: the level timer twice, the countdown, the think time twice.
    const auto ticksWhileOpen = [&] {
        ui.whileOpen = [&] {
            for (int timer : {kLevelTimer, kLevelTimer, kCountdownTimer, 1, 1}) form.timerFired(timer);
        };
    };

    form.timerFired(kLevelTimer);
    ticksWhileOpen();
    form.timerFired(kLevelTimer);
    ASSERT_EQ(ui.bodiesWhileOpen.size(), 1u);
    EXPECT_NE(ui.bodiesWhileOpen[0].find("第2题："), std::string::npos);
    EXPECT_EQ(page.bodyHtml(), kLevelRetryPage);
    EXPECT_FALSE(form.timers.enabled(kCountdownTimer));

    form.timerFired(kLevelTimer);
    const int seconds = form.thinkSeconds;
    ticksWhileOpen();
    form.pageMouseDown();
    form.pageMouseUp(page.tag("R1") == page.tag("answerguoguan") ? "R2" : "R1");
    ASSERT_EQ(ui.bodiesWhileOpen.size(), 2u);
    EXPECT_NE(ui.bodiesWhileOpen[1].find("(×)"), std::string::npos);
    // The restart set the level timer anew and stopped the countdown, so
    // their waiting ticks are gone; the two think-time ticks count as one.
    EXPECT_EQ(page.bodyHtml(), kLevelRetryPage);
    EXPECT_EQ(form.families.levelGame.state().questionNo, 0);
    EXPECT_EQ(form.thinkSeconds, seconds + 1);
    EXPECT_EQ(form.timers.interval(kLevelTimer), 9000);
}

TEST(LevelPageTest, PassedPageShowsTheRewardsOfAllOperations) {
    const std::pair<std::array<int, 4>, const char*> cases[] = {
        {{0, 2, 0, 0}, "<br><br><img src=g2.gif>"},
        {{2, 1, 0, 0}, "<br><br><img src=g1.gif><br><br><img src=g2.gif>"},
        {{0, 7, 1, 2}, "<br><br><img src=g1.gif><br><br><img src=g2.gif><br><br><img src=g3.gif>"},
    };
    for (const auto& [counters, rewards] : cases) {
        EXPECT_EQ(levelPassedPage(5, counters), std::string("做好准备！第 5关开始了！") + rewards);
    }
}

// A source stuck on one value: the draw must still come back.
class StuckRandom : public RandomSource {
public:
    explicit StuckRandom(double value) : value_(value) {}
    double next() override { return value_; }

private:
    double value_;
};

TEST(LevelPairsTest, APairOverTheLimitStaysInTheListAndNoDrawHangs) {
    test::ScriptedRandom random;
    for (double value : {0.9, 0.9, 0.34, 0.8, 0.9, 0.9, 0.23, 0.7}) random.push(value);  // 9x9, 4x8, 9x9, 3x7
    std::string used;
    LevelPair pair = drawLevelPair(random, kLevelDivision, 31, used);
    EXPECT_EQ(std::make_pair(pair.a, pair.b), std::make_pair(3, 7));
    EXPECT_EQ(used, "|99||48||37|");

    // Stuck on the only pair of a tiny range, already used: the list starts anew.
    StuckRandom low(0.0);
    used = "|21|";
    pair = drawLevelPair(low, kLevelAddition, 3, used);
    EXPECT_EQ(std::make_pair(pair.a, pair.b), std::make_pair(2, 1));
    EXPECT_EQ(used, "|21|");
    // Stuck on 9 x 9, over the limit: the first free pair under the limit.
    StuckRandom high(0.999);
    used = "|11|";
    pair = drawLevelPair(high, kLevelMultiplication, 31, used);
    EXPECT_EQ(std::make_pair(pair.a, pair.b), std::make_pair(1, 2));
    EXPECT_EQ(used, "|11||99||12|");
}

}  // namespace
}  // namespace tally
