// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <limits>
#include <random>
#include <fstream>
#include <regex>

#include "app/record_page.h"
#include "sqlite_record/sqlite_record.h"
#include "record_sheets.h"

namespace tally {
namespace {

namespace fs = std::filesystem;
using test::askable;
using test::bytesOf;
using test::markedSheet;

using RecordFile = test::RecordFolder;

// Sheets come back as stored, newest first, misses of later sheets first and
// each sheet's in its own order, text byte for byte; a sheet without a time
// is stamped with the local time.
TEST_F(RecordFile, SheetsComeBackExactlyNewestFirstAfterReopening) {
    const std::string awkward = std::string("引号' \"双\" ; DROP TABLE sheet; --\t") + '\0' + "尾";
    const std::vector<MarkedSheet> marked = {
        markedSheet("2026-12-01 18:02:11", "q13", {{"第1题", "1", "2"}, {"第2题", "", "3"}}),
        markedSheet("2026-12-02 18:10:40", "q36",
                    {{"8×（　）＝72", "27", "9", AnswerForm::One, "q36", "10000以内乘法"},
                     {"709分= （　）小时 （　）分", "", "11小时49分", AnswerForm::HoursMinutes, "q36", "10000以内乘法"},
                     {awkward, awkward, "0"}}),
        markedSheet("2026-12-03 07:55:00", awkward),
    };
    {
        SqliteRecord record(file);
        for (const MarkedSheet& one : marked) ASSERT_TRUE(record.store(one)) << record.lastError();
    }
    SqliteRecord reopened(file);
    EXPECT_EQ(reopened.sheets(kEarlierRecords), (std::vector<MarkedSheet>{marked[2], marked[1], marked[0]}));
    std::vector<MissedQuestion> misses = marked[1].missed;
    misses.insert(misses.end(), marked[0].missed.begin(), marked[0].missed.end());
    EXPECT_EQ(reopened.missed(kEarlierRecords), misses);
    ASSERT_TRUE(reopened.store(markedSheet("", "q13")));
    EXPECT_TRUE(std::regex_match(reopened.latestSheets(kEarlierRecords, 1).at(0).when,
                                 std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)")));
}

// A file this program must not write is refused with what is wrong, and
// left byte for byte as it was. One that could not be opened is tried again
// with each call, and the sheet marked meanwhile is not lost.
TEST_F(RecordFile, AFileThatCannotBeWrittenIsRefusedAndLeftAsItIs) {
    const struct { const char* what; void (*make)(const fs::path& file); RecordTrouble trouble; } cases[] = {
        {"newer version", [](const fs::path& f) {
             { SqliteRecord made(f); }
             test::execOn(f, "PRAGMA user_version = 99");
         }, RecordTrouble::NewerVersion},
        {"damaged", [](const fs::path& f) {
             fs::create_directories(f.parent_path());
             std::ofstream(f, std::ios::binary) << std::string(4000, 'x');
         }, RecordTrouble::Damaged},
        {"read-only", [](const fs::path& f) {
             { SqliteRecord made(f); }
             fs::permissions(f, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
         }, RecordTrouble::ReadOnly},
        {"no folder", [](const fs::path& f) {
             fs::create_directories(f.parent_path().parent_path());
             std::ofstream(f.parent_path()) << "a file where the folder should be";
         }, RecordTrouble::CannotOpen},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder.path() / "case");
        const fs::path one = folder.path() / "case/nested/record.sqlite";
        c.make(one);
        if (c.trouble == RecordTrouble::ReadOnly && access(one.c_str(), W_OK) == 0) continue;  // root writes any file
        const std::string before = bytesOf(one);
        SqliteRecord record(one);
        EXPECT_FALSE(record.ok());
        EXPECT_FALSE(record.store(markedSheet("2026-12-01 08:00:00", "q13")));
        EXPECT_EQ(record.trouble(), c.trouble);
        EXPECT_FALSE(record.lastError().empty());
        EXPECT_TRUE(record.sheets(kEarlierRecords).empty());
        EXPECT_EQ(bytesOf(one), before);
        if (c.trouble != RecordTrouble::CannotOpen) continue;
        fs::remove(one.parent_path());
        EXPECT_TRUE(record.store(markedSheet("2026-12-01 08:01:00", "q12")));
        EXPECT_EQ(record.latestSheets(kEarlierRecords, 10).size(), 2u);
    }
}

// Another program holds the file for longer than this one waits (a short
// wait here; seconds in the program): the sheet is kept with the time it was
// marked, and stored with the next one, before the record is read, or at the
// latest when the program closes the record.
TEST_F(RecordFile, ASheetThatMetABusyFileIsStoredLater) {
    for (const std::string then : {"the next sheet", "a read", "closing"}) {
        SCOPED_TRACE(then);
        fs::remove_all(file.parent_path());
        {
            SqliteRecord record(file, 50);
            ASSERT_TRUE(record.store(markedSheet("2026-12-01 08:00:00", "q11")));
            sqlite3* other = nullptr;
            ASSERT_EQ(sqlite3_open(file.c_str(), &other), SQLITE_OK);
            ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
            EXPECT_FALSE(record.store(markedSheet("", "q12", {{"第1题", "", "2"}})));
            EXPECT_EQ(record.trouble(), RecordTrouble::Busy);
            EXPECT_EQ(record.waitingSheets(), 1);
            sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(other);
            if (then == "the next sheet") {
                EXPECT_TRUE(record.store(markedSheet("2099-12-01 08:02:00", "q13")));
                EXPECT_EQ(record.trouble(), RecordTrouble::None);
                EXPECT_EQ(record.waitingSheets(), 0);
            } else if (then == "a read") {
                const auto summary = record.summary(kEarlierRecords, RecordPageLimits{});
                ASSERT_TRUE(summary);
                EXPECT_EQ(summary->sheetCount, 2);
            }
        }
        const auto stored = SqliteRecord(file).sheets(kEarlierRecords);
        ASSERT_EQ(stored.size(), then == "the next sheet" ? 3u : 2u);
        const MarkedSheet& waited = stored[stored.size() - 2];
        EXPECT_EQ(waited.topicKey, "q12");
        EXPECT_TRUE(std::regex_match(waited.when, std::regex(R"(20\d\d-\d\d-\d\d \d\d:\d\d:\d\d)"))) << waited.when;
        EXPECT_EQ(waited.missed.size(), 1u);
    }
}

TEST_F(RecordFile, TheRedrillListHoldsEachOpenQuestionOnceNewestFirst) {
    SqliteRecord record(file);
    ASSERT_TRUE(record.store(markedSheet("2026-12-01 08:00:00", "q13",
                                         {askable("1+1=", "2"), askable("2+2=", "4"), {"第3题", "", "9"}})));
    ASSERT_TRUE(record.store(
        markedSheet("2026-12-02 08:00:00", "q12", {askable("5+5=", "10", "q12"), askable("1+1=", "2")})));
    // The same text under another topic is another question.
    ASSERT_TRUE(record.store(markedSheet("2026-12-03 08:00:00", "q11", {askable("2+2=", "4", "q11")})));
    const auto questions = [&](int limit) { return test::redrillTexts(record, kEarlierRecords, limit); };
    EXPECT_EQ(questions(10), (std::vector<std::string>{"q11 2+2=", "q12 5+5=", "q13 1+1=", "q13 2+2="}));
    EXPECT_EQ(questions(2), (std::vector<std::string>{"q11 2+2=", "q12 5+5="}));
    EXPECT_TRUE(questions(0).empty());

    MarkedSheet redrill = markedSheet("2026-12-04 08:00:00", "redrill", {askable("5+5=", "10", "q12")});
    redrill.mended = {askable("1+1=", "2")};
    ASSERT_TRUE(record.store(redrill));
    EXPECT_EQ(questions(10), (std::vector<std::string>{"q12 5+5=", "q11 2+2=", "q13 2+2="}));
    // Missed again after it was mended, it is back on the list.
    ASSERT_TRUE(record.store(markedSheet("2026-12-05 08:00:00", "q13", {askable("1+1=", "2")})));
    EXPECT_EQ(questions(1), (std::vector<std::string>{"q13 1+1="}));
}

TEST_F(RecordFile, AVersionOneFileIsMovedOnWithItsSheetsAndMisses) {
    fs::create_directories(file.parent_path());
    const char* versionOne =
        "CREATE TABLE sheet(id INTEGER PRIMARY KEY AUTOINCREMENT, marked_at TEXT NOT NULL, tab TEXT NOT NULL,"
        " topic TEXT NOT NULL, topic_key TEXT NOT NULL, drill_form TEXT NOT NULL, questions INTEGER NOT NULL,"
        " right_answers INTEGER NOT NULL, score INTEGER NOT NULL, seconds INTEGER NOT NULL);"
        "CREATE TABLE missed(sheet_id INTEGER NOT NULL REFERENCES sheet(id), position INTEGER NOT NULL,"
        " question TEXT NOT NULL, typed TEXT NOT NULL, correct TEXT NOT NULL, PRIMARY KEY(sheet_id, position));"
        "INSERT INTO sheet VALUES(1, '2026-11-30 19:00:00', '加减乘除', '100以内加法', 'q13', 'normal', 10, 9, 90, 33);"
        "INSERT INTO missed VALUES(1, 1, '第4题', '7', '17');"
        "PRAGMA user_version = 1;";
    ASSERT_EQ(test::execOn(file, versionOne), SQLITE_OK);

    SqliteRecord record(file);
    ASSERT_TRUE(record.ok()) << record.lastError();
    EXPECT_EQ(record.schemaVersion(), SqliteRecord::kSchemaVersion);
    const auto sheets = record.sheets(kEarlierRecords);
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_EQ(sheets[0].score, 90);
    EXPECT_EQ(sheets[0].missed, (std::vector<MissedQuestion>{{"第4题", "7", "17", AnswerForm::None, "q13", "100以内加法"}}));
    // Known only by its place, the old miss cannot be asked again.
    EXPECT_TRUE(record.redrillList(kEarlierRecords, 10).empty());
    ASSERT_TRUE(record.store(markedSheet("2026-12-01 08:00:00", "q13", {askable("3+4=", "7")})));
    EXPECT_EQ(record.redrillList(kEarlierRecords, 10).size(), 1u);
}

// The record page's figures, summed up in SQL, are what the stored sheets
// themselves come to, worked out one sheet at a time.
TEST_F(RecordFile, TheSummaryIsWhatTheSheetsComeTo) {
    SqliteRecord record(file);
    std::mt19937 draw(99);
    const auto next = [&draw](int below) { return static_cast<int>(draw() % static_cast<unsigned>(below)); };
    for (int i = 0; i < 400; ++i) {
        const int topic = next(12);
        MarkedSheet marked = markedSheet("2026-12-" + std::to_string(10 + i / 20) + " 08:" +
                                             std::to_string(10 + i % 50) + ":00",
                                         "q" + std::to_string(20 + topic));
        marked.score = next(101);
        marked.seconds = next(300);
        // A topic's caption changed once: the newest one is shown.
        marked.topicCaption = "第" + std::to_string(topic) + (i > 200 ? "课" : "题");
        const bool ownless = next(5) == 0;  // misses stored without a topic of their own
        for (int m = next(5); m > 0; --m) {
            MissedQuestion miss = askable(std::to_string(next(6)) + "+1=", "x", ownless ? "" : marked.topicKey);
            miss.topicCaption = ownless ? "" : marked.topicCaption;
            if (next(4) == 0) miss.form = AnswerForm::None;
            marked.missed.push_back(miss);
        }
        if (next(6) == 0) {
            marked.topicKey = "redrill";
            marked.topicCaption = "错题重练";
            marked.mended = record.redrillList(kEarlierRecords, 3);
        }
        ASSERT_TRUE(record.store(marked)) << record.lastError();
    }
    const auto everything = record.sheets(kEarlierRecords);
    const int openMisses = static_cast<int>(record.redrillList(kEarlierRecords, std::numeric_limits<int>::max()).size());
    EXPECT_GT(openMisses, 0);
    for (const RecordPageLimits limits : {RecordPageLimits{}, RecordPageLimits{3, 2, 1}, RecordPageLimits{0, 0, 0},
                                          RecordPageLimits{500, 20, 20}}) {
        const auto summary = record.summary(kEarlierRecords, limits);
        ASSERT_TRUE(summary) << record.lastError();
        EXPECT_TRUE(*summary == summariseSheets(everything, openMisses, limits)) << limits.tableRows;
        EXPECT_EQ(summary->sheetCount, 400);
        EXPECT_EQ(static_cast<int>(summary->topics.size()), std::min(limits.charts, 13));
    }
}

TEST(DefaultRecordFile, FollowsXdgDataHomeThenHome) {
    const char* savedXdg = std::getenv("XDG_DATA_HOME");
    const char* savedHome = std::getenv("HOME");
    const std::string xdg = savedXdg ? savedXdg : "";
    const std::string home = savedHome ? savedHome : "";
    setenv("XDG_DATA_HOME", "/x/data", 1);
    setenv("HOME", "/home/child", 1);
    EXPECT_EQ(defaultRecordFile(), fs::path("/x/data/tallymoo/record.sqlite"));
    setenv("XDG_DATA_HOME", "", 1);
    EXPECT_EQ(defaultRecordFile(), fs::path("/home/child/.local/share/tallymoo/record.sqlite"));
    unsetenv("XDG_DATA_HOME");
    unsetenv("HOME");
    EXPECT_EQ(defaultRecordFile(), fs::path());
    if (savedXdg) setenv("XDG_DATA_HOME", xdg.c_str(), 1);
    if (savedHome) setenv("HOME", home.c_str(), 1);
}

}  // namespace
}  // namespace tally
