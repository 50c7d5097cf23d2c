// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "practice/weak_topics.h"

namespace tally {
namespace {

SheetRow sheet(std::string when, std::string key, int score, int seconds, int questions = 10) {
    return {std::move(when), key, "题目" + key, questions, score * questions / 100, score, seconds};
}

// A hand-made record, newest first as the record gives it. Ten questions a
// sheet and 50 seconds unless said otherwise.
const std::vector<SheetRow> kRecord = {
    sheet("2024-10-20 19:00:00", "q11", 60, 50),
    sheet("2024-10-20 18:00:00", "practice", 0, 2000, 20),  // the daily practice: no topic of its own
    sheet("2024-10-19 19:00:00", "q11", 70, 50),
    sheet("2024-10-19 18:00:00", "q13", 70, 50),
    sheet("2024-10-18 19:00:00", "q11", 80, 50),
    sheet("2024-10-18 18:00:00", "q5008", 95, 50),
    sheet("2024-10-17 19:00:00", "q11", 100, 50),
    sheet("2024-10-17 18:00:00", "q13", 90, 50),
    sheet("2024-10-16 19:00:00", "q11", 100, 50),
    sheet("2024-10-16 18:00:00", "q5008", 50, 50),
    sheet("2024-10-15 19:00:00", "q11", 40, 50),  // the sixth sheet back: no longer counts
    sheet("2024-10-15 18:00:00", "q21", 80, 80),
    sheet("2024-10-15 17:00:00", "q22", 80, 60),
    sheet("2024-10-14 19:00:00", "q31", 100, 300),
    sheet("2024-10-13 19:00:00", "q31", 100, 300),
    sheet("2024-10-13 18:00:00", "q41", 95, 50),
    sheet("2024-10-13 17:00:00", "q42", 0, 0, 0),  // nothing asked: left out
};

TEST(WeakTopics, LowestWeightedScoreFirstTiesByTheSlowerThenSlowTopicsWithGoodScores) {
    // Worked by hand, weights 5,4,3,2,1 from the newest:
    //   q11   (5·60 + 4·70 + 3·80 + 2·100 + 1·100) / 15 = 1120 / 15 = 74.67
    //   q5008 (5·95 + 4·50) / 9 = 675 / 9 = 75.0  (its plain average, 72.5, is lower than q11's)
    //   q13   (5·70 + 4·90) / 9 = 710 / 9 = 78.89
    //   q21 and q22 80 each: q21 takes 8 seconds a question, q22 6
    //   q31   100, but 30 seconds a question against the child's 1290 / 150 = 8.6
    //   q41   95 and quick: not weak
    const std::vector<WeakTopic> weak = weakTopics(kRecord);
    std::vector<std::string> keys;
    for (const WeakTopic& topic : weak) keys.push_back(topic.topicKey);
    EXPECT_EQ(keys, (std::vector<std::string>{"q11", "q5008", "q13", "q21", "q22", "q31"}));
    EXPECT_NEAR(weak[0].recentScore, 1120.0 / 15, 1e-9);
    EXPECT_NEAR(weak[1].recentScore, 75.0, 1e-9);
    EXPECT_NEAR(weak[2].recentScore, 710.0 / 9, 1e-9);
    EXPECT_EQ(weak[0].sheets, 6);
    EXPECT_TRUE(weak[0].lowScore);
    EXPECT_FALSE(weak[5].lowScore);
    EXPECT_NEAR(weak[5].secondsPerQuestion, 30.0, 1e-9);
    EXPECT_NEAR(weak[5].slowness, 30.0 / 8.6, 1e-9);

    EXPECT_EQ(weakTopics(kRecord, 2).size(), 2u);
    EXPECT_TRUE(weakTopics({}).empty());
}

TEST(WeakTopics, SecondsPerQuestionAreWeightedByTheSheetsAsTheScores) {
    // Newest: 20 questions in 100 s; older: 10 in 100 s.
    // (5·100 + 4·100) / (5·20 + 4·10) = 900 / 140 seconds a question.
    const std::vector<SheetRow> record = {sheet("2024-10-02 10:00:00", "q11", 50, 100, 20),
                                          sheet("2024-10-01 10:00:00", "q11", 50, 100, 10)};
    ASSERT_EQ(weakTopics(record).size(), 1u);
    EXPECT_NEAR(weakTopics(record)[0].secondsPerQuestion, 900.0 / 140, 1e-9);
    // The order the rows come in does not matter: the newest is found by its time.
    const std::vector<SheetRow> reversed = {record[1], record[0]};
    EXPECT_EQ(weakTopics(reversed), weakTopics(record));
}

}  // namespace
}  // namespace tally
