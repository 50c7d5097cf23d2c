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

// At `ms`, type into `field` the right answer ("="), a wrong one ("x") or
// nothing (""); no field: the sheet is shown again.
struct Step {
    long long ms;
    std::string field;
    std::string value = "=";
};

Times timesOf(const std::vector<AnswerTime>& answers) {
    Times times;
    for (const AnswerTime& answer : answers) times[answer.field] = answer.ms;
    return times;
}

// Each time worked out by hand from the script: the gap since the answer
// given before it, the first one's since the page was shown.
TEST(AnswerTimes, FromScriptedTypingOnTheClock) {
    const struct {
        const char* name;
        std::vector<Step> script;
        Times expected;  // the answers typed; the others have none
    } cases[] = {
        {"each keystroke", {{800, "answer1", "1"}, {1200, "answer1"}, {2000, "answer2"}},
         {{"answer1", 1200}, {"answer2", 800}}},
        {"out of order", {{1000, "answer3"}, {2500, "answer1"}, {3000, "answer2"}},
         {{"answer3", 1000}, {"answer1", 1500}, {"answer2", 500}}},
        {"edited later", {{1000, "answer1"}, {3000, "answer2"}, {3500, "answer1", "x"}},
         {{"answer2", 3000}, {"answer1", 500}}},
        {"cleared", {{1000, "answer1"}, {2000, "answer2"}, {2500, "answer2", ""}, {4000, "answer3"}},
         {{"answer1", 1000}, {"answer3", 3000}}},
        {"shown again", {{1000, "answer1"}, {3000, ""}, {3500, "answer2"}, {5000, "answer1"}},
         {{"answer2", 500}, {"answer1", 1500}}},
    };
    for (const auto& c : cases) {
        test::Harness h(test::started);
        h.click("q13");
        for (const Step& step : c.script) {
            h.clock.ms = step.ms;
            step.field.empty() ? h.click("q13") : h.type(step.field, step.value == "=" ? h.page.tag(step.field) : step.value);
        }
        h.clock.ms += 700;  // handing in is no answer's time
        h.finish();
        ASSERT_EQ(h.record.stored.size(), 1u) << c.name;
        const std::vector<AnswerTime>& stored = h.record.stored[0].times;
        Times expected = c.expected;
        for (int i = 1; i <= 10; ++i) expected.try_emplace("answer" + std::to_string(i), std::nullopt);
        EXPECT_EQ(timesOf(stored), expected) << c.name;
        EXPECT_EQ(timesOf(h.form->lastAnswerTimes()), expected) << c.name;
        for (const AnswerTime& answer : stored) {
            EXPECT_EQ(answer.right, answer.ms && h.page.value(answer.field) == h.page.tag(answer.field)) << c.name;
            EXPECT_EQ(answer.topicKey, "q13");
        }
    }
}

// A question of several boxes is one answer, named by its first box and
// timed to the last change of any; a re-drill's under the question's topic.
TEST(AnswerTimes, EachFamilyTimesItsAnswers) {
    const struct {
        const char* key;
        const char* tab;
        std::vector<std::string> boxes;  // of the first question, typed in this order
        const char* named;
    } families[] = {
        {"q5010", "分数和比例", {"answerdown1", "answerup1"}, "answerup1"},
        {"q76", "时间转换", {"answer1", "r1"}, "answer1"},
        {"k1107", "口算", {"answer1"}, "answer1"},
        {"redrill", "", {"answer1"}, "answer1"},
    };
    for (const auto& family : families) {
        test::Harness h(test::started);
        h.click("q13");
        h.answerAll();
        h.finish();
        family.key == std::string("redrill") ? h.form->redrill() : h.click(family.key, family.tab);
        for (std::size_t at = 0; at < family.boxes.size(); ++at) {
            h.clock.ms = 900 * static_cast<long long>(at + 1);
            h.type(family.boxes[at], "7");
        }
        h.finish();
        const AnswerTime& first = h.record.stored.back().times.at(0);
        EXPECT_EQ(first.field, family.named) << family.key;
        EXPECT_EQ(first.ms, 900 * static_cast<long long>(family.boxes.size())) << family.key;
        EXPECT_EQ(first.topicKey, family.key == std::string("redrill") ? "q13" : family.key);
    }
}

// Every answer of a sheet keeps what was typed into it, right or wrong.
TEST(AnswerTimes, EveryAnswerKeepsWhatWasTyped) {
    for (const auto& [key, tab] : {std::pair{"q13", ""}, std::pair{"k1107", "口算"}}) {
        test::Harness h(test::started);
        h.click(key, tab);
        std::map<std::string, std::string> typed;
        h.answerAll([&](const FieldAnswer& field) {
            return typed[field.field] = typed.size() % 2 ? field.answer : field.answer + "1";
        });
        h.finish();
        const std::vector<AnswerTime>& stored = h.record.stored.back().times;
        ASSERT_EQ(stored.size(), typed.size()) << key;
        for (const AnswerTime& answer : stored) EXPECT_EQ(answer.typed, typed.at(answer.field)) << key;
    }
}

// The level game times each question from when it is shown to the answer;
// a level passed keeps them all, its miss among them.
TEST(AnswerTimes, TheLevelGameTimesEachQuestion) {
    test::Harness h(test::started);
    h.click("q511102", "加减乘除");
    const LevelGameState& level = h.form->families().levelGame.state();
    std::vector<std::optional<long long>> expected, times;
    std::vector<std::string> typed, kept;
    for (int question = 0; question < 11; ++question) {
        expected.push_back(1000 + 150 * question);
        h.clock.ms += *expected.back();
        typed.push_back(std::to_string(level.answer + (question == 1 ? 1 : 0)));
        h.type("answerguoguan", typed.back());
        h.form->pageKey("Enter", h.page.generation());
        h.clock.ms += 400;
        h.tick(kLevelTimer);
    }
    for (const AnswerTime& answer : h.record.stored.at(0).times) {
        times.push_back(answer.ms);
        kept.push_back(answer.typed);
    }
    EXPECT_EQ(times, expected);
    EXPECT_EQ(kept, typed);
    EXPECT_FALSE(h.record.stored.at(0).times[1].right);
}

}  // namespace
}  // namespace tally
