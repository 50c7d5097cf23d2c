// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "sqlite_record/record_sheets.h"

namespace tally::test {
namespace {

using FluencyNormRecord = RecordFolder;

const FluencyNorm kSubtraction{1, true, "k1201", 10, 12, 14};

TEST_F(FluencyNormRecord, AParentsNormsAreKeptInPlaceOfEachOtherAndReadBack) {
    {
        SqliteRecord record(file);
        EXPECT_TRUE(record.fluencyNorms().empty());
        EXPECT_EQ(record.saveFluencyNorm(kSubtraction), "");
        FluencyNorm stricter = kSubtraction;
        stricter.pass = 15;
        stricter.good = 16;
        stricter.excellent = 18;
        EXPECT_EQ(record.saveFluencyNorm(stricter), "");
        EXPECT_EQ(record.saveFluencyNorm({2, false, "k2105", 16, 17, 18}), "");
    }
    SqliteRecord reopened(file);
    EXPECT_EQ(reopened.fluencyNorms(),
              (std::vector<FluencyNorm>{{1, true, "k1201", 15, 16, 18}, {2, false, "k2105", 16, 17, 18}}));
}

TEST_F(FluencyNormRecord, RowsOutOfOrderAreRefused) {
    SqliteRecord record(file);
    for (const FluencyNorm& wrong : {FluencyNorm{1, true, "k1201", 12, 10, 14}, FluencyNorm{7, true, "k1201", 1, 2, 3},
                                     FluencyNorm{1, true, "k1201", 0, 2, 3}, FluencyNorm{1, true, "k1201", 10, 12, 61},
                                     FluencyNorm{1, true, "", 10, 12, 14}}) {
        EXPECT_NE(record.saveFluencyNorm(wrong), "") << wrong.grade << " " << wrong.pass;
    }
    EXPECT_TRUE(record.fluencyNorms().empty());
}

TEST_F(FluencyNormRecord, AVersionFourFileIsMovedOnWithItsSheetsAndTakesNorms) {
    {
        SqliteRecord record(file);
        ASSERT_TRUE(record.store(markedSheet("2026-12-01 19:00:00", "q13", {}, 0))) << record.lastError();
    }
    // Version 4 is this file without the norms' table.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, (std::string(kUndoVersionsSevenToNine) + "DROP TABLE fluency_norm; ALTER TABLE missed DROP COLUMN error_kind; PRAGMA user_version = 4;").c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    {
        SqliteRecord record(file);
        ASSERT_TRUE(record.ok()) << record.lastError();
        EXPECT_EQ(record.schemaVersion(), SqliteRecord::kSchemaVersion);
        EXPECT_EQ(record.sheets(kEarlierRecords).size(), 1u);
        EXPECT_TRUE(record.fluencyNorms().empty());
        EXPECT_EQ(record.saveFluencyNorm(kSubtraction), "");
    }
    SqliteRecord reopened(file);
    EXPECT_EQ(reopened.fluencyNorms(), std::vector<FluencyNorm>{kSubtraction});
}

}  // namespace
}  // namespace tally::test
