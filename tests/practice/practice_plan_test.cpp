// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "practice/practice_plan.h"

namespace tally {
namespace {

ReviewItem dueItem(int number, Day due, AnswerForm form = AnswerForm::One) {
    ReviewItem item;
    item.question = {std::to_string(number) + "＋1＝（　）", "0", std::to_string(number + 1), form, "q13",
                     "100以内加法"};
    item.due = due;
    return item;
}

std::vector<ReviewItem> dueItems(int count) {
    std::vector<ReviewItem> items;
    for (int i = 0; i < count; ++i) items.push_back(dueItem(i, 20000 + i));
    return items;
}

WeakTopic weak(std::string key) {
    WeakTopic topic;
    topic.topicKey = std::move(key);
    return topic;
}

using Counts = std::map<std::pair<PlanSource, std::string>, int>;

// How many questions each (source, topic) has.
Counts tally(const std::vector<PlanItem>& plan) {
    Counts counts;
    for (const PlanItem& item : plan) ++counts[{item.source, item.topicKey}];
    return counts;
}

// A third of the sheet is due misses: the seven waiting longest.
TEST(PracticePlan, TheDueMissesAskedAreThoseWaitingLongest) {
    const PlanInput input{.due = dueItems(10), .lessonDrills = {"q31"}};
    std::multiset<std::string> asked, oldest;
    for (const PlanItem& item : practicePlan(input)) {
        if (item.miss) asked.insert(item.miss->question);
    }
    for (int i = 0; i < 7; ++i) oldest.insert(input.due[static_cast<std::size_t>(i)].question.question);
    EXPECT_EQ(asked, oldest);
}

TEST(PracticePlan, TheSameSeedAndInputGiveTheSamePlanAnotherSeedMixesItOtherwise) {
    PlanInput input{.due = dueItems(10), .weak = {weak("q11"), weak("q21")}, .lessonDrills = {"q31"}, .seed = 7};
    const std::vector<PlanItem> plan = practicePlan(input);
    EXPECT_EQ(practicePlan(input), plan);
    input.seed = 8;
    const std::vector<PlanItem> other = practicePlan(input);
    EXPECT_NE(other, plan);
    EXPECT_EQ(tally(other), tally(plan));
}

TEST(PracticePlan, ASourceWithNothingGivesItsShareToTheOthers) {
    struct Case {
        const char* name;
        int due;
        std::vector<std::string> weak;
        std::vector<std::string> lesson;
        std::vector<std::string> earlier;
        int count;
        Counts expected;
        bool emptyRecord = false;
    };
    const std::vector<Case> cases = {
        // A third due; of the rest a third the three weakest in turns, two thirds the lesson's.
        {"ten due", 10, {"q11", "q21", "q5008", "q41"}, {"q31"}, {}, 20,
         {{{PlanSource::Review, "q13"}, 7}, {{PlanSource::Lesson, "q31"}, 9}, {{PlanSource::Weak, "q11"}, 2},
          {{PlanSource::Weak, "q21"}, 1}, {{PlanSource::Weak, "q5008"}, 1}}},
        {"two due", 2, {"q11", "q21", "q5008"}, {"q31"}, {}, 20,
         {{{PlanSource::Review, "q13"}, 2}, {{PlanSource::Lesson, "q31"}, 12}, {{PlanSource::Weak, "q11"}, 2},
          {{PlanSource::Weak, "q21"}, 2}, {{PlanSource::Weak, "q5008"}, 2}}},
        // A lesson with nothing to practise: what came before takes its share.
        {"no lesson drill, earlier drills", 0, {"q11"}, {}, {"q21"}, 20,
         {{{PlanSource::Earlier, "q21"}, 14}, {{PlanSource::Weak, "q11"}, 6}}},
        {"no lesson drill", 9, {"q11", "q21"}, {}, {}, 20,
         {{{PlanSource::Review, "q13"}, 7}, {{PlanSource::Weak, "q11"}, 7}, {{PlanSource::Weak, "q21"}, 6}}},
        {"no weak topic", 9, {}, {"q31", "q33"}, {}, 20,
         {{{PlanSource::Review, "q13"}, 7}, {{PlanSource::Lesson, "q31"}, 7}, {{PlanSource::Lesson, "q33"}, 6}}},
        {"only due misses", 30, {}, {}, {}, 20, {{{PlanSource::Review, "q13"}, 20}}},
        {"due misses, then earlier drills", 2, {}, {}, {"q11", "q21"}, 20,
         {{{PlanSource::Review, "q13"}, 2}, {{PlanSource::Earlier, "q11"}, 9}, {{PlanSource::Earlier, "q21"}, 9}}},
        {"ten questions", 5, {"q11"}, {"q31"}, {}, 10,
         {{{PlanSource::Review, "q13"}, 3}, {{PlanSource::Lesson, "q31"}, 5}, {{PlanSource::Weak, "q11"}, 2}}},
        {"one question", 5, {"q11"}, {"q31"}, {}, 1, {{{PlanSource::Review, "q13"}, 1}}},
        {"none asked", 5, {"q11"}, {"q31"}, {}, 0, {}},
        {"nothing to draw from", 0, {}, {}, {}, 20, {}},
        // An empty record practises the lesson and what came before.
        {"empty record", 0, {}, {"q11"}, {"q13", "q21", "q23"}, 20,
         {{{PlanSource::Lesson, "q11"}, 10}, {{PlanSource::Earlier, "q13"}, 4},
          {{PlanSource::Earlier, "q21"}, 3}, {{PlanSource::Earlier, "q23"}, 3}}, true},
        {"empty record, no lesson", 0, {}, {}, {"q13", "q21", "q23"}, 20,
         {{{PlanSource::Earlier, "q13"}, 7}, {{PlanSource::Earlier, "q21"}, 7},
          {{PlanSource::Earlier, "q23"}, 6}}, true},
        {"empty record, nothing earlier", 0, {}, {"q11"}, {}, 20, {{{PlanSource::Lesson, "q11"}, 20}}, true},
    };
    for (const Case& c : cases) {
        PlanInput input{.due = dueItems(c.due), .lessonDrills = c.lesson, .earlierDrills = c.earlier,
                        .emptyRecord = c.emptyRecord, .count = c.count};
        for (const std::string& key : c.weak) input.weak.push_back(weak(key));
        EXPECT_EQ(tally(practicePlan(input)), c.expected) << c.name;
    }
}

TEST(PracticePlan, AMissThatCannotBeAskedAgainIsLeftOut) {
    const PlanInput input{
        .due = {dueItem(1, 20000, AnswerForm::None), dueItem(2, 20001), dueItem(3, 20002, AnswerForm::None)},
        .lessonDrills = {"q31"}};
    EXPECT_EQ(tally(practicePlan(input)),
              (Counts{{{PlanSource::Review, "q13"}, 1}, {{PlanSource::Lesson, "q31"}, 19}}));
}

TEST(PracticePlan, ThePlanByTopicCountsTheNewQuestionsOfEachTopicOnce) {
    const std::vector<PlanItem> plan = {{PlanSource::Weak, "q11", std::nullopt},
                                        {PlanSource::Review, "q13", MissedQuestion{}},
                                        {PlanSource::Lesson, "q31", std::nullopt},
                                        {PlanSource::Weak, "q11", std::nullopt}};
    EXPECT_EQ(planTopics(plan), (std::vector<PlanTopic>{{PlanSource::Weak, "q11", 2}, {PlanSource::Lesson, "q31", 1}}));
}

}  // namespace
}  // namespace tally
