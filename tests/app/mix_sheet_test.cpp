// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "app/mix_sheet.h"
#include "skills/mix_page.h"
#include "sqlite_record/sqlite_record.h"
#include "support/harness.h"
#include "support/temp_folder.h"

// A 口算卷 from the 口算卷 page: answered, marked, stored in a real record; kept
// for the child by the parent only.
namespace tally {
namespace {

using test::Harness;

struct WithRecord {
    explicit WithRecord(bool parent) : h(parent) {
        EXPECT_EQ(record.addChild("小红", 1), "");
        record.setLastChild(record.children()[0].id);
        h.ui.childAnswer = "小红";
        h.form->setRecord(&record);
        h.start();
    }
    test::TempFolder folder;
    SqliteRecord record{folder.path() / "record.sqlite"};
    Harness h;
};

// "7＋8＝" or "9－4＝", worked out here.
int sumOrDifference(const std::string& question) {
    std::smatch parts;
    const std::string text = std::regex_replace(std::regex_replace(question, std::regex("＋"), "+"), std::regex("－"), "-");
    EXPECT_TRUE(std::regex_search(text, parts, std::regex(R"((\d+)([+-])(\d+))"))) << question;
    const int a = std::stoi(parts[1]);
    const int b = std::stoi(parts[3]);
    return parts[2] == "+" ? a + b : a - b;
}

TEST(MixSheet, AnsweredMarkedAndStoredWithItsShares) {
    WithRecord r(false);
    ASSERT_TRUE(writeMixSheet(*r.h.form, "20 10以内加减:50 20以内进位加法:50"));
    const std::string body = r.h.page.bodyHtml();
    const std::regex line(R"(第(\d+)题：([^<]*)<input class=text name=answer\d+)");
    int questions = 0;
    int pastTen = 0;
    bool firstPastTen = false;
    for (auto it = std::sregex_iterator(body.begin(), body.end(), line); it != std::sregex_iterator(); ++it) {
        const int answer = sumOrDifference((*it)[2]);
        pastTen += answer > 10;
        if (questions == 0) firstPastTen = answer > 10;
        // The first question is answered wrong, the rest right.
        r.h.type("answer" + (*it)[1].str(), std::to_string(++questions == 1 ? answer + 1 : answer));
    }
    EXPECT_EQ(questions, 20);
    EXPECT_EQ(pastTen, 10);  // 20以内进位加法's half: every sum past ten, none of 10以内加减's
    r.h.finish();
    const auto stored = r.record.sheets(r.record.children()[0].id);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].topicKey, kMixKey);
    EXPECT_EQ(stored[0].questions, 20);
    EXPECT_EQ(stored[0].right, 19);
    EXPECT_EQ(stored[0].score, 95);
    // The miss is kept under the skill it came from: a sum past ten is 20以内进位加法's.
    const auto missed = r.record.missed(r.record.children()[0].id);
    ASSERT_EQ(missed.size(), 1u);
    EXPECT_EQ(missed[0].topicCaption, firstPastTen ? "20以内进位加法" : "10以内加减");
}

TEST(MixSheet, OnlyTheParentKeepsAMixForTheChild) {
    for (const bool parent : {false, true}) {
        SCOPED_TRACE(parent ? "parent" : "child alone");
        WithRecord r(parent);
        r.h.click(kMixKey, "口算");
        r.h.type(kMixNameField, "周末卷");
        r.h.type(kMixCountField, "30");
        r.h.type(kMixWordsField, "9加几:40 十几减9:60");
        r.h.form->pageClick(kMixSaveButton);
        const auto kept = r.record.savedMixes(r.record.children()[0].id);
        ASSERT_EQ(kept.size(), parent ? 1u : 0u) << r.h.lastMessage();
        EXPECT_NE(r.h.lastMessage().find(parent ? "保存好了" : "要请爸爸妈妈登录"), std::string::npos);
        if (!parent) continue;
        EXPECT_EQ(kept[0].questionCount, 30);
        ASSERT_TRUE(writeMixSheet(*r.h.form, "30 9加几:40 十几减9:60", "周末卷"));
        EXPECT_NE(r.h.page.bodyHtml().find("周末卷"), std::string::npos);
        r.h.click(kMixKey, "口算");
        EXPECT_LT(r.h.page.bodyHtml().find("周末卷"), r.h.page.bodyHtml().find("（示例）"));
    }
}

}  // namespace
}  // namespace tally
