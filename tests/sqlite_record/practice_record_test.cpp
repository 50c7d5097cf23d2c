// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <map>
#include <set>

#include "record_sheets.h"
#include "sqlite_record/sqlite_record.h"
#include "support/sqlite_count.h"

namespace tally {
namespace {

using PracticeRecordFile = test::RecordFolder;

MarkedSheet sheetOf(std::string when, std::string key, std::vector<MissedQuestion> missed = {},
                    std::vector<AnsweredQuestion> answered = {}) {
    MarkedSheet sheet = test::markedSheet(std::move(when), std::move(key), std::move(missed));
    sheet.answered = std::move(answered);
    return sheet;
}

MissedQuestion miss(const std::string& question, const std::string& topic = "") {
    return {question, "0", "7", AnswerForm::One, topic, topic.empty() ? "" : "题目" + topic};
}

// Sheets of drills, a daily practice with right and wrong answers of many
// topics, and a second practice: what the review is worked out from.
std::vector<MarkedSheet> month() {
    return {
        sheetOf("2026-09-01 08:00:00", "q13", {miss("3+4= （　）"), miss("2+5= （　）")}),
        sheetOf("2026-09-01 09:00:00", "q71", {miss("7时=（　）分")}),
        sheetOf("2026-09-02 08:00:00", "practice", {miss("2+5= （　）", "q13")},
                {{"q13", "题目q13", "3+4= （　）", true, true},
                 {"q13", "题目q13", "2+5= （　）", false, true},
                 {"q71", "题目q71", "1时=（　）分", true, false}}),
        sheetOf("2026-09-03 08:00:00", "q12"),
        sheetOf("2026-09-05 08:00:00", "redrill", {}, {{"q71", "题目q71", "7时=（　）分", true, true}}),
    };
}

// A copy made afresh takes each question's answers together and once, in
// the order of the sheets (a sheet's misses before its answers), questions
// alike in their first bytes and topics alike in theirs kept apart.
TEST_F(PracticeRecordFile, ACopyMadeAfreshTakesEachQuestionsAnswersTogetherInTheOrderOfTheSheets) {
    test::RecordingRecord plain;
    std::vector<MarkedSheet> sheets = month();
    for (const char* topic : {"lesson-long-1", "lesson-long-2"}) {
        sheets.push_back(sheetOf("2026-09-06 08:00:00", topic, {miss("12345678+1= （　）"), miss("12345678+2= （　）")}));
        sheets.push_back(sheetOf("2026-09-07 08:00:00", "practice",
                                 {miss("9+9= （　）", topic), miss("12345678+2= （　）", topic)},
                                 {{topic, "题目", "12345678+2= （　）", true, true},
                                  {topic, "题目", "12345678+1= （　）", true, true}}));
    }
    for (const MarkedSheet& sheet : sheets) {
        ASSERT_TRUE(SqliteRecord(file).store(sheet));
        plain.store(sheet);
    }
    std::map<QuestionKey, std::vector<DatedAnswer>> expected;
    for (const DatedAnswer& answer : plain.answerHistory(kEarlierRecords)) {
        expected[{answer.question.topicKey, answer.question.question}].push_back(answer);
    }
    // Sorted in memory, and by SQLite as a long history is.
    for (const long long heldRows : {SqliteRecord::kHeldHistoryRows, 0LL}) {
        SCOPED_TRACE(heldRows);
        SqliteRecord record(file, SqliteRecord::kBusyMilliseconds, heldRows);
        std::map<QuestionKey, std::vector<DatedAnswer>> taken;
        long long through = 0;
        const auto take = [&](const std::vector<DatedAnswer>& answers) -> std::optional<ReviewState> {
            const QuestionKey key{answers.front().question.topicKey, answers.front().question.question};
            EXPECT_TRUE(taken.emplace(key, answers).second) << key.first << " " << key.second << " taken twice";
            return std::nullopt;
        };
        ASSERT_TRUE(record.remakeReview(kEarlierRecords, record.reviewStanding(kEarlierRecords).value(), take, through));
        EXPECT_EQ(taken, expected);
        EXPECT_EQ(through, static_cast<long long>(sheets.size()));
    }
}

// A copy made afresh keeps every state it is given, however many, and no
// other: not one the copy held before, nor a second child's misses.
TEST_F(PracticeRecordFile, ACopyMadeAfreshKeepsEveryStateGiven) {
    SqliteRecord record(file);
    const long long other = test::addedChild(record, "甲", 2);
    std::vector<MarkedSheet> sheets;
    for (int s = 0; s < 3; ++s) {
        sheets.push_back(sheetOf("2026-09-0" + std::to_string(s + 1) + " 08:00:00", s == 1 ? "q71" : "q13"));
        for (int q = 0; q < 50; ++q) sheets.back().missed.push_back(miss(std::to_string(s * 50 + q) + "+1= （　）"));
    }
    MarkedSheet others = sheets[0];
    others.childId = other;
    others.missed.push_back(miss("甲的题"));
    sheets.push_back(others);
    for (const MarkedSheet& sheet : sheets) ASSERT_TRUE(record.store(sheet));
    std::vector<ReviewState> given;
    const auto give = [&](const std::vector<DatedAnswer>& answers) -> std::optional<ReviewState> {
        const int n = static_cast<int>(given.size());
        given.push_back({answers.back().question, n % 4, n, 1000 - n});
        return given.back();
    };
    ASSERT_TRUE(record.keepReview(kEarlierRecords, {{"q13", "旧题"}}, {{miss("旧题", "q13"), 0, 100, 101}}, {}, 1));
    long long through = 0;
    ASSERT_TRUE(record.remakeReview(kEarlierRecords, record.reviewStanding(kEarlierRecords).value(), give, through));
    ASSERT_EQ(given.size(), 150u);
    std::reverse(given.begin(), given.end());  // by due
    EXPECT_EQ(record.dueReviews(kEarlierRecords, 1000, 1000), given);
    EXPECT_EQ(record.dueReviewCount(kEarlierRecords, 1000), 150);
}

// The newest few sheets of each topic, read off the index, as the plain list
// of the same sheets gives them.
TEST_F(PracticeRecordFile, TheNewestSheetsOfEachTopic) {
    SqliteRecord record(file);
    test::RecordingRecord plain;
    std::vector<MarkedSheet> sheets;
    for (const char* key : {"q11", "q12", "q11", "practice", "q13", "q11", "q12", "q11", "redrill"}) {
        sheets.push_back(sheetOf("2026-09-0" + std::to_string(sheets.size() + 1) + " 08:00:00", key));
    }
    test::storeInBoth(record, plain, sheets);
    const auto keysOf = [](const std::vector<MarkedSheet>& sheets) {
        std::multiset<std::pair<std::string, std::string>> found;
        for (const MarkedSheet& sheet : sheets) found.insert({sheet.topicKey, sheet.when});
        return found;
    };
    const struct { std::vector<std::string> topics; int perTopic; std::size_t count; } cases[] = {
        {{}, 2, 5}, {{}, 10, 7}, {{"q11", "practice"}, 3, 4}, {{"q99"}, 5, 0}};
    for (const auto& c : cases) {
        const std::vector<MarkedSheet> found = record.recentTopicSheets(kEarlierRecords, c.topics, c.perTopic);
        EXPECT_EQ(found.size(), c.count);
        EXPECT_EQ(keysOf(found), keysOf(plain.recentTopicSheets(kEarlierRecords, c.topics, c.perTopic)));
    }
    const std::vector<MarkedSheet> q11 = record.recentTopicSheets(kEarlierRecords, {"q11"}, 2);
    ASSERT_EQ(q11.size(), 2u);
    EXPECT_EQ(q11[0].when, "2026-09-08 08:00:00") << "newest first";
}

// The kept copy moves only from where it stands.
TEST_F(PracticeRecordFile, TheKeptReviewMovesOnFromWhereItStands) {
    SqliteRecord record(file);
    ASSERT_EQ(record.reviewStanding(kEarlierRecords), ReviewStanding{});
    const ReviewState a{miss("3+4= （　）", "q13"), 0, 100, 101};
    const ReviewState b{miss("2+5= （　）", "q13"), 1, 100, 103};
    ASSERT_TRUE(record.keepReview(kEarlierRecords, {{"q13", "3+4= （　）"}, {"q13", "2+5= （　）"}}, {a, b}, {0, 0}, 4));
    EXPECT_FALSE(record.keepReview(kEarlierRecords, {}, {}, {0, 0}, 9)) << "another program moved it on";
    EXPECT_EQ(record.reviewStanding(kEarlierRecords), (ReviewStanding{4, 0}));
    EXPECT_EQ(record.dueReviews(kEarlierRecords, 102, 10), std::vector<ReviewState>{a});
    EXPECT_EQ(record.dueReviewCount(kEarlierRecords, 103), 2);
    EXPECT_EQ(record.reviewStates(kEarlierRecords, {{"q13", "2+5= （　）"}, {"q13", "nothing"}}), std::vector<ReviewState>{b});
    // An older program indexes the due day; the next write takes the index away.
    sqlite3* older = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &older), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(older, "CREATE INDEX review_item_due ON review_item(child_id, due)", nullptr, nullptr,
                           nullptr), SQLITE_OK);
    sqlite3_close(older);
    // A question learned: its key without a state takes it away.
    ASSERT_TRUE(record.keepReview(kEarlierRecords, {{"q13", "3+4= （　）"}}, {}, {4, 0}, 5));
    EXPECT_EQ(record.dueReviews(kEarlierRecords, 200, 10), std::vector<ReviewState>{b});
    EXPECT_EQ(test::sqliteCount(file, "SELECT COUNT(*) FROM sqlite_master WHERE name = 'review_item_due'"), 0);
}

