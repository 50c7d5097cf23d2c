#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "levelgame/level_page.h"
#include "levelgame/level_run.h"
#include "support/harness.h"

namespace tally {
namespace {

constexpr const char* kLate = "规定时间没有答出题，只好从头开始了！";
constexpr const char* kWrong = "你答错了，只好从头开始了！";
constexpr const char* kPassed = "恭喜，你得到了100分，可以进入下一关了！";

struct Shown {
    int number = 0;
    int first = 0;
    std::string sign;
    int second = 0;
};

class LevelRunTest : public ::testing::Test {
protected:
    test::Harness h;
    void SetUp() override {
        h.start();
        h.form->clickTab("加减乘除");
    }

    LevelGameState& level() { return h.form->level; }
    std::string body() const { return h.page.bodyHtml(); }
    bool timerOn(int timer) const { return h.form->timers.enabled(timer); }
    int interval(int timer) const { return h.form->timers.interval(timer); }

    void choose(const std::string& element) {
        h.form->pageMouseDown();
        h.form->pageMouseUp(element);
    }
    std::string radioWith(bool right) const {
        const std::string answer = h.page.tag("answerguoguan");
        for (int k = 1; k <= 4; ++k) {
            const std::string radio = "R" + std::to_string(k);
            if ((h.page.tag(radio) == answer) == right) return radio;
        }
        return "";
    }
    void answerRight() { choose(radioWith(true)); }
    void passLevel() {
        for (int question = 0; question < 10; ++question) {
            h.tick(5);
            answerRight();
        }
    }
    Shown shown() const {
        static const std::regex question("第(\\d+)题：(\\d+)(\\+|-|×|÷)(\\d+)=");
        std::smatch m;
        const std::string html = body();
        if (!std::regex_search(html, m, question)) return {};
        return {std::stoi(m[1]), std::stoi(m[2]), m[3], std::stoi(m[4])};
    }
};

TEST_F(LevelRunTest, SelectingAnOperationWaitsNineSecondsWhateverTheDifficulty) {
    const std::pair<const char*, int> difficulties[] = {{"n1", 9000}, {"n2", 7000}, {"n3", 5000}};
    for (const auto& [radio, ms] : difficulties) {
        h.click("q5111");
        choose(radio);
        EXPECT_EQ(h.form->msPerQuestion, ms);
        h.click("q511103");
        EXPECT_EQ(h.form->gameKey, "511103");
        EXPECT_EQ(body(), levelSetupPage(ms) + levelStartNotice(ms));
        EXPECT_TRUE(timerOn(5));
        EXPECT_EQ(interval(5), 9000);
        EXPECT_FALSE(timerOn(6));
        h.tick(5);
        EXPECT_EQ(shown().number, 1);
        EXPECT_EQ(interval(5), ms);
        EXPECT_EQ(level().countdownSeconds, ms / 1000);
    }
}

TEST_F(LevelRunTest, CountdownShowsTheSecondsLeft) {
    for (const auto& [radio, ms] : {std::pair{"n1", 9000}, {"n2", 7000}, {"n3", 5000}}) {
        h.click("q5111");
        choose(radio);
        h.click("q511102");
        h.tick(5);
        EXPECT_NE(body().find("<span id=spanguan></span>"), std::string::npos);
        EXPECT_TRUE(timerOn(6));
        for (int left = ms / 1000 - 1; left >= 1; --left) {
            h.tick(6);
            EXPECT_NE(body().find("<span id=spanguan>" + std::to_string(left) + "秒</span>"), std::string::npos)
                << body();
        }
        h.tick(6);
        EXPECT_FALSE(timerOn(6));
        EXPECT_EQ(level().countdownSeconds, 0);
        EXPECT_NE(body().find("<span id=spanguan>1秒</span>"), std::string::npos);
    }
}

TEST_F(LevelRunTest, QuestionsOfEachOperation) {
    struct Case {
        const char* key;
        double draws[3];
        const char* question;
        const char* answer;
    };
    // Operands 7 and 3 (or 4 and 6), the right choice on R2.
    const Case cases[] = {
        {"q511102", {0.65, 0.4, 0.3}, "第1题：7+3=", "10"},
        {"q511103", {0.65, 0.4, 0.3}, "第1题：10-3=", "7"},
        {"q511104", {0.35, 0.6, 0.3}, "第1题：4×6=", "24"},
        {"q511105", {0.35, 0.6, 0.3}, "第1题：24÷6=", "4"},
    };
    for (const Case& c : cases) {
        h.click(c.key);
        for (double value : c.draws) h.random.push(value);
        h.tick(5);
        EXPECT_NE(body().find(std::string("第1关：<span id=spanguan></span>") + "<br><br>" + c.question),
                  std::string::npos)
            << body();
        EXPECT_EQ(h.page.tag("answerguoguan"), c.answer);
        EXPECT_EQ(radioWith(true), "R2");
        const int answer = std::stoi(c.answer);
        for (int k = 1; k <= 4; ++k) EXPECT_EQ(h.page.tag("R" + std::to_string(k)), std::to_string(answer - 2 + k));
    }
}

TEST_F(LevelRunTest, RightChoiceScoresAndASecondClickIsWrong) {
    h.click("q511102");
    h.tick(5);
    const std::string right = radioWith(true);
    choose(right);
    EXPECT_EQ(level().levelScore, 10);
    EXPECT_TRUE(h.page.checked(right));
    EXPECT_EQ(h.page.value("answerguoguan"), h.page.tag(right));
    EXPECT_EQ(h.page.tag("answerguoguan"), "");
    EXPECT_NE(h.page.bodyText().find("(√)10"), std::string::npos);
    EXPECT_EQ(h.page.countNamed("spanguan"), 1);
    EXPECT_NE(body().find("</span><img src=jindu.gif>"), std::string::npos);
    EXPECT_TRUE(h.ui.messages.empty());

    choose(right);
    ASSERT_EQ(h.ui.messages.size(), 1u);
    EXPECT_EQ(h.ui.messages.back(), std::make_pair(std::string("提示"), std::string(kWrong)));
    EXPECT_EQ(body(), kLevelRetryPage);
    EXPECT_EQ(level().levelScore, 0);
    EXPECT_EQ(level().questionNo, 0);
    EXPECT_TRUE(timerOn(5));
    EXPECT_EQ(interval(5), 9000);
}

TEST_F(LevelRunTest, AQuestionLeftUnansweredRestartsAtTheNextTick) {
    h.click("q5111");
    choose("n2");
    h.click("q511104");
    h.tick(5);
    answerRight();
    h.tick(5);
    h.tick(6, 2);
    EXPECT_TRUE(h.ui.messages.empty());
    h.tick(5);
    ASSERT_EQ(h.ui.messages.size(), 1u);
    EXPECT_EQ(h.ui.messages.back().second, kLate);
    EXPECT_EQ(body(), kLevelRetryPage);
    EXPECT_FALSE(timerOn(6));
    EXPECT_EQ(interval(5), 9000);
    EXPECT_EQ(level().questionNo, 0);
    EXPECT_EQ(level().levelScore, 0);
    for (const std::string& used : level().usedPairs) EXPECT_EQ(used, "");
    h.tick(5);
    EXPECT_EQ(shown().number, 1);
    EXPECT_EQ(interval(5), 7000);
}

TEST_F(LevelRunTest, ATenthQuestionHasNoTimeOut) {
    h.click("q511102");
    for (int question = 1; question <= 9; ++question) {
        h.tick(5);
        answerRight();
    }
    h.tick(5);
    EXPECT_EQ(shown().number, 10);
    const std::string html = body();
    size_t blocks = 0;
    for (size_t at = html.find(kProgressBlock); at != std::string::npos; at = html.find(kProgressBlock, at + 1)) {
        ++blocks;
    }
    EXPECT_EQ(blocks, 9u);  // one per right answer so far
    EXPECT_FALSE(timerOn(5));
    h.tick(6, 20);
    h.tick(5, 3);
    EXPECT_TRUE(h.ui.messages.empty());
    EXPECT_EQ(shown().number, 10);
    answerRight();
    ASSERT_EQ(h.ui.messages.size(), 1u);
    EXPECT_EQ(h.ui.messages.back().second, kPassed);
}

TEST_F(LevelRunTest, TenRightAnswersPassTheLevel) {
    h.click("q511103");
    passLevel();
    EXPECT_EQ(h.ui.messages.size(), 1u);
    EXPECT_EQ(level().levelCounter, (std::array<int, 4>{0, 1, 0, 0}));
    EXPECT_EQ(body(), "做好准备！第 2关开始了！<br><br><img src=g1.gif>");
    EXPECT_EQ(level().numberLimit, 20);
    EXPECT_EQ(level().levelScore, 0);
    EXPECT_EQ(level().questionNo, 0);
    EXPECT_TRUE(timerOn(5));
    EXPECT_EQ(interval(5), 9000);
    EXPECT_FALSE(timerOn(6));
    h.tick(5);
    EXPECT_NE(body().find("第2关："), std::string::npos);
}

TEST_F(LevelRunTest, LimitsFollowTheLevelsOfAllOperationsInRuleOrder) {
    h.click("q511104");
    EXPECT_EQ(level().numberLimit, 31);
    passLevel();
    EXPECT_EQ(level().numberLimit, 50);
    h.click("q511102");
    EXPECT_EQ(level().numberLimit, 10);
    passLevel();
    // Addition level 1 gives 20, but the multiplication rule comes later.
    EXPECT_EQ(level().numberLimit, 50);
    EXPECT_EQ(level().levelCounter, (std::array<int, 4>{1, 0, 1, 0}));
    EXPECT_EQ(body(), "做好准备！第 2关开始了！<br><br><img src=g1.gif>");
}

TEST_F(LevelRunTest, LimitTable) {
    struct Case {
        std::array<int, 4> counters;
        int before;
        int after;
    };
    const Case cases[] = {
        {{1, 0, 0, 0}, 10, 20},  {{0, 2, 0, 0}, 10, 50},  {{3, 0, 0, 0}, 10, 100}, {{0, 4, 0, 0}, 10, 200},
        {{1, 3, 0, 0}, 10, 100}, {{4, 1, 0, 0}, 10, 200}, {{5, 0, 0, 0}, 10, 10},   {{2, 6, 0, 0}, 10, 50},
        {{4, 0, 1, 0}, 10, 50},  {{1, 0, 2, 0}, 31, 81},  {{0, 0, 2, 1}, 31, 50},   {{0, 0, 1, 2}, 31, 81},
        {{0, 0, 3, 0}, 81, 81},  {{0, 0, 0, 4}, 31, 31},  {{1, 0, 3, 0}, 81, 20},
    };
    for (const Case& c : cases) {
        level().levelCounter = c.counters;
        level().numberLimit = c.before;
        h.form->timers.setEnabled(6, true);
        UpdateLevelLimit(*h.form);
        EXPECT_EQ(level().numberLimit, c.after) << c.counters[0] << c.counters[1] << c.counters[2] << c.counters[3];
        EXPECT_FALSE(timerOn(6));
    }
}

TEST_F(LevelRunTest, ASelectedOperationKeepsItsLevelButStartsInTheFirstRange) {
    h.click("q511102");
    passLevel();
    passLevel();
    EXPECT_EQ(level().numberLimit, 50);
    EXPECT_EQ(body(), "做好准备！第 3关开始了！<br><br><img src=g2.gif>");
    h.click("q511103");
    h.click("q511102");
    EXPECT_EQ(level().numberLimit, 10);
    h.tick(5);
    EXPECT_NE(body().find("第3关："), std::string::npos);
}

TEST_F(LevelRunTest, NoPairRepeatsWithinARunAndOperandsStayInRange) {
    const char* keys[] = {"q511102", "q511103", "q511104", "q511105"};
    for (int op = 0; op < 4; ++op) {
        h.click(keys[op]);
        for (int run = 0; run < 20; ++run) {
            std::set<std::pair<int, int>> pairs;
            for (int question = 1; question <= 10; ++question) {
                h.tick(5);
                const Shown s = shown();
                ASSERT_EQ(s.number, question);
                int a = s.first;
                if (op == kLevelSubtraction) a = s.first - s.second;
                if (op == kLevelDivision) a = s.first / s.second;
                EXPECT_TRUE(pairs.insert({a, s.second}).second) << keys[op] << " repeats " << a << "," << s.second;
                if (op == kLevelAddition) {
                    EXPECT_TRUE(s.first + s.second >= 3 && s.first + s.second <= 17);
                } else if (op == kLevelSubtraction) {
                    EXPECT_TRUE(a >= 2 && a <= 9);
                } else {
                    EXPECT_LE(a * s.second, 31);
                }
                if (question < 10) answerRight();
            }
            // A wrong tenth answer keeps the level and the range for the next run.
            choose(radioWith(false));
            EXPECT_EQ(h.ui.messages.back().second, kWrong);
        }
    }
}

TEST_F(LevelRunTest, DifficultyChoiceTakesEffectAtTheNextQuestion) {
    h.click("q511102");
    h.tick(5);
    answerRight();
    choose("n3");  // no difficulty radios on a question page
    EXPECT_EQ(h.form->msPerQuestion, 9000);
    h.click("q511102");
    choose("n3");
    EXPECT_EQ(h.form->msPerQuestion, 5000);
    EXPECT_TRUE(h.page.checked("n3"));
    EXPECT_FALSE(h.page.checked("n1"));
    EXPECT_FALSE(h.page.checked("n2"));
    EXPECT_NE(body().find("9秒后开始算术闯关"), std::string::npos);
    EXPECT_EQ(interval(5), 9000);
    h.tick(5);
    EXPECT_EQ(interval(5), 5000);
    EXPECT_EQ(level().countdownSeconds, 5);
}

TEST_F(LevelRunTest, LeavingTheGameStopsItsTimers) {
    h.click("q511102");
    h.tick(5);
    h.click("q11");
    EXPECT_EQ(h.form->gameKey, "000");
    EXPECT_FALSE(timerOn(6));
    EXPECT_TRUE(timerOn(5));
    const std::string sheet = body();
    h.tick(5);
    EXPECT_FALSE(timerOn(5));
    EXPECT_EQ(body(), sheet);
    EXPECT_TRUE(h.ui.messages.empty());
}

}  // namespace
}  // namespace tally
