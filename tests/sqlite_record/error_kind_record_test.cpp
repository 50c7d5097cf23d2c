// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "sqlite_record/record_sheets.h"
#include "support/harness.h"

namespace tally::test {
namespace {

using ErrorKindRecord = RecordFolder;

MissedQuestion slipped(std::string question, std::string typed, std::string correct, ErrorKind kind) {
    MissedQuestion miss = askable(std::move(question), std::move(correct));
    miss.typed = std::move(typed);
    miss.kind = kind;
    return miss;
}

const MissedQuestion kCarry = slipped("38＋25＝（　）", "53", "63", ErrorKind::Carry);
const MissedQuestion kSign = slipped("3×4＝（　）", "7", "12", ErrorKind::WrongSign);
const MissedQuestion kPlain = slipped("9＋9＝（　）", "3", "18", ErrorKind::None);

// Every read of the misses gives each its kind; the week's count leaves out
// the misses of no kind and the sheets before the day.
TEST_F(ErrorKindRecord, AMissKeepsItsKind) {
    SqliteRecord record(file);
    ASSERT_TRUE(record.store(markedSheet("2026-12-01 08:00:00", "q13", {kSign})));
    ASSERT_TRUE(record.store(markedSheet("2026-12-05 08:00:00", "q13", {kCarry, kPlain})));
    ASSERT_TRUE(record.store(markedSheet("2026-12-06 08:00:00", "q13", {kCarry})));
    EXPECT_EQ(record.missed(kEarlierRecords), (std::vector<MissedQuestion>{kCarry, kCarry, kPlain, kSign}));
    EXPECT_EQ(record.sheets(kEarlierRecords)[2].missed, std::vector<MissedQuestion>{kSign});
    EXPECT_EQ(record.redrillList(kEarlierRecords, 1), std::vector<MissedQuestion>{kCarry});
    EXPECT_EQ(record.errorKindsSince(kEarlierRecords, "2026-12-01"),
              (std::vector<KindCount>{{ErrorKind::Carry, 2}, {ErrorKind::WrongSign, 1}}));
    EXPECT_EQ(record.errorKindsSince(kEarlierRecords, "2026-12-02"), (std::vector<KindCount>{{ErrorKind::Carry, 2}}));
}

TEST_F(ErrorKindRecord, AVersionFiveFileIsMovedOnItsMissesOfNoKind) {
    {
        SqliteRecord record(file);
        ASSERT_TRUE(record.store(markedSheet("2026-12-01 08:00:00", "q13", {askable("2+2=", "4")})));
    }
    // Version 5 is this file without the misses' kinds.
    ASSERT_EQ(execOn(file, std::string(kUndoVersionsSevenToNine) +
                               "ALTER TABLE missed DROP COLUMN error_kind; PRAGMA user_version = 5;"),
              SQLITE_OK);
    SqliteRecord record(file);
    ASSERT_TRUE(record.ok()) << record.lastError();
    EXPECT_EQ(record.schemaVersion(), SqliteRecord::kSchemaVersion);
    EXPECT_EQ(record.missed(kEarlierRecords), std::vector<MissedQuestion>{askable("2+2=", "4")});
    ASSERT_TRUE(record.store(markedSheet("2026-12-02 08:00:00", "q13", {kCarry})));
    EXPECT_EQ(record.missed(kEarlierRecords).front(), kCarry);
}

// The headless front end prints the stored misses, each with its kind's words.
TEST_F(ErrorKindRecord, TheMissesCommandPrintsEachWithItsKind) {
    {
        SqliteRecord record(file);
        ASSERT_TRUE(record.store(markedSheet("2026-12-05 08:00:00", "q13", {kCarry, kPlain})));
    }
    TestData data;
    const std::string out = runCli(data, "misses\nquit\n", "238", file);
    EXPECT_NE(out.find("q13\t38＋25＝（　）\t53\t63\t忘了进位\nq13\t9＋9＝（　）\t3\t18\t-\n.\n"), std::string::npos) << out;
}

}  // namespace
}  // namespace tally::test
