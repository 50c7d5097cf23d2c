// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "daily/plan_questions.h"
#include "support/harness.h"

namespace tally {
namespace {

// Each topic asks a fixed list of questions; a draw takes up to `count` of
// them from a place the seed picks.
class ListedQuestions : public TopicQuestionSource {
public:
    ListedQuestions(test::Harness& h, std::map<std::string, std::vector<std::string>> lists)
        : TopicQuestionSource(h.data, h.clock, h.form->texts()), lists_(std::move(lists)) {}
    bool draws(const std::string& key) override { return lists_.count(key) > 0; }
    std::vector<MissedQuestion> draw(const std::string& key, int count, std::uint64_t seed) override {
        const std::vector<std::string>& list = lists_.at(key);
        std::vector<MissedQuestion> drawn;
        for (std::size_t i = 0; i < list.size() && static_cast<int>(drawn.size()) < count; ++i) {
            const std::string& text = list[(i + seed) % list.size()];
            drawn.push_back({text, "", "1", AnswerForm::One, key, key});
        }
        return drawn;
    }

private:
    std::map<std::string, std::vector<std::string>> lists_;
};

std::vector<std::string> numbered(const std::string& prefix, int count) {
    std::vector<std::string> texts;
    for (int i = 1; i <= count; ++i) texts.push_back(prefix + std::to_string(i));
    return texts;
}

// The lesson's drill asks 12 questions, six of them waiting as due misses: the
// new questions equal to them are dropped, and what came before fills the
// sheet while it has questions.
TEST(PlanQuestions, TheSheetIsFilledToItsCountWhileAnythingCanBeDrawn) {
    const struct { int earlierQuestions; std::size_t expected; std::map<PlanSource, int> bySource; } cases[] = {
        {10, 20, {{PlanSource::Review, 6}, {PlanSource::Lesson, 6}, {PlanSource::Earlier, 8}}},
        {3, 15, {{PlanSource::Review, 6}, {PlanSource::Lesson, 6}, {PlanSource::Earlier, 3}}},
    };
    for (const auto& c : cases) {
        test::Harness h;
        ListedQuestions source(h, {{"k1", numbered("A", 12)}, {"k0", numbered("B", c.earlierQuestions)}});
        PlanInput input;
        for (const std::string& text : numbered("A", 6)) {
            input.due.emplace_back().question = {text, "0", "1", AnswerForm::One, "k1", "k1"};
        }
        input.lessonDrills = {"k1"};
        input.earlierDrills = {"k0"};
        const std::vector<TodayQuestion> questions = planQuestions(practicePlan(input), input, source, 3);
        std::set<std::string> texts;
        std::map<PlanSource, int> bySource;
        for (const TodayQuestion& q : questions) {
            texts.insert(q.question.question);
            ++bySource[q.source];
        }
        EXPECT_EQ(questions.size(), c.expected);
        EXPECT_EQ(texts.size(), questions.size()) << "no question twice";
        EXPECT_EQ(bySource, c.bySource);
    }
}

// Two due misses of different topics with one text: the sheet asks it once,
// and the next due miss takes the other's place while one is left.
TEST(PlanQuestions, AReviewPlaceLeftByARepeatedTextGoesToTheNextDueMiss) {
    struct Case {
        int due;  // misses due, the first two of one text
        int expectedReview;
    };
    const Case cases[] = {{9, 7}, {7, 6}};
    for (const Case& c : cases) {
        test::Harness h;
        ListedQuestions source(h, {{"k1", numbered("B", 30)}});
        PlanInput input;
        for (int i = 0; i < c.due; ++i) {
            ReviewItem item;
            const std::string topic = i == 1 ? "k2" : "k1";
            item.question = {"A" + std::to_string(i == 0 ? 1 : i), "0", "1", AnswerForm::One, topic, topic};
            input.due.push_back(item);
        }
        input.lessonDrills = {"k1"};
        const std::vector<TodayQuestion> questions = planQuestions(practicePlan(input), input, source, 3);
        std::set<std::string> texts;
        int review = 0;
        for (const TodayQuestion& q : questions) {
            texts.insert(q.question.question);
            review += q.source == PlanSource::Review;
        }
        EXPECT_EQ(questions.size(), 20u) << c.due;
        EXPECT_EQ(texts.size(), questions.size()) << "no question twice";
        EXPECT_EQ(review, c.expectedReview) << c.due;
    }
}

}  // namespace
}  // namespace tally