// Two children in one file: each one's history (the same as a plain list of
// the same sheets gives, and from a sheet on only what came after it), newest
// sheets and review copy are their own, and sheets given to a child have the
// child's review worked out again. A child removed takes the sheets, misses,
// settings and review copy along; the other keeps theirs.
TEST_F(PracticeRecordFile, EachChildHasTheirOwnHistoryAndReview) {
    SqliteRecord record(file);
    const long long ming = test::addedChild(record, "小明", 2);
    const long long hong = test::addedChild(record, "小红", 4);
    test::RecordingRecord mingsOwn;
    test::storeInBoth(record, mingsOwn, month(), ming);
    MarkedSheet hongs = sheetOf("2026-09-04 08:00:00", "q40", {miss("9×9= （　）")});
    hongs.childId = hong;
    ASSERT_TRUE(record.store(hongs));
    ASSERT_TRUE(record.store(sheetOf("2026-09-04 09:00:00", "q41", {miss("1+1= （　）")})));

    const std::vector<DatedAnswer> history = record.answerHistory(ming);
    EXPECT_EQ(history, mingsOwn.answerHistory(ming));
    ASSERT_EQ(history.size(), 7u);
    EXPECT_EQ(history[0].question.topicKey, "q13") << "a miss without a topic takes its sheet's";
    long long last = 0;
    EXPECT_EQ(record.answerHistorySince(ming, 3, last).size(), 1u) << "the fourth sheet has no misses";
    EXPECT_EQ(last, 5) << "Ming's newest sheet, not the file's";
    const ReviewState mings{miss("3+4= （　）", "q13"), 0, 100, 101};
    ASSERT_TRUE(record.keepReview(ming, {{"q13", "3+4= （　）"}}, {mings}, {}, 5));

    ASSERT_EQ(record.answerHistory(hong).size(), 1u);
    EXPECT_EQ(record.answerHistory(hong)[0].question.topicKey, "q40");
    EXPECT_EQ(record.recentTopicSheets(hong, {"q13"}, 5).size(), 0u);
    EXPECT_EQ(record.dueReviewCount(hong, 1000), 0) << "Ming's copy is not Hong's";
    ASSERT_TRUE(record.keepReview(hong, {}, {}, {}, 6));

    ASSERT_TRUE(record.keepReview(kEarlierRecords, {{"q41", "1+1= （　）"}}, {{miss("1+1= （　）", "q41"), 0, 100, 101}},
                                  {}, 7));
    ASSERT_EQ(record.giveEarlierSheets(hong), "");
    EXPECT_EQ(record.reviewStanding(hong), (ReviewStanding{0, 1})) << "worked out again with the sheets given";
    EXPECT_EQ(record.answerHistory(hong).size(), 2u);

    ASSERT_TRUE(record.saveSettings(ming, {20, 3, "w7", "加减乘除", "q11", ""}));
    ASSERT_EQ(record.removeChild(ming), "");
    EXPECT_EQ(record.children(), (std::vector<Child>{{hong, "小红", 4}}));
    EXPECT_FALSE(record.settings(ming));
    EXPECT_TRUE(record.sheets(ming).empty());
    EXPECT_EQ(record.sheets(hong).size(), 2u);
    EXPECT_EQ(test::sqliteCount(file, "SELECT COUNT(*) FROM missed"), 2) << "Hong's two";
    const std::string of = " WHERE child_id = " + std::to_string(ming);
    EXPECT_EQ(test::sqliteCount(file, "SELECT COUNT(*) FROM review_item" + of), 0);
    EXPECT_EQ(test::sqliteCount(file, "SELECT COUNT(*) FROM review_through" + of), 0);
    EXPECT_EQ(test::sqliteCount(file, "SELECT COUNT(*) FROM practice_answer"), 0) << "only Ming did the daily practice";
}

