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

// A paper sheet marked again takes the earlier one's place: its sheet, misses
// and answers go, in the same transaction as the new one comes, and other
// sheets of the code's child stay.
TEST(PrintedSheetRecord, APaperSheetMarkedAgainReplacesTheEarlierOne) {
    const test::TempFolder folder;
    SqliteRecord record(folder.path() / "record.sqlite");
    const long long child = test::addedChild(record, "小明");
    MarkedSheet first = test::markedSheet("2026-12-08 10:00:00", "k1105", {test::askable("1＋2＝（　）", "3", "k1105")}, child);
    first.paperCode = "AAAA2222";
    ASSERT_TRUE(record.store(first));
    ASSERT_TRUE(record.store(test::markedSheet("2026-12-08 11:00:00", "q13", {}, child)));
    EXPECT_EQ(record.paperMarkedOn(child, "AAAA2222"), "2026-12-08 10:00:00");
    EXPECT_EQ(record.paperMarkedOn(child, "BBBB3333"), "");

    MarkedSheet again = test::markedSheet("2026-12-09 09:00:00", "k1105", {}, child);
    again.paperCode = "AAAA2222";
    ASSERT_TRUE(record.replacePaperSheet(again));
    const std::vector<MarkedSheet> sheets = record.latestSheets(child, 10);
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[0].when, "2026-12-09 09:00:00");
    EXPECT_EQ(sheets[0].paperCode, "AAAA2222");
    EXPECT_EQ(sheets[1].when, "2026-12-08 11:00:00");
    EXPECT_TRUE(record.missed(child).empty()) << "the earlier sheet's misses went with it";
    EXPECT_EQ(record.paperMarkedOn(child, "AAAA2222"), "2026-12-09 09:00:00");
}

}  // namespace
}  // namespace tally
