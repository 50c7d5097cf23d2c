// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "sqlite_record/record_sheets.h"

namespace tally {
namespace {

PrintedSheet printed(std::string code, long long childId, std::string day, int version = 1) {
    return {std::move(code), childId, std::move(day), "k1105", "连加", "k1105", 3, 20, "w6", version,
            "<p>第1题：1＋2＝<input class=text name=answer1 type=text size=7 tag=3></p>"};
}

// A printed sheet comes back as it was kept, whatever version drew it (a
// printed sheet of no seed too); a second sheet under a kept code leaves the
// first; each child sees its own, newest first.
TEST(PrintedSheetRecord, KeptSheetsComeBackAsPrinted) {
    const test::TempFolder folder;
    SqliteRecord record(folder.path() / "record.sqlite");
    const long long child = test::addedChild(record, "小明");
    PrintedSheet old = printed("AAAA2222", child, "2026-12-01", 0);
    old.seed.reset();
    ASSERT_TRUE(record.keepPrintedSheet(old));
    ASSERT_TRUE(record.keepPrintedSheet(printed("BBBB3333", child, "2026-12-08")));
    ASSERT_TRUE(record.keepPrintedSheet(printed("CCCC4444", kEarlierRecords, "2026-12-09")));
    PrintedSheet other = printed("AAAA2222", kEarlierRecords, "2026-12-09");
    other.page = "<p>另一张</p>";
    ASSERT_TRUE(record.keepPrintedSheet(other));

    SqliteRecord reopened(folder.path() / "record.sqlite");
    EXPECT_EQ(reopened.printedSheet("AAAA2222"), old);
    EXPECT_FALSE(reopened.printedSheet("ZZZZ9999"));
    std::vector<std::string> codes;
    for (const PrintedSheet& sheet : reopened.printedSheets(child, 10)) codes.push_back(sheet.code);
    EXPECT_EQ(codes, (std::vector<std::string>{"BBBB3333", "AAAA2222"}));
    EXPECT_EQ(reopened.printedSheets(child, 1).size(), 1u);
}

}  // namespace
}  // namespace tally
