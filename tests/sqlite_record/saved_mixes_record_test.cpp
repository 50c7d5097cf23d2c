// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "sqlite_record/sqlite_record.h"
#include "support/sqlite_count.h"
#include "record_sheets.h"

namespace tally {
namespace {

using SavedMixes = test::RecordFolder;
using test::addedChild;

const SkillMix kStandard{"口算达标", 100, {{"k1103", 50}, {"k1106", 20}, {"k1110", 30}}};
const SkillMix kNines{"九加几", 20, {{"k1107", 100}}};

// Kept per child across a reopening, in the order first saved; saved again
// under its name it changes in place; removed, and with its child.
TEST_F(SavedMixes, RoundTripThroughTheFileAndKeepChildrenApart) {
    long long ming = 0;
    long long hong = 0;
    {
        SqliteRecord record(file);
        ming = addedChild(record, "小明");
        hong = addedChild(record, "小红");
        EXPECT_EQ(record.saveMix(ming, kStandard), "");
        EXPECT_EQ(record.saveMix(ming, kNines), "");
        EXPECT_EQ(record.saveMix(hong, kNines), "");
        EXPECT_EQ(record.saveMix(kEarlierRecords, kStandard), "");
    }
    SqliteRecord record(file);
    EXPECT_EQ(record.savedMixes(ming), (std::vector<SkillMix>{kStandard, kNines}));
    EXPECT_EQ(record.savedMixes(hong), (std::vector<SkillMix>{kNines}));
    EXPECT_EQ(record.savedMixes(kEarlierRecords), (std::vector<SkillMix>{kStandard}));

    const SkillMix changed{"口算达标", 50, {{"k1107", 40}, {"k1201", 60}}};
    EXPECT_EQ(record.saveMix(ming, SkillMix{"　口算达标 ", changed.questionCount, changed.parts}), "");
    EXPECT_EQ(record.savedMixes(ming), (std::vector<SkillMix>{changed, kNines}));
    EXPECT_EQ(record.removeMix(ming, "九加几"), "");
    EXPECT_EQ(record.removeMix(ming, "九加几"), "没有叫“九加几”的口算卷。");
    EXPECT_EQ(record.savedMixes(ming), (std::vector<SkillMix>{changed}));
    EXPECT_EQ(record.savedMixes(hong), (std::vector<SkillMix>{kNines}));

    EXPECT_EQ(record.removeChild(ming), "");
    EXPECT_EQ(test::sqliteCount(file, "SELECT COUNT(*) FROM saved_mix_part WHERE owner = " + std::to_string(ming)), 0);
    EXPECT_EQ(record.savedMixes(hong), (std::vector<SkillMix>{kNines}));
}

// Refused with the reason, nothing kept (a file that has none yet reads
// none), and no more than the most a child keeps.
TEST_F(SavedMixes, AMixThatCannotMakeASheetIsRefusedAndNothingKept) {
    SqliteRecord record(file);
    const long long ming = addedChild(record, "小明");
    const struct { long long owner; SkillMix mix; const char* problem; } cases[] = {
        {ming, {"", 20, {{"k1107", 100}}}, "名字不能空着"},
        {ming, {"一二三四五六七八九十一二三四五六七八九十一", 20, {{"k1107", 100}}}, "最多20个字"},
        {ming, {"缺", 20, {{"k1107", 60}, {"k1201", 30}}}, "现在是90%"},
        {ming + 1, kNines, "没有这个孩子"},
    };
    for (const auto& c : cases) {
        const std::string said = record.saveMix(c.owner, c.mix);
        EXPECT_NE(said.find(c.problem), std::string::npos) << c.problem << ": " << said;
    }
    EXPECT_TRUE(record.savedMixes(ming).empty());
    EXPECT_TRUE(record.ok()) << "a file that has no mixes yet reads none";
    for (int i = 0; i < kMostSavedMixes; ++i) EXPECT_EQ(record.saveMix(ming, {"卷" + std::to_string(i), 20, {{"k1107", 100}}}), "");
    EXPECT_NE(record.saveMix(ming, kNines).find("最多只能保存"), std::string::npos);
    EXPECT_EQ(record.saveMix(ming, {"卷0", 30, {{"k1107", 100}}}), "");
}

}  // namespace
}  // namespace tally