// Each topic's answers on a daily practice or a re-drill come back summed per sheet, the
// child's own only, as the plain list of the same sheets gives them.
TEST_F(PracticeRecordFile, TheDailyPracticesAnswersComeBackPerSheetAndTopic) {
    SqliteRecord record(file);
    EXPECT_TRUE(record.topicShares(kEarlierRecords, {}, 10).empty()) << "no practice yet: no answers' table";
    EXPECT_EQ(record.trouble(), RecordTrouble::None);
    const long long ming = test::addedChild(record, "小明", 2);
    test::RecordingRecord plain;
    test::storeInBoth(record, plain, month(), ming);
    ASSERT_TRUE(record.store(month()[2])) << "another child's practice";
    const std::vector<TopicShare> shares = record.topicShares(ming, {}, 10);
    EXPECT_EQ(shares, (std::vector<TopicShare>{{"2026-09-05 08:00:00", "q71", "题目q71", 1, 1},
                                               {"2026-09-02 08:00:00", "q13", "题目q13", 2, 1},
                                               {"2026-09-02 08:00:00", "q71", "题目q71", 1, 1}}));
    EXPECT_EQ(shares, plain.topicShares(ming, {}, 10));
    EXPECT_EQ(record.topicShares(ming, {}, 1).size(), 1u) << "the newest practice only";
    EXPECT_EQ(record.topicShares(ming, {"q13"}, 10), plain.topicShares(ming, {"q13"}, 10));
}

}  // namespace
}  // namespace tally
