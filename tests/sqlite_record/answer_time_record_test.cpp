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

// A version-3 file as that version left it, a row in every table it made.
const char* const kVersionThree =
    "CREATE TABLE sheet(id INTEGER PRIMARY KEY AUTOINCREMENT, marked_at TEXT NOT NULL, tab TEXT NOT NULL,"
    " topic TEXT NOT NULL, topic_key TEXT NOT NULL, drill_form TEXT NOT NULL, questions INTEGER NOT NULL,"
    " right_answers INTEGER NOT NULL, score INTEGER NOT NULL, seconds INTEGER NOT NULL,"
    " child_id INTEGER NOT NULL DEFAULT 0);"
    "CREATE TABLE missed(sheet_id INTEGER NOT NULL REFERENCES sheet(id), position INTEGER NOT NULL,"
    " question TEXT NOT NULL, typed TEXT NOT NULL, correct TEXT NOT NULL, answer_form TEXT NOT NULL DEFAULT '',"
    " topic_key TEXT NOT NULL DEFAULT '', topic TEXT NOT NULL DEFAULT '', mended INTEGER NOT NULL DEFAULT 0,"
    " PRIMARY KEY(sheet_id, position));"
    "CREATE TABLE child(id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT NOT NULL UNIQUE, grade INTEGER NOT NULL);"
    "CREATE TABLE setting(owner INTEGER NOT NULL, key TEXT NOT NULL, value TEXT NOT NULL, PRIMARY KEY(owner, key));"
    "CREATE TABLE practice_answer(sheet_id INTEGER NOT NULL REFERENCES sheet(id) ON DELETE CASCADE,"
    " position INTEGER NOT NULL, topic_key TEXT NOT NULL, topic TEXT NOT NULL, question TEXT NOT NULL,"
    " right_answer INTEGER NOT NULL, review INTEGER NOT NULL, PRIMARY KEY(sheet_id, position));"
    "CREATE TABLE kept_practice(owner INTEGER NOT NULL, position INTEGER NOT NULL, day TEXT NOT NULL,"
    " source INTEGER NOT NULL, question TEXT NOT NULL, typed TEXT NOT NULL, correct TEXT NOT NULL,"
    " answer_form TEXT NOT NULL, topic_key TEXT NOT NULL, topic TEXT NOT NULL, PRIMARY KEY(owner, position));"
    "CREATE TABLE kept_practice_field(owner INTEGER NOT NULL, name TEXT NOT NULL, value TEXT NOT NULL,"
    " PRIMARY KEY(owner, name));"
    "CREATE TABLE saved_mix(owner INTEGER NOT NULL, name TEXT NOT NULL, question_count INTEGER NOT NULL,"
    " PRIMARY KEY(owner, name));"
    "CREATE TABLE saved_mix_part(owner INTEGER NOT NULL, name TEXT NOT NULL, position INTEGER NOT NULL,"
    " skill_key TEXT NOT NULL, share INTEGER NOT NULL, PRIMARY KEY(owner, name, position));"
    "CREATE TABLE password_copy(place TEXT PRIMARY KEY, hash TEXT NOT NULL);"
    "CREATE TABLE stored_from_journal(token TEXT PRIMARY KEY);"
    "INSERT INTO child VALUES(1, '小明', 2);"
    "INSERT INTO sheet VALUES(1, '2026-11-30 19:00:00', '加减乘除', '100以内加法', 'q13', 'normal', 10, 9, 90, 33, 1);"
    "INSERT INTO sheet VALUES(2, '2026-12-01 19:00:00', '今日练习', '今日练习', 'practice', 'normal', 2, 1, 50, 20, 1);"
    "INSERT INTO missed VALUES(1, 1, '7+8=（　）', '14', '15', 'one', 'q13', '100以内加法', 0);"
    "INSERT INTO practice_answer VALUES(2, 1, 'q13', '100以内加法', '7+8=（　）', 1, 1);"
    "INSERT INTO practice_answer VALUES(2, 2, 'q13', '100以内加法', '6+9=（　）', 0, 0);"
    "INSERT INTO setting VALUES(1, 'questionCount', '20');"
    "INSERT INTO kept_practice VALUES(1, 1, '2026-12-02', 0, '3+4=（　）', '', '7', 'one', 'q13', '100以内加法');"
    "INSERT INTO kept_practice_field VALUES(1, 'answer1', '7');"
    "INSERT INTO saved_mix VALUES(1, '周测', 20);"
    "INSERT INTO saved_mix_part VALUES(1, '周测', 1, 'k1107', 100);"
    "INSERT INTO password_copy VALUES('/data', 'hash');"
    "INSERT INTO stored_from_journal VALUES('token');"
    "PRAGMA user_version = 3;";

TEST_F(AnswerTimeRecord, AVersionThreeFileIsMovedOnWithEveryRowKept) {
    fs::create_directories(file.parent_path());
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, kVersionThree, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
    std::map<std::string, long long> before = rowCounts(file);
    ASSERT_EQ(before.size(), 11u);
    {
        SqliteRecord record(file);
        ASSERT_TRUE(record.ok()) << record.lastError();
        EXPECT_EQ(record.schemaVersion(), SqliteRecord::kSchemaVersion);
        EXPECT_EQ(record.sheets(1).size(), 2u);
    }
    before["answer_time"] = 0;
    std::map<std::string, long long> after = rowCounts(file);
    // The file gains only what every open adds (the review copy's tables, still empty).
    std::erase_if(after, [&](const auto& table) { return !before.count(table.first) && table.second == 0; });
    EXPECT_EQ(after, before);

    // Moved on, the file takes answers with their times, and keeps them when opened again.
    {
        SqliteRecord record(file);
        MarkedSheet sheet = markedSheet("2026-12-03 08:00:00", "q13", {}, 1);
        sheet.times = {timed("answer1", "7+8=（　）", true, 2400), timed("answer2", "6+9=（　）", false, std::nullopt)};
        ASSERT_TRUE(record.store(sheet)) << record.lastError();
    }
    SqliteRecord reopened(file);
    EXPECT_EQ(reopened.schemaVersion(), SqliteRecord::kSchemaVersion);
    EXPECT_EQ(reopened.lastAnswers(1, "q13", 5),
              (std::vector<TimedAnswer>{{"2026-12-03 08:00:00", timed("answer2", "6+9=（　）", false, std::nullopt)},
                                        {"2026-12-03 08:00:00", timed("answer1", "7+8=（　）", true, 2400)}}));
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

// A sheet that had to wait in the journal is stored with its answers' times.
TEST_F(AnswerTimeRecord, ASheetThatWaitedKeepsItsTimes) {
    MarkedSheet sheet = markedSheet("2026-12-05 08:00:00", "q13");
    sheet.times = {timed("answerup1", "1/2+1/3=", true, 31000), timed("answer2", "3+4=", false, std::nullopt)};
    ASSERT_TRUE(SqliteRecord(file).ok());
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    {
        // Ended while the other program still holds the file: the sheet stays in the journal.
        SqliteRecord busy(file, 20);
        EXPECT_FALSE(busy.store(sheet));
        EXPECT_EQ(busy.waitingSheets(), 1);
    }
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    SqliteRecord later(file);
    const std::vector<TimedAnswer> back = later.lastAnswers(kEarlierRecords, "q13", 1);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].answer, sheet.times[0]);
    EXPECT_EQ(back[1].answer, sheet.times[1]);
}

}  // namespace
}  // namespace tally::test
