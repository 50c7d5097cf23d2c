// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "support/harness.h"

namespace tally {
namespace {

using Times = std::map<std::string, std::optional<long long>>;

// One step of a script on the clock: at `ms`, type `value` into `field`
// (the right answer for "=", a wrong one for "x", "" to clear it), or show
// the sheet again (an empty field).
struct Step {
    long long ms;
    std::string field;
    std::string value = "=";
};

// What a failure shows of an answer.
std::string shown(const Times& times) {
    std::string text;
    for (const auto& [field, ms] : times) text += field + "=" + (ms ? std::to_string(*ms) : "-") + " ";
    return text;
}

Times timesOf(const std::vector<AnswerTime>& answers) {
    Times times;
    for (const AnswerTime& answer : answers) times[answer.field] = answer.ms;
    return times;
}

// Each answer's time worked out by hand from the script: the gap since the
// answer given before it, the first one since the page was shown.
TEST(AnswerTimes, FromScriptedTypingOnTheClock) {
    const struct {
        const char* name;
        std::vector<Step> script;
        Times expected;  // of the answers typed; the others have none
    } cases[] = {
        {"in order", {{1000, "answer1"}, {2500, "answer2"}, {6000, "answer3"}},
         {{"answer1", 1000}, {"answer2", 1500}, {"answer3", 3500}}},
        {"each keystroke moves the last change", {{800, "answer1", "1"}, {1200, "answer1"}, {2000, "answer2"}},
         {{"answer1", 1200}, {"answer2", 800}}},
        {"out of order", {{1000, "answer3"}, {2500, "answer1"}, {3000, "answer2"}},
         {{"answer3", 1000}, {"answer1", 1500}, {"answer2", 500}}},
        {"an earlier answer edited later", {{1000, "answer1"}, {3000, "answer2"}, {3500, "answer1", "x"}},
         {{"answer2", 3000}, {"answer1", 500}}},
        {"an answer cleared again", {{1000, "answer1"}, {2000, "answer2"}, {2500, "answer2", ""}, {4000, "answer3"}},
         {{"answer1", 1000}, {"answer2", std::nullopt}, {"answer3", 3000}}},
        {"the page shown again", {{1000, "answer1"}, {3000, ""}, {3500, "answer2"}, {5000, "answer1"}},
         {{"answer2", 500}, {"answer1", 1500}}},
    };
    for (const auto& c : cases) {
        test::Harness h(test::started);
        h.click("q13");
        for (const Step& step : c.script) {
            h.clock.ms = step.ms;
            if (step.field.empty()) {
                h.ui.askAnswers.push_back(true);
                h.click("q13");
                continue;
            }
            h.type(step.field, step.value == "=" ? h.page.tag(step.field) : step.value);
        }
        h.clock.ms += 700;  // handing in is not part of any answer
        h.finish();
        ASSERT_EQ(h.record.stored.size(), 1u) << c.name;
        const std::vector<AnswerTime>& stored = h.record.stored.back().times;
        ASSERT_EQ(stored.size(), 10u) << c.name;
        Times expected = c.expected;
        for (int i = 1; i <= 10; ++i) expected.try_emplace("answer" + std::to_string(i), std::nullopt);
        EXPECT_EQ(timesOf(stored), expected) << c.name << ": " << shown(timesOf(stored));
        for (const AnswerTime& answer : stored) {
            const bool typedRight = answer.ms && h.page.value(answer.field) == h.page.tag(answer.field);
            EXPECT_EQ(answer.right, typedRight) << c.name << " " << answer.field;
            EXPECT_EQ(answer.topicKey, "q13");
            EXPECT_NE(answer.question.find("（　）"), std::string::npos) << answer.question;
        }
        EXPECT_EQ(timesOf(h.form->lastAnswerTimes()), expected) << c.name;
    }
}

// A question of several boxes is one answer, named by its first box and
// timed to the last change of any of them.
TEST(AnswerTimes, EachFamilyTimesItsAnswers) {
    const struct {
        const char* key;
        const char* tab;
        std::vector<std::string> boxes;  // of the first question, typed in this order
        const char* named;
    } families[] = {
        {"q13", "", {"answer1"}, "answer1"},
        {"q5010", "分数和比例", {"answerdown1", "answerup1"}, "answerup1"},
        {"q76", "时间转换", {"answer1", "r1"}, "answer1"},
        {"k1107", "口算", {"answer1"}, "answer1"},
    };
    for (const auto& family : families) {
        test::Harness h(test::started);
        h.click(family.key, family.tab);
        long long ms = 0;
        for (const std::string& box : family.boxes) {
            h.clock.ms = ms += 900;
            h.type(box, "7");
        }
        h.finish();
        ASSERT_FALSE(h.form->lastAnswerTimes().empty()) << family.key;
        const AnswerTime& first = h.form->lastAnswerTimes().front();
        EXPECT_EQ(first.field, family.named) << family.key;
        EXPECT_EQ(first.ms, ms) << family.key;
    }
}

// The re-drill's answers count for the topics they came from.
TEST(AnswerTimes, ARedrillTimesEachQuestionUnderItsOwnTopic) {
    test::Harness h(test::started);
    h.click("q13");
    h.answerAllWrong();
    h.finish();
    h.form->redrill();
    h.clock.ms = 4200;
    h.type("answer2", "1");
    h.finish();
    const std::vector<AnswerTime>& times = h.form->lastAnswerTimes();
    ASSERT_EQ(times.size(), 10u);
    EXPECT_EQ(times[1].ms, 4200);
    EXPECT_EQ(h.record.stored.back().topicKey, "redrill");
    EXPECT_EQ(h.record.stored.back().times[1].topicKey, "q13");
}

// The level game times each question from the moment it is shown to the
// answer given; a level passed keeps them all, its miss among them.
TEST(AnswerTimes, TheLevelGameTimesEachQuestion) {
    test::Harness h(test::started);
    h.click("q511102", "加减乘除");
    const LevelGameState& level = h.form->families().levelGame.state();
    std::vector<std::optional<long long>> expected;
    for (int question = 0; question < 11; ++question) {
        const long long thinking = 1000 + 150 * question;
        h.clock.ms += thinking;
        // The second question is missed.
        h.type("answerguoguan", std::to_string(level.answer + (question == 1 ? 1 : 0)));
        h.form->pageKey("Enter", h.page.generation());
        expected.push_back(thinking);
        h.clock.ms += 400;
        h.tick(kLevelTimer);
    }
    std::vector<std::optional<long long>> times;
    for (const AnswerTime& answer : h.record.stored.at(0).times) times.push_back(answer.ms);
    EXPECT_EQ(times, expected);
    EXPECT_FALSE(h.record.stored.at(0).times[1].right);
    EXPECT_EQ(h.form->lastAnswerTimes().size(), expected.size());
}

}  // namespace
}  // namespace tally
