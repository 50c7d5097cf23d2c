// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/record_page.h"
#include "sqlite_record/sqlite_record.h"
#include "record_sheets.h"

namespace tally {
namespace {

using ChildrenRecord = test::RecordFolder;
using test::askable;
using test::markedSheet;

using test::addedChild;

std::vector<std::string> keysOf(const std::vector<MarkedSheet>& sheets) {
    std::vector<std::string> keys;
    for (const MarkedSheet& sheet : sheets) keys.push_back(sheet.topicKey);
    return keys;
}

// Two children on one computer: each read sees one child's sheets only, and
// a re-drill mends its own child's misses, never the other's.
TEST_F(ChildrenRecord, TwoChildrensSheetsAreKeptApart) {
    SqliteRecord record(file);
    const long long ming = addedChild(record, "小明", 1);
    const long long hong = addedChild(record, "小红", 4);
    const auto q11 = [](const char* question, const char* correct) { return askable(question, correct, "q11"); };
    ASSERT_TRUE(record.store(
        markedSheet("2026-12-01 08:00:00", "q11", {q11("1+2=", "3"), q11("2+5=", "7"), q11("3+3=", "6")}, ming)));
    ASSERT_TRUE(record.store(markedSheet("2026-12-01 09:00:00", "q95", {askable("应用题一", "12元", "q95")}, hong)));
    // The same question missed by both children.
    ASSERT_TRUE(record.store(markedSheet("2026-12-01 10:00:00", "q11", {q11("1+2=", "3")}, hong)));

    // What each child's reads give: sheets, re-drill, misses, the record page.
    const struct { long long child; std::vector<std::string> keys, redrill; std::size_t misses; } reads[] = {
        {ming, {"q11"}, {"q11 1+2=", "q11 2+5=", "q11 3+3="}, 3},
        {hong, {"q11", "q95"}, {"q11 1+2=", "q95 应用题一"}, 2},
        {kEarlierRecords, {}, {}, 0}};
    for (const auto& read : reads) {
        SCOPED_TRACE(read.child);
        EXPECT_EQ(keysOf(record.latestSheets(read.child, 10)), read.keys);
        EXPECT_EQ(test::redrillTexts(record, read.child, 10), read.redrill);
        EXPECT_EQ(record.missed(read.child).size(), read.misses);
        EXPECT_EQ(record.summary(read.child, {}),
                  summariseSheets(record.sheets(read.child), static_cast<int>(read.redrill.size())));
    }

    // 小红 practises 1+2= right in a re-drill: 小明's miss of it stays open.
    MarkedSheet redrill = markedSheet("2026-12-02 08:00:00", "redrill", {}, hong);
    redrill.mended = {q11("1+2=", "3")};
    ASSERT_TRUE(record.store(redrill));
    EXPECT_EQ(test::redrillTexts(record, hong, 10), (std::vector<std::string>{"q95 应用题一"}));
    EXPECT_EQ(test::redrillTexts(record, ming, 10), (std::vector<std::string>{"q11 1+2=", "q11 2+5=", "q11 3+3="}));
}

// A version-2 record made by hand: every sheet and miss is kept, as sheets
// of no child, and the parent can give them to a child.
TEST_F(ChildrenRecord, AVersionTwoFileIsMovedOnKeepingEverySheetAndMiss) {
    std::filesystem::create_directories(file.parent_path());
    // A long record: 3000 sheets, every third with two misses (the second mended).
    const char* versionTwo =
        "CREATE TABLE sheet(id INTEGER PRIMARY KEY AUTOINCREMENT, marked_at TEXT NOT NULL, tab TEXT NOT NULL,"
        " topic TEXT NOT NULL, topic_key TEXT NOT NULL, drill_form TEXT NOT NULL, questions INTEGER NOT NULL,"
        " right_answers INTEGER NOT NULL, score INTEGER NOT NULL, seconds INTEGER NOT NULL);"
        "CREATE TABLE missed(sheet_id INTEGER NOT NULL REFERENCES sheet(id), position INTEGER NOT NULL,"
        " question TEXT NOT NULL, typed TEXT NOT NULL, correct TEXT NOT NULL,"
        " answer_form TEXT NOT NULL DEFAULT '', topic_key TEXT NOT NULL DEFAULT '',"
        " topic TEXT NOT NULL DEFAULT '', mended INTEGER NOT NULL DEFAULT 0, PRIMARY KEY(sheet_id, position));"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) INSERT INTO sheet"
        " SELECT i, '2026-11-' || (10 + i % 20) || ' 19:00:00', '加减乘除', '10以内加法', 'q11', 'normal', 10, 8, 80,"
        " i % 60 FROM n;"
        "WITH RECURSIVE n(i) AS (SELECT 3 UNION ALL SELECT i + 3 FROM n WHERE i < 3000) INSERT INTO missed"
        " SELECT i, p, i || '+' || p || '=', 'x', i + p, 'one', 'q11', '10以内加法', p - 1 FROM n, (SELECT 1 AS p"
        " UNION ALL SELECT 2);"
        "PRAGMA user_version = 2;";
    ASSERT_EQ(test::execOn(file, versionTwo), SQLITE_OK);

