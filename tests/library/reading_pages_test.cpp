#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "library/answer_pages.h"
#include "shell/content_store.h"
#include "library/reading_pages.h"
#include "shell/catalogue.h"
#include "shell/topic_tag.h"
#include "support/harness.h"

namespace tally {
namespace {

TEST(ReadingPagePath, FamiliesAndDecidedNames) {
    const struct {
        const char* sigil;
        int topic;
        const char* caption;
        const char* path;
    } cases[] = {
        {"#", 1001, "添运算符号", "flash/j1.htm"},
        {"#", 1008, "常用速算方法", "flash/j8.htm"},
        {"#", 2001, "1年级1学期期中考试题", "test/11.htm"},
        {"#", 2002, "1年级1学期期末考试题", "test/12.htm"},
        {"#", 2003, "1年级2学期期中考试题", "test/13.htm"},
        {"#", 2004, "1年级2学期期末考试题", "test/14.htm"},
        {"#", 2005, "2年级1学期期中考试题", "test/21.htm"},
        {"#", 2021, "6年级1学期期中考试题", "test/61.htm"},
        {"#", 2022, "6年级1学期期末考试题", "test/62.htm"},
        {"#", 2023, "6年级2学期期末考试题", "test/64.htm"},
        // The name follows the caption, not the position in the list.
        {"#", 2005, "3年级2学期期末考试题", "test/34.htm"},
        {"#", 2010, "试卷", ""},
        {"#", 2024, "1991年全国奥数题", "test/1991.htm"},
        {"#", 2036, "2003年全国奥数题", "test/2003.htm"},
        {"j", 3001, "第1章 从简单情形想起", "book/第1章 从简单情形想起.htm"},
        {"j", 300, "教你思考", "book/教你思考.htm"},
        {"g", 4002, "曹冲称象", "story/曹冲称象.htm"},
        {"g", 400, "数学故事", "story/数学故事.htm"},
        // Section roots and answer topics have no file; captions that would
        // leave the folder name none.
        {"#", 100, "数学讲座", ""},
        {"#", 666666, "讲座和故事", ""},
        {"#", 2037, "1年级1学期期中考答案", ""},
        {"#", 2072, "2003年全国奥数答案", ""},
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

TEST(AnswerTopics, PageTitleAndMissingAnswers) {
    const std::string page = answerPage("1年级1学期期中考试题", "<ol><li>3＋4＝7</li></ol>");
    EXPECT_NE(page.find("<h1>1年级1学期期中考试题 参考答案</h1>\n<ol><li>3＋4＝7</li></ol>"), std::string::npos);
    EXPECT_NE(page.find("<link rel=\"stylesheet\" href=\"reading.css\">"), std::string::npos);
    EXPECT_NE(page.find("<title>1年级1学期期中考试题 参考答案</title>"), std::string::npos);
    for (const char* empty : {"", " \r\n"}) {
        const std::string missing = answerPage("1991年全国奥数题", empty);
        EXPECT_NE(missing.find("<h1>1991年全国奥数题 参考答案</h1>"), std::string::npos);
        EXPECT_NE(missing.find("找不到"), std::string::npos);
    }
    EXPECT_NE(answerPage("a<b", "x").find("<h1>a&lt;b 参考答案</h1>"), std::string::npos);
}

// The nodes of the three reading tabs as the repository's data directory
// builds them.
std::vector<TopicNode> readingNodes(const std::string& tab) {
    test::Harness h;
    h.form->clickTab(tab);
    return h.form->tree.nodes();
}

// Every node names its page, and no two share one. (The pages themselves
// arrive with the content; this checks the names.)
TEST(ReadingPagePath, EveryCatalogueNodeNamesItsPage) {
    std::vector<std::string> gradePapers, olympiad, lectures;
    std::set<std::string> seen;
    for (const char* tab : {"讲座和故事", "各年级试卷", "奥数试卷"}) {
        for (const TopicNode& node : readingNodes(tab)) {
            const TopicTagParts tag = splitTopicTag(node.tag);
            const std::string path = readingPagePath(tag.sigil, tag.number, node.caption);
            const bool builtPage = node.parent.empty() || node.key == "q100" || isAnswerTopic(tag.number);
            EXPECT_EQ(path.empty(), builtPage) << node.key << " " << node.caption;
            if (path.empty()) continue;
            EXPECT_TRUE(seen.insert(path).second) << path;
            if (path.starts_with("test/19") || path.starts_with("test/20")) {
                olympiad.push_back(path);
            } else if (path.starts_with("test/")) {
                gradePapers.push_back(path);
            } else if (path.starts_with("flash/")) {
                lectures.push_back(path);
            } else {
                const std::string folder = tag.sigil == "j" ? "book/" : "story/";
                EXPECT_EQ(path, folder + node.caption + ".htm");
            }
        }
    }
    // Two mid-terms and two finals a year, less the last mid-term of grade 6.
    std::vector<std::string> expectedPapers;
    for (int grade = 1; grade <= 6; ++grade) {
        for (int paper = 1; paper <= 4; ++paper) {
            if (grade * 10 + paper != 63) expectedPapers.push_back("test/" + std::to_string(grade * 10 + paper) + ".htm");
        }
    }
    EXPECT_EQ(gradePapers, expectedPapers);
    ASSERT_EQ(olympiad.size(), 13u);
    EXPECT_EQ(olympiad.front(), "test/1991.htm");
    EXPECT_EQ(olympiad.back(), "test/2003.htm");
    ASSERT_EQ(lectures.size(), 8u);
    EXPECT_EQ(lectures.back(), "flash/j8.htm");
}

class ReadingTopicTest : public ::testing::Test {
protected:
    test::Harness h;
    std::string sheet;
    void SetUp() override {
        h.start();
        h.click("q11");
        sheet = h.page.bodyHtml();
        ASSERT_NE(sheet.find("answer10"), std::string::npos);
    }
    void expectSheetKept(const std::string& key) {
        EXPECT_EQ(h.page.bodyHtml(), sheet) << key;
        EXPECT_EQ(h.ui.front, Pane::WebBrowser2) << key;
    }
};

TEST_F(ReadingTopicTest, PagesOpenInTheSecondPaneOverTheSheet) {
    const struct {
        const char* tab;
        const char* key;
        const char* file;
    } cases[] = {
        {"讲座和故事", "q1001", "flash/j1.htm"},   {"讲座和故事", "q1008", "flash/j8.htm"},
        {"各年级试卷", "q2001", "test/11.htm"},   {"各年级试卷", "q2023", "test/64.htm"},
        {"奥数试卷", "q2024", "test/1991.htm"},    {"奥数试卷", "q2036", "test/2003.htm"},
        {"讲座和故事", "q300", "book/教你思考.htm"}, {"讲座和故事", "q400", "story/数学故事.htm"},
    };
    for (const auto& c : cases) h.dir.write(c.file, "<html><body>page</body></html>");
    for (const auto& c : cases) {
        h.click(c.key, c.tab);
        EXPECT_EQ(h.ui.page2Path, c.file) << c.key;
        EXPECT_EQ(h.ui.page2Html, "") << c.key;
        expectSheetKept(c.key);
    }
    // Back to a sheet: the first pane comes to the front with a new sheet.
    h.click("q11", "加减乘除");
    EXPECT_EQ(h.ui.front, Pane::WebBrowser1);
    EXPECT_NE(h.page.bodyHtml().find("answer10"), std::string::npos);
}

TEST_F(ReadingTopicTest, BookAndStoryChaptersOfTheDataDirectory) {
    h.form->clickTab("讲座和故事");
    int chapters = 0;
    for (const TopicNode& node : h.form->tree.nodes()) {
        if (node.parent != "q300" && node.parent != "q400") continue;
        h.click(node.key);
        const std::string folder = node.parent == "q300" ? "book/" : "story/";
        EXPECT_EQ(h.ui.page2Path, folder + node.caption + ".htm") << node.key;
        expectSheetKept(node.key);
        ++chapters;
    }
    EXPECT_GE(chapters, 8);
}

TEST_F(ReadingTopicTest, MissingPageShowsANoteOfOurOwn) {
    h.form->clickTab("讲座和故事");
    const std::string chapter = "第2章 画图帮你想";
    std::filesystem::remove(h.dir.path() / "book" / (chapter + ".htm"));
    const TopicNode* node = nullptr;
    for (const TopicNode& n : h.form->tree.nodes()) {
        if (n.caption == chapter) node = &n;
    }
    ASSERT_NE(node, nullptr);
    h.click(node->key);
    EXPECT_EQ(h.ui.page2Path, "");
    EXPECT_NE(h.ui.page2Html.find("<h1>" + chapter + "</h1>"), std::string::npos);
    EXPECT_NE(h.ui.page2Html.find("找不到"), std::string::npos);
    expectSheetKept(node->key);

    std::filesystem::remove(h.dir.path() / "test" / "12.htm");
    h.click("q2002", "各年级试卷");
    EXPECT_NE(h.ui.page2Html.find("<h1>1年级1学期期末考试题</h1>"), std::string::npos);
    expectSheetKept("q2002");
}

TEST_F(ReadingTopicTest, SectionRootsIntroduceTheirSection) {
    const std::pair<const char*, const char*> cases[] = {
        {"讲座和故事", "q666666"}, {"讲座和故事", "q100"}, {"各年级试卷", "q200"}, {"奥数试卷", "q199"}};
    for (const auto& [tab, key] : cases) {
        h.click(key, tab);
        const std::string caption = h.form->selectedNode()->caption;
        EXPECT_NE(h.ui.page2Html.find("<h1>" + caption + "</h1>\n<p>"), std::string::npos) << key;
        expectSheetKept(key);
    }
}

TEST_F(ReadingTopicTest, AnswerTopicsShowTheirPapersAnswers) {
    const struct {
        const char* tab;
        const char* key;
        const char* paper;
        int index;
    } cases[] = {
        {"各年级试卷", "q2037", "1年级1学期期中考试题", 0},
        {"各年级试卷", "q2059", "6年级2学期期末考试题", 22},
        {"奥数试卷", "q2060", "1991年全国奥数题", 23},
        {"奥数试卷", "q2070", "2001年全国奥数题", 33},
        {"奥数试卷", "q2072", "2003年全国奥数题", 35},
    };
    for (const auto& c : cases) {
        h.click(c.key, c.tab);
        EXPECT_NE(h.ui.page2Html.find("<h1>" + std::string(c.paper) + " 参考答案</h1>"), std::string::npos) << c.key;
        const std::string answers = ContentStore::text(answerTextName(c.index));
        if (!answers.empty()) {
            EXPECT_NE(h.ui.page2Html.find(answers), std::string::npos) << c.key;
        }
        expectSheetKept(c.key);
    }
}

}  // namespace
}  // namespace tally
