// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "practice/mastery.h"
#include "practice/topic_sheets.h"
#include "practice/weak_topics.h"
#include "practice/weekly_report.h"

namespace tally {
namespace {

SheetRow sheet(std::string when, std::string key, int questions, int right, int seconds) {
    return {std::move(when), key, "题目" + key, questions, right, right * 100 / questions, seconds};
}

SheetRow share(std::string when, std::string key, int questions, int right) {
    return shareRow({std::move(when), key, "题目" + key, questions, right});
}

// From the newest back: 8 + 3 = 11 (7 right, 64), then 7 + 4 = 11 (7 right);
// the 6 left over join that one: 17, 13 right, 76.
TEST(TopicShares, GatherIntoSheetsOfTenFromTheNewestBackTheOldestLeftOverJoiningIn) {
    const std::vector<SheetRow> rows = {
        share("2024-10-05 19:00:00", "q11", 8, 4), share("2024-10-04 19:00:00", "q11", 3, 3),
        sheet("2024-10-04 08:00:00", "q11", 10, 10, 50), share("2024-10-03 19:00:00", "q11", 7, 7),
        share("2024-10-02 19:00:00", "q11", 4, 0), share("2024-10-01 19:00:00", "q11", 6, 6),
    };
    const std::vector<TopicSheets> topics = sheetsByTopic(rows);
    ASSERT_EQ(topics.size(), 1u);
    std::vector<SheetRow> got;
    for (const SheetRow* row : topics[0].sheets) got.push_back(*row);
    EXPECT_EQ(got, (std::vector<SheetRow>{{"2024-10-03 19:00:00", "q11", "题目q11", 17, 13, 76, 0, true}, rows[2],
                                          {"2024-10-05 19:00:00", "q11", "题目q11", 11, 7, 64, 0, true}}));
}

// 31 practices of three additions each, all right, after a sheet of 40: the
// last three gathered sheets are all 100, and no time of their own.
TEST(TopicShares, RightAnswersOnTheDailyPracticeMakeATopicFluentAndAWeakOneRecover) {
    std::vector<SheetRow> rows = {sheet("2024-09-01 08:00:00", "q11", 10, 4, 50)};
    for (int day = 1; day <= 31; ++day) {
        rows.push_back(share("2024-10-" + std::string(day < 10 ? "0" : "") + std::to_string(day) + " 19:00:00", "q11", 3, 3));
    }
    EXPECT_EQ(topicMastery(rows).at("q11").state, Mastery::Fluent);
    EXPECT_TRUE(weakTopics(rows).empty());

    // q13: two sheets of 50, then 10 right answers a day. Weights 5…1 from the
    // newest: after two days (500 + 400 + 150 + 100) / 14 = 82.1, weak; after
    // three (500 + 400 + 300 + 100 + 50) / 15 = 90, no longer.
    std::vector<SheetRow> weak = {sheet("2024-10-01 08:00:00", "q13", 10, 5, 50),
                                  sheet("2024-10-02 08:00:00", "q13", 10, 5, 50),
                                  share("2024-10-03 19:00:00", "q13", 10, 10), share("2024-10-04 19:00:00", "q13", 10, 10)};
    ASSERT_EQ(weakTopics(weak).size(), 1u);
    EXPECT_NEAR(weakTopics(weak)[0].recentScore, 1150.0 / 14, 1e-9);
    EXPECT_EQ(weakTopics(weak)[0].secondsPerQuestion, 5.0) << "the sheets' time alone";
    weak.push_back(share("2024-10-05 19:00:00", "q13", 10, 10));
    EXPECT_TRUE(weakTopics(weak).empty());
    // Half wrong on the practice: 要加油.
    weak.push_back(share("2024-10-06 19:00:00", "q13", 10, 5));
    EXPECT_EQ(topicMastery(weak).at("q13").state, Mastery::NeedsWork);
}

// A week of divisions on the daily practice only counts under 除法, its
// questions once in the week's totals, and its pace stays unknown.
TEST(TopicShares, TheWeeklyReportCountsEachTopicsAnswersOnTheDailyPractice) {
    const Day today = parseDay("2024-10-20").value();
    const std::vector<SheetRow> rows = {
        sheet("2024-10-18 19:00:00", "practice", 20, 18, 600), share("2024-10-18 19:00:00", "q41", 12, 12),
        share("2024-10-18 19:00:00", "q42", 8, 6), sheet("2024-10-17 08:00:00", "q41", 10, 9, 100),
    };
    const WeeklyReport report = weeklyReport(rows, {}, today);
    EXPECT_EQ(report.thisWeek, (WeekFigures{2, 2, 30, 27, 700, 30}));
    ASSERT_EQ(report.topics.size(), 2u);
    EXPECT_EQ(report.topics[0].thisWeek, (WeekFigures{2, 2, 22, 21, 100, 10}));
    EXPECT_EQ(report.topics[1].thisWeek, (WeekFigures{1, 1, 8, 6, 0, 0}));
    ASSERT_EQ(report.next.size(), 1u);
    EXPECT_EQ(report.next[0].topicKey, "q42") << "6 of 8 right: not every topic is right and quick";
}

}  // namespace
}  // namespace tally
