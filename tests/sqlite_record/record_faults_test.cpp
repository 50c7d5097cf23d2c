// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "daily/record_rows.h"
#include "progress/record_trouble.h"
#include "sqlite_record/sqlite_record.h"
#include "sqlite_record/waiting_journal.h"
#include "record_sheets.h"
#include "support/sqlite_count.h"

// What the record does when the file or another program works against it:
// a full disk, a damaged page, a child removed elsewhere.
namespace tally {
namespace {

namespace fs = std::filesystem;

// Sheet `number` takes `number` seconds, its answer as many milliseconds: the
// order and the count of the sheets stored read back from them.
MarkedSheet sheetNumbered(int number, long long childId = kEarlierRecords) {
    MarkedSheet sheet = test::markedSheet(
        "2026-10-01 08:" + std::to_string(10 + number / 60) + ":" + std::to_string(10 + number % 50), "q13",
        {test::askable(std::to_string(number) + "+1= （　）", std::to_string(number + 1))}, childId);
    sheet.seconds = number;
    sheet.times = {{"answer1", "q13", sheet.missed[0].question, false, number}};
    return sheet;
}

long long countOf(const fs::path& file, const std::string& sql) { return test::sqliteCount(file, sql); }
using test::bytesOf;
using FullDisk = test::RecordFolder;
using DamagedRecord = test::RecordFolder;
using RemovedChild = test::RecordFolder;

// The connection the record opens on its file, caught as SQLite opens it, so
// the test can give it a disk of a few pages (PRAGMA max_page_count).
sqlite3* recordConnection = nullptr;
int catchRecordConnection(sqlite3* db, char**, const sqlite3_api_routines*) {
    const std::string name = sqlite3_db_filename(db, "main");
    if (name.ends_with("record.sqlite") && sqlite3_db_readonly(db, "main") == 0) recordConnection = db;
    return SQLITE_OK;
}

void limitPages(long long pages) {
    sqlite3_exec(recordConnection, ("PRAGMA max_page_count = " + std::to_string(pages)).c_str(), nullptr, nullptr,
                 nullptr);
}

// 1,100 sheets marked on a full disk, then room made a few pages at a time,
// with the program ended and started again halfway: every sheet is stored
// once, oldest first, as soon as there is room for it.
TEST_F(FullDisk, EveryWaitingSheetIsStoredAsRoomIsMadeNoneLost) {
    const fs::path journal = WaitingJournal::beside(file);
    constexpr int kSheets = 1100;
    sqlite3_auto_extension(reinterpret_cast<void (*)()>(catchRecordConnection));
    long long pages = 0;
    {
        SqliteRecord record(file);
        ASSERT_TRUE(record.ok());
        pages = countOf(file, "PRAGMA page_count");
        limitPages(pages);
        // What still fits in the pages there are goes in; from the first
        // sheet that does not, every sheet waits.
        int number = 0;
        while (record.store(sheetNumbered(number))) ASSERT_LT(++number, 500);
        ASSERT_EQ(record.trouble(), RecordTrouble::DiskFull);
        const int fitted = number;
        while (++number < fitted + kSheets) {
            EXPECT_FALSE(record.store(sheetNumbered(number)));
            ASSERT_EQ(record.trouble(), RecordTrouble::DiskFull);
        }
        EXPECT_EQ(record.waitingSheets(), kSheets);
        // Today's practice opens all the same, from the sheets the file holds.
        int due = 0;
        EXPECT_TRUE(dueMisses(record, kEarlierRecords, parseDay("2026-10-20").value(), {}, &due));
        EXPECT_EQ(due, fitted);
        EXPECT_NE(
            recordTroubleMessage(record.trouble(), true, record.waitingSheets()).find("还有1100张练习卷的成绩没有记下"),
            std::string::npos);
        EXPECT_EQ(fs::status(journal).permissions(), fs::perms::owner_read | fs::perms::owner_write)
            << "the waiting sheets are on disk, the owner's only";
        // Room for some: those go in, the rest wait.
        int partly = 0;
        for (int step = 0; step < 5; ++step) {
            limitPages(pages += 3);
            record.latestSheets(kEarlierRecords, 1);
            const long long stored = countOf(file, "SELECT COUNT(*) FROM sheet") - fitted;
            EXPECT_EQ(stored + record.waitingSheets(), kSheets);
            if (stored > 0 && record.waitingSheets() > 0) ++partly;
        }
        EXPECT_GT(partly, 0) << "stored one by one as room is made, not all or nothing";
        ASSERT_GT(record.waitingSheets(), 0);
    }
    sqlite3_reset_auto_extension();
    // The next start finds the journal and stores what waited in it.
    const std::string journalAtExit = bytesOf(journal);
    auto next = std::make_unique<SqliteRecord>(file);
    EXPECT_EQ(next->waitingSheets(), 0);
    const long long all = countOf(file, "SELECT COUNT(*) FROM sheet");
    EXPECT_EQ(all, countOf(file, "SELECT MAX(seconds) + 1 FROM sheet")) << "none lost";
    EXPECT_EQ(countOf(file, "SELECT COUNT(DISTINCT seconds) FROM sheet"), all) << "each once";
    EXPECT_EQ(countOf(file, "SELECT COUNT(*) FROM sheet a JOIN sheet b ON b.id = a.id + 1 WHERE b.seconds < a.seconds"),
              0)
        << "oldest first";
    EXPECT_EQ(countOf(file, "SELECT COUNT(*) FROM missed"), all);
    EXPECT_EQ(countOf(file, "SELECT COUNT(*) FROM answer_time JOIN sheet ON id = sheet_id WHERE ms = seconds"), all);
    EXPECT_FALSE(fs::exists(journal));
    // A program ended after storing them but before emptying its journal
    // finds them there again at the next start: none is stored twice.
    next.reset();
    std::ofstream(journal, std::ios::binary) << journalAtExit;
    SqliteRecord again(file);
    EXPECT_EQ(again.waitingSheets(), 0);
    EXPECT_EQ(countOf(file, "SELECT COUNT(*) FROM sheet"), all);
    EXPECT_FALSE(fs::exists(journal));
}

void overwritePage(const fs::path& file, const std::string& table) {
    const long long pageSize = countOf(file, "PRAGMA page_size");
    const long long root = countOf(file, "SELECT rootpage FROM sqlite_master WHERE name = '" + table + "'");
    std::fstream bytes(file, std::ios::in | std::ios::out | std::ios::binary);
    bytes.seekp((root - 1) * pageSize);
    const std::string garbage(64, '\x5a');
    bytes.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
}

// A damaged page of a record of 600 sheets: every read says so, and the
// file is not written again; the sheet marked meanwhile waits in the journal.
TEST_F(DamagedRecord, EveryReadSaysDamagedAndTheFileIsLeftAsItIs) {
    {
        SqliteRecord record(file);
        for (int i = 0; i < 600; ++i) ASSERT_TRUE(record.store(sheetNumbered(i)));
    }
    overwritePage(file, "sheet");
    const std::string damaged = bytesOf(file);
    SqliteRecord record(file);
    const struct { const char* read; bool (*empty)(SqliteRecord&); } reads[] = {
        {"summary", [](SqliteRecord& r) { return !r.summary(kEarlierRecords, RecordPageLimits{}); }},
        {"sheets", [](SqliteRecord& r) { return r.sheets(kEarlierRecords).empty(); }},
        {"latest", [](SqliteRecord& r) { return r.latestSheets(kEarlierRecords, 50).empty(); }},
        {"history", [](SqliteRecord& r) { return r.answerHistory(kEarlierRecords).empty(); }},
        {"store", [](SqliteRecord& r) { return !r.store(sheetNumbered(700)); }},
        {"save a mix", [](SqliteRecord& r) { return !r.saveMix(kEarlierRecords, {"卷", 20, {{"k1107", 100}}}).empty(); }},
    };
    for (const auto& read : reads) {
        SCOPED_TRACE(read.read);
        EXPECT_TRUE(read.empty(record));
        EXPECT_EQ(record.trouble(), RecordTrouble::Damaged);
    }
    EXPECT_NE(recordTroubleMessage(record.trouble(), false).find("成绩记录文件坏了"), std::string::npos);
    EXPECT_EQ(record.waitingSheets(), 1);
    EXPECT_EQ(bytesOf(file), damaged);
}

// The review copy is derived from the sheets: damage in it alone costs the
// copy, which is worked out again, and not the record.
TEST_F(DamagedRecord, ADamagedReviewCopyIsWorkedOutAgainFromTheSheets) {
    const Day today = parseDay("2026-10-20").value();
    test::RecordingRecord plain;
    {
        SqliteRecord record(file);
        std::vector<MarkedSheet> sheets;
        for (int i = 0; i < 600; ++i) sheets.push_back(sheetNumbered(i));
        test::storeInBoth(record, plain, sheets);
        ASSERT_TRUE(dueMisses(record, kEarlierRecords, today));
    }
    int stored = 600;
    for (const char* table : {"review_item", "review_through"}) {
        SCOPED_TRACE(table);
        overwritePage(file, table);
        SqliteRecord record(file);
        int count = 0;
        const auto due = dueMisses(record, kEarlierRecords, today, {}, &count);
        ASSERT_TRUE(due) << record.lastError();
        EXPECT_EQ(*due, *dueMisses(plain, kEarlierRecords, today));
        EXPECT_EQ(count, stored) << "every miss, none answered";
        test::storeInBoth(record, plain, {sheetNumbered(stored++)});
    }
    EXPECT_EQ(countOf(file, "SELECT COUNT(*) FROM sheet"), stored);
    EXPECT_EQ(countOf(file, "SELECT COUNT(*) FROM pragma_integrity_check WHERE integrity_check <> 'ok'"), 0);
}

// Two programs on one file; one removes the child the other has logged in.
TEST_F(RemovedChild, ASheetOfAChildRemovedElsewhereIsKeptAsEarlierRecords) {
    SqliteRecord practising(file);
    SqliteRecord parents(file);
    const long long ming = test::addedChild(parents, "小明", 2);
    ASSERT_TRUE(practising.store(sheetNumbered(1, ming)));
    ASSERT_EQ(parents.removeChild(ming), "");

    MarkedSheet redrill = sheetNumbered(2, ming);
    redrill.mended.push_back(sheetNumbered(1).missed.at(0));
    ASSERT_TRUE(practising.store(redrill));
    EXPECT_EQ(practising.trouble(), RecordTrouble::ChildGone);
    EXPECT_NE(recordTroubleMessage(practising.trouble(), false).find("以前的记录"), std::string::npos);
    EXPECT_EQ(countOf(file, "SELECT COUNT(*) FROM sheet WHERE child_id = " + std::to_string(ming)), 0);
    ASSERT_EQ(practising.latestSheets(kEarlierRecords, 10).size(), 1u);
    EXPECT_EQ(practising.latestSheets(kEarlierRecords, 10)[0].seconds, 2);

    // The file itself refuses a sheet of a child it does not name, whoever writes it.
    for (const std::string& sql :
         {"INSERT INTO sheet(marked_at, tab, topic, topic_key, drill_form, questions, right_answers, score, seconds,"
          " child_id) VALUES('2026-10-02 08:00:00', '', '', 'q13', '', 1, 1, 100, 1, " +
              std::to_string(ming) + ")",
          "UPDATE sheet SET child_id = " + std::to_string(ming)}) {
        EXPECT_EQ(test::execOn(file, sql) & 0xFF, SQLITE_CONSTRAINT) << sql;
    }
}

}  // namespace
}  // namespace tally
