// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "app/mix_sheet.h"
#include "skills/mix_page.h"
#include "support/file_harness.h"

// A 口算卷 from the 口算卷 page: answered, marked, stored in a real record; kept
// for the child by the parent only.
namespace tally {
namespace {

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
    test::FileHarness h(false);
    const long long id = h.practising("小红", 1);
    h.start();
    ASSERT_TRUE(writeMixSheet(*h.form, "20 10以内加减:50 20以内进位加法:50"));
    const std::string body = h.page.bodyHtml();
    const std::regex line(R"(第(\d+)题：([^<]*)<input class=text name=answer\d+)");
    int questions = 0;
    int pastTen = 0;
    bool firstPastTen = false;
    for (auto it = std::sregex_iterator(body.begin(), body.end(), line); it != std::sregex_iterator(); ++it) {
        const int answer = sumOrDifference((*it)[2]);
        pastTen += answer > 10;
        if (questions == 0) firstPastTen = answer > 10;
        // The first question is answered wrong, the rest right.
        h.type("answer" + (*it)[1].str(), std::to_string(++questions == 1 ? answer + 1 : answer));
    }
    EXPECT_EQ(questions, 20);
    EXPECT_EQ(pastTen, 10);  // 20以内进位加法's half: every sum past ten, none of 10以内加减's
    h.finish();
    const auto stored = h.file.sheets(id);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].topicKey, kMixKey);
    EXPECT_EQ(stored[0].score, 95);  // 19 of 20
    // The miss is kept under the skill it came from: a sum past ten is 20以内进位加法's.
    const auto missed = h.file.missed(id);
    ASSERT_EQ(missed.size(), 1u);
    EXPECT_EQ(missed[0].topicCaption, firstPastTen ? "20以内进位加法" : "10以内加减");
}

TEST(MixSheet, OnlyTheParentKeepsAMixForTheChild) {
    for (const bool parent : {false, true}) {
        SCOPED_TRACE(parent ? "parent" : "child alone");
        test::FileHarness h(parent);
        const long long id = h.practising("小红", 1);
        h.start();
        h.click(kMixKey, "口算");
        h.type(kMixNameField, "周末卷");
        h.type(kMixCountField, "30");
        h.type(kMixWordsField, "9加几:40 十几减9:60");
        h.form->pageClick(kMixSaveButton);
        const auto kept = h.file.savedMixes(id);
        ASSERT_EQ(kept.size(), parent ? 1u : 0u) << h.lastMessage();
        EXPECT_NE(h.lastMessage().find(parent ? "保存好了" : "要请爸爸妈妈登录"), std::string::npos);
        if (!parent) continue;
        EXPECT_EQ(kept[0].questionCount, 30);
        ASSERT_TRUE(writeMixSheet(*h.form, "30 9加几:40 十几减9:60", "周末卷"));
        EXPECT_NE(h.page.bodyHtml().find("周末卷"), std::string::npos);
        h.click(kMixKey, "口算");
        EXPECT_LT(h.page.bodyHtml().find("周末卷"), h.page.bodyHtml().find("（示例）"));
    }
}

}  // namespace
}  // namespace tally
