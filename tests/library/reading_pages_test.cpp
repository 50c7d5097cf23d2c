// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "library/answer_pages.h"
#include "library/reading_pages.h"
#include "window/login_file.h"
#include "support/harness.h"

namespace tally {
namespace {

// The names the catalogue's own nodes do not reach (those the walk below
// checks): a paper named by its caption, not its place; captions that name no
// paper or would leave the folder; a topic of another family.
TEST(ReadingPagePath, DecidedNamesAndNoneOutsideTheFolder) {
    const struct { const char* sigil; int topic; const char* caption; const char* path; } cases[] = {
        {"#", 2005, "3年级2学期期末考试题", "test/34.htm"},
        {"#", 2010, "试卷", ""},
        {"#", 1009, "添运算符号", ""},
        {"j", 3001, "../help", ""},
        {"g", 4001, "a\\b", ""},
        {"j", 3002, "..", ""},
        {"g", 4003, "", ""},
        {"+", 10, "10以内加法", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readingPagePath(c.sigil, c.topic, c.caption), c.path) << c.sigil << c.topic << " " << c.caption;
    }
}

// The answers' page takes the data directory's style sheet, says when the
// answers are missing and escapes its title.
TEST(AnswerTopics, PageTitleAndMissingAnswers) {
    EXPECT_NE(answerPage("答案", "x").find("<link rel=\"stylesheet\" href=\"reading.css\">"), std::string::npos);
    EXPECT_NE(answerPage("答案", " \r\n").find("找不到"), std::string::npos);
    EXPECT_NE(answerPage("a<b", "x").find("<h1>a&lt;b</h1>"), std::string::npos);
}

// A data folder holding only a chapter of the book, which the test takes away
// once the tree lists it, and the login file: the sheet on the page stays.
TEST(ReadingTopic, MissingPageShowsANoteOfOurOwn) {
    const std::string chapter = "第2章 画图帮你想";
    test::Harness h{test::OwnData{{kLoginFileName, "book/" + chapter + ".htm"}}};
    h.start();
    h.click("q11");
    const std::string sheet = h.page.bodyHtml();
    ASSERT_NE(sheet.find("answer10"), std::string::npos);
    const auto expectSheetKept = [&](const std::string& key) {
        EXPECT_EQ(h.page.bodyHtml(), sheet) << key;
        EXPECT_EQ(h.ui.front, Pane::WebBrowser2) << key;
    };
    h.form->clickTab("讲座和故事");
    h.dir.remove("book/" + chapter + ".htm");
    const TopicNode* node = nullptr;
    for (const TopicNode& n : h.form->tree().nodes()) {
        if (n.caption == chapter) node = &n;
    }
    ASSERT_NE(node, nullptr);
    h.click(node->key);
    EXPECT_EQ(h.ui.page2Path, "");
    EXPECT_NE(h.ui.page2Html.find("<h1>" + chapter + "</h1>"), std::string::npos);
    EXPECT_NE(h.ui.page2Html.find("找不到"), std::string::npos);
    expectSheetKept(node->key);

    h.click("q2002", "各年级试卷");
    EXPECT_NE(h.ui.page2Html.find("<h1>1年级1学期期末考试题</h1>"), std::string::npos);
    expectSheetKept("q2002");
}

}  // namespace
}  // namespace tally
