// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <map>
#include <string>
#include <vector>

#include "sqlite_record/record_sheets.h"
#include "sqlite_record/sqlite_statement.h"

namespace tally::test {
namespace {

namespace fs = std::filesystem;

using AnswerTimeRecord = RecordFolder;

// Rows of every table of the file, by table.
std::map<std::string, long long> rowCounts(const fs::path& file) {
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    std::map<std::string, long long> counts;
    sqlite::Statement tables(db, "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'");
    tables.eachRow([&] {
        sqlite::Statement count(db, "SELECT COUNT(*) FROM " + tables.text(0));
        return count.step() == SQLITE_ROW && (counts[tables.text(0)] = count.number(0), true);
    });
    sqlite3_close(db);
    return counts;
}

AnswerTime timed(std::string field, std::string question, bool right, std::optional<long long> ms,
                 std::string key = "q13") {
    return {std::move(field), std::move(key), std::move(question), right, ms};
}

// A version-3 file is this version's without the answers' times: moved on,
// it keeps every row, and takes answers with their times from then on.
TEST_F(AnswerTimeRecord, AVersionThreeFileIsMovedOnWithEveryRowKept) {
    {
        SqliteRecord record(file);
        const long long ming = addedChild(record, "小明");
        MarkedSheet practice = markedSheet("2026-12-01 19:00:00", "practice", {askable("6+9=（　）", "15")}, ming);
        practice.answered = {{"q13", "题目q13", "7+8=（　）", true, true}};
        ASSERT_TRUE(record.store(practice));
        ASSERT_TRUE(record.saveSettings(ming, {20, 3, "w7", "加减乘除", "q11", "", "off"}));
        ASSERT_EQ(record.saveMix(ming, {"周测", 20, {{"k1107", 100}}}), "");
    }
    ASSERT_EQ(execOn(file, std::string(kUndoVersionsSevenToNine) +
                                   "DROP TABLE answer_time; ALTER TABLE missed DROP COLUMN error_kind; PRAGMA user_version = 3"), SQLITE_OK);
    std::map<std::string, long long> before = rowCounts(file);
    {
        SqliteRecord record(file);
        ASSERT_TRUE(record.ok()) << record.lastError();
        MarkedSheet sheet = markedSheet("2026-12-03 08:00:00", "q13", {}, 1);
        sheet.times = {timed("answer1", "7+8=（　）", true, 2400)};
        ASSERT_TRUE(record.store(sheet)) << record.lastError();
    }
    before["sheet"] += 1;
    before["answer_time"] = 1;
    // The moves since bring the printed sheets', the sent and the refused answers' tables, empty.
    before["printed_sheet"] = 0;
    before["sent_answer"] = 0;
    before["refused_answer"] = 0;
    EXPECT_EQ(rowCounts(file), before);
    EXPECT_EQ(SqliteRecord(file).lastAnswers(1, "q13", 5),
              (std::vector<TimedAnswer>{{"2026-12-03 08:00:00", timed("answer1", "7+8=（　）", true, 2400)}}));
}

// Each question's newest answers, of one child and one topic only.
TEST_F(AnswerTimeRecord, EachQuestionsLastAnswersComeBackNewestFirst) {
    SqliteRecord record(file);
    const long long ming = addedChild(record, "小明");
    const long long hong = addedChild(record, "小红");
    const struct {
        const char* when;
        long long child;
        const char* key;
        std::vector<AnswerTime> times;
    } stored[] = {
        {"2026-12-01 08:00:00", ming, "q13", {timed("answer1", "7×8=", false, 9000), timed("answer2", "6×7=", true, 5000)}},
        {"2026-12-02 08:00:00", ming, "q13", {timed("answer1", "7×8=", true, 4000)}},
        {"2026-12-02 09:00:00", hong, "q13", {timed("answer1", "7×8=", true, 1000)}},
        {"2026-12-03 08:00:00", ming, "q14", {timed("answer1", "7×8=", true, 700, "q14")}},
        {"2026-12-04 08:00:00", ming, "q13", {timed("answer3", "7×8=", true, 2500), timed("answer9", "7×8=", true, 2000)}},
    };
    for (const auto& each : stored) {
        MarkedSheet sheet = markedSheet(each.when, each.key, {}, each.child);
        sheet.times = each.times;
        ASSERT_TRUE(record.store(sheet)) << record.lastError();
    }
    EXPECT_EQ(record.lastAnswers(ming, "q13", 3), (std::vector<TimedAnswer>{
                                                       {"2026-12-01 08:00:00", timed("answer2", "6×7=", true, 5000)},
                                                       {"2026-12-04 08:00:00", timed("answer9", "7×8=", true, 2000)},
                                                       {"2026-12-04 08:00:00", timed("answer3", "7×8=", true, 2500)},
                                                       {"2026-12-02 08:00:00", timed("answer1", "7×8=", true, 4000)},
                                                   }));
    // A child removed takes the answers of their sheets along.
    ASSERT_EQ(record.removeChild(ming), "");
    EXPECT_EQ(rowCounts(file)["answer_time"], 1);
    EXPECT_EQ(record.lastAnswers(hong, "q13", 3).size(), 1u);
}

}  // namespace
}  // namespace tally::test