    SqliteRecord record(file);
    ASSERT_TRUE(record.ok()) << record.lastError();
    EXPECT_EQ(record.schemaVersion(), SqliteRecord::kSchemaVersion);
    EXPECT_EQ(record.earlierSheetCount(), 3000);
    const auto before = record.sheets(kEarlierRecords);
    ASSERT_EQ(before.size(), 3000u);
    EXPECT_EQ(record.missed(kEarlierRecords).size(), 2000u);
    EXPECT_EQ(record.redrillList(kEarlierRecords, 5000).size(), 1000u);
    EXPECT_EQ(before.back().seconds, 1);
    EXPECT_EQ(before.back().missed.size(), 0u);
    EXPECT_EQ(before[0].missed[1].correct, "3002");

    // Given to a child, the same sheets and misses are that child's.
    const long long ming = addedChild(record, "小明", 2);
    ASSERT_EQ(record.giveEarlierSheets(ming), "");
    EXPECT_EQ(record.earlierSheetCount(), 0);
    auto after = record.sheets(ming);
    for (MarkedSheet& sheet : after) {
        EXPECT_EQ(sheet.childId, ming);
        sheet.childId = kEarlierRecords;
    }
    EXPECT_EQ(after, before);
    EXPECT_EQ(record.redrillList(ming, 5000).size(), 1000u);
}

constexpr const char* kUnusable = "名字里有看不见的字符或不能用的字符，请把名字删掉，再重新输入一遍。";

TEST_F(ChildrenRecord, NamesAndGradesAreCheckedWithAClearMessage) {
    SqliteRecord record(file);
    ASSERT_EQ(record.addChild("  小明\xE3\x80\x80", 2), "");  // blanks, also full-width, trimmed
    EXPECT_EQ(record.children(), (std::vector<Child>{{record.children()[0].id, "小明", 2}}));
    const struct { std::string name; int grade; std::string said; } refused[] = {
        {"", 1, "孩子的名字不能空着。"},
        {" 小明 ", 3, "已经有一个叫“小明”的孩子了，请换一个名字。"},
        {"小红", 0, "年级只能是一年级到六年级。"},
        {"小红", 7, "年级只能是一年级到六年级。"},
    };
    for (const auto& bad : refused) EXPECT_EQ(record.addChild(bad.name, bad.grade), bad.said) << bad.name;
    for (int i = 2; i <= kMostChildNames; ++i) ASSERT_EQ(record.addChild("孩子" + std::to_string(i), 1), "");
    EXPECT_EQ(record.addChild("再一个", 1), "最多只能有12个孩子。");
    EXPECT_EQ(record.children().size(), 12u);

    const long long ming = record.children()[0].id;
    const long long other = record.children()[1].id;
    EXPECT_EQ(record.renameChild(other, "小明"), "已经有一个叫“小明”的孩子了，请换一个名字。");
    EXPECT_EQ(record.renameChild(ming, " 小明 "), "");  // its own name again
    EXPECT_EQ(record.renameChild(ming, "大明"), "");
    EXPECT_EQ(record.setChildGrade(ming, 9), "年级只能是一年级到六年级。");
    EXPECT_EQ(record.setChildGrade(ming, 3), "");
    EXPECT_EQ(record.children()[0], (Child{ming, "大明", 3}));
    EXPECT_EQ(record.renameChild(9999, "谁"), "没有这个孩子。");
}

TEST_F(ChildrenRecord, SettingsComeBackForEachOwnerAfterReopening) {
    const ChildSettings computer{20, 8, "w9", "数学游戏", "q5111", "off"};
    const ChildSettings ming{50, 3, "w7", "同步教学", "q533303004", "", "off"};
    long long mingId = 0;
    {
        SqliteRecord record(file);
        mingId = addedChild(record, "小明", 2);
        EXPECT_FALSE(record.settings(mingId));
        ASSERT_TRUE(record.saveSettings(kEarlierRecords, computer));
        ASSERT_TRUE(record.saveSettings(mingId, {10, 5, "w6", "加减乘除", "q11", ""}));
        ASSERT_TRUE(record.saveSettings(mingId, ming));  // the later settings replace the earlier
        record.setLastChild(mingId);
    }
    SqliteRecord reopened(file);
    EXPECT_EQ(reopened.settings(kEarlierRecords), computer);
    EXPECT_EQ(reopened.settings(mingId), ming);
    EXPECT_EQ(reopened.lastChild(), mingId);
    // A value cleared is gone, not kept from before.
    ASSERT_TRUE(reopened.saveSettings(mingId, {50, 3, "w7", "同步教学", "", ""}));
    EXPECT_EQ(reopened.settings(mingId)->topicKey, "");
}

// Two programs on one file adding children at once: both are kept, and a
// name the other program took meanwhile is refused.
TEST_F(ChildrenRecord, TwoProgramsAddingChildrenSeeEachOther) {
    SqliteRecord first(file);
    SqliteRecord second(file);
    EXPECT_EQ(first.addChild("小明", 1), "");
    EXPECT_EQ(second.addChild("小红", 2), "");
    EXPECT_EQ(second.addChild("小明", 3), "已经有一个叫“小明”的孩子了，请换一个名字。");
    EXPECT_EQ(first.children().size(), 2u);
}

// A name is kept composed (NFC), so one typed two ways is one child; a name
// with characters no one sees, or bytes that are no text, is refused.
TEST(ChildNames, OneNameTypedTwoWaysIsOneAndUnseenCharactersAreRefused) {
    const std::string zoe = "Zo\xC3\xAB", zoeDecomposed = "Zoe\xCC\x88";  // ë one character, or e and ¨
    const std::vector<std::string> others = {"小明", zoeDecomposed};          // kept before names were composed
    std::string twelve, twelveComposed;
    for (int i = 0; i < 12; ++i) twelve += "e\xCC\x81", twelveComposed += "\xC3\xA9";  // é
    const std::string taken = "已经有一个叫“" + zoe + "”的孩子了，请换一个名字。";
    const struct { std::string typed, kept, said; } cases[] = {
        {" 小红 ", "小红", ""},
        {"以前的记录", "以前的记录", "“以前的记录”是留给旧成绩的，请换一个名字。"},
        {zoe, zoe, taken},
        {zoeDecomposed, zoe, taken},
        {twelve, twelveComposed, ""},
        {twelve + "e\xCC\x81", twelveComposed + "\xC3\xA9", "孩子的名字最多12个字。"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(normalName(c.typed), c.kept) << c.typed;
        EXPECT_EQ(childNameProblem(normalName(c.typed), others), c.said) << c.typed;
    }
    // A zero-width space, a right-to-left override, a control, a line
    // separator, an unassigned code point, bytes that are no UTF-8 and a cut one.
    for (const std::string unseen : {"小明\xE2\x80\x8B", "\xE2\x80\xAE明小", "a\x01", "a\xE2\x80\xA8", "a\xCD\xB8",
                                     "\xFF\xFE", "\xED\xA0\x80", "小\xE6\x98"}) {
        EXPECT_EQ(childNameProblem(normalName(unseen), others), kUnusable) << unseen;
    }
    EXPECT_EQ(childNamed({{4, zoeDecomposed, 2}}, zoe), (Child{4, zoeDecomposed, 2}));
}

TEST(ChildNames, GradesAreReadInEveryWayTheyAreWritten) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"2", 2}, {"二年级", 2}, {"六", 6}, {"7", std::nullopt}, {"0", std::nullopt}, {"二年", std::nullopt}};
    for (const auto& [written, grade] : cases) EXPECT_EQ(gradeNamed(written), grade) << written;
}

}  // namespace
}  // namespace tally
