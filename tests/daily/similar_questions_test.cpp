// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "daily/similar_questions.h"
#include "support/harness.h"

namespace tally {
namespace {

MissedQuestion missOf(std::string question, std::string typed, std::string correct, std::string key, ErrorKind kind) {
    MissedQuestion miss{std::move(question), std::move(typed), std::move(correct), AnswerForm::One, key, "题目", kind};
    return miss;
}

// Whether a sum of two whole numbers carries, worked out from its digits.
bool carries(const std::string& question) {
    static const std::regex sum(R"((\d+)＋(\d+)＝)");
    std::smatch terms;
    if (!std::regex_search(question, terms, sum)) return false;
    for (int a = std::stoi(terms[1]), b = std::stoi(terms[2]); a > 0 || b > 0; a /= 10, b /= 10) {
        if (a % 10 + b % 10 >= 10) return true;
    }
    return false;
}

// After a miss of a kind come new questions of its skill where the slip can
// happen, within the sheet's count; a miss of no kind brings none.
TEST(SimilarQuestions, AfterAMissOfAKindComeQuestionsWhereItCanHappen) {
    test::Harness h(test::started);
    TopicQuestionSource source(h.data, h.clock, h.form->texts());
    const MissedQuestion carry = missOf("38＋25＝（　）", "53", "63", "k2102", ErrorKind::Carry);
    const MissedQuestion plain = missOf("9＋9＝（　）", "3", "18", "k1107", ErrorKind::None);
    const std::vector<MissedQuestion> sheet = withSimilarQuestions({carry, plain}, 20, source, 5);
    ASSERT_EQ(sheet.size(), 4u);
    EXPECT_EQ(sheet[0], carry);
    EXPECT_EQ(sheet[3], plain);
    std::set<std::string> texts;
    for (std::size_t i = 1; i <= 2; ++i) {
        EXPECT_EQ(sheet[i].topicKey, "k2102");
        EXPECT_TRUE(carries(sheet[i].question)) << sheet[i].question;
        texts.insert(sheet[i].question);
    }
    EXPECT_EQ(texts.size(), 2u);
    EXPECT_FALSE(texts.count(carry.question));
    EXPECT_EQ(withSimilarQuestions({carry, plain}, 3, source, 5).size(), 3u);
    EXPECT_EQ(withSimilarQuestions({carry, plain}, 2, source, 5).size(), 2u);
}

// Today's practice: a due miss whose latest answer dropped a carry brings its
// questions in the places of the last new ones, and the count stays.
TEST(SimilarQuestions, TodaysDueMissOfAKindTakesThePlacesOfNewQuestions) {
    test::Harness h(test::started);
    TopicQuestionSource source(h.data, h.clock, h.form->texts());
    const MissedQuestion carry = missOf("38＋25＝（　）", "53", "63", "k2102", ErrorKind::None);
    MissedQuestion asked = carry;
    asked.typed.clear();
    std::vector<TodayQuestion> questions{{PlanSource::Review, asked},
                                         {PlanSource::Weak, missOf("2×3＝（　）", "", "6", "k2106", ErrorKind::None)},
                                         {PlanSource::Lesson, missOf("5×3＝（　）", "", "15", "k2106", ErrorKind::None)}};
    addSimilarQuestions(questions, {ReviewItem{carry, 0, 0, 0}}, source, 5);
    ASSERT_EQ(questions.size(), 3u);
    EXPECT_EQ(questions[0].question, asked);
    for (std::size_t i = 1; i < 3; ++i) {
        EXPECT_EQ(questions[i].source, PlanSource::Similar);
        EXPECT_TRUE(carries(questions[i].question.question)) << questions[i].question.question;
    }
}

}  // namespace
}  // namespace tally
