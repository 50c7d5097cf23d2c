#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>

#include "shell/catalogue.h"
#include "shell/fs_data_directory.h"
#include "shell/gbk.h"
#include "support/harness.h"

namespace tally {
namespace {

struct TabCase {
    const char* caption;
    size_t nodes;
    const char* root;
};

class CatalogueTest : public ::testing::Test {
protected:
    test::TempDataDir dir;
    FsDataDirectory data{dir.path()};
    TreeModel tree;

    int childrenOf(const std::string& key) const {
        int count = 0;
        for (const auto& node : tree.nodes()) count += node.parent == key;
        return count;
    }
};

TEST_F(CatalogueTest, FixedTabsHaveTheirNodeCounts) {
    const TabCase cases[] = {
        {"加减乘除", 38, "q1"},  {"时间转换", 9, "q7"},   {"比较多少", 5, "q8"},
        {"规律运算", 6, "q9"},   {"分数和比例", 13, "q500"}, {"基础概念", 12, "q600"},
        {"四则运算", 10, "q900"}, {"约数和倍数", 13, "q700"}, {"数学游戏", 21, "q6"},
        {"应用题", 13, "q5"},    {"智力题", 72, "q55555"}, {"各年级试卷", 47, "q200"},
        {"奥数试卷", 27, "q199"},
    };
    for (const auto& c : cases) {
        buildTab(tree, c.caption, data);
        EXPECT_EQ(tree.nodes().size(), c.nodes) << c.caption;
        EXPECT_EQ(tree.nodes().front().key, c.root) << c.caption;
    }
    buildTab(tree, "智力题", data);
    EXPECT_EQ(childrenOf("q51"), 68);
    buildTab(tree, "各年级试卷", data);
    EXPECT_EQ(childrenOf("q200"), 46);
    buildTab(tree, "奥数试卷", data);
    EXPECT_EQ(childrenOf("q199"), 26);
}

TEST_F(CatalogueTest, KeysAreUniqueAndParentsComeFirst) {
    for (const Tab& tab : tabs()) {
        buildTab(tree, tab.caption, data);
        std::set<std::string> seen;
        for (const auto& node : tree.nodes()) {
            EXPECT_TRUE(seen.insert(node.key).second) << tab.caption << " repeats " << node.key;
            if (!node.parent.empty()) {
                EXPECT_TRUE(seen.count(node.parent)) << node.key;
            }
            EXPECT_FALSE(node.tag.empty()) << node.key;
        }
    }
    EXPECT_EQ(tabs().size(), 15u);
}

TEST_F(CatalogueTest, TagsFollowTheirKeys) {
    buildTab(tree, "智力题", data);
    EXPECT_EQ(tree.find("q511")->tag, "?11");
    EXPECT_EQ(tree.find("q578")->tag, "?78");
    EXPECT_EQ(tree.find("q578")->caption, "追草帽");
    EXPECT_EQ(tree.find("q59")->tag, "?5");
    buildTab(tree, "应用题", data);
    EXPECT_EQ(tree.find("q55")->tag, "?9");
    EXPECT_EQ(tree.find("q58")->tag, "?3");
    buildTab(tree, "各年级试卷", data);
    EXPECT_EQ(tree.find("q2059")->tag, "#2059");
    EXPECT_EQ(tree.find("q2037")->caption, "1年级1学期期中考答案");
    buildTab(tree, "奥数试卷", data);
    EXPECT_EQ(tree.find("q2036")->caption, "2003年全国奥数题");
    EXPECT_EQ(tree.find("q2072")->caption, "2003年全国奥数答案");
}

// Pictures mark sections and folders; each tab opens its own sections.
TEST_F(CatalogueTest, PicturesAndExpansionFollowEachTab) {
    buildTab(tree, "智力题", data);
    for (const char* key : {"q55555", "q51", "q59", "q52"}) EXPECT_EQ(tree.find(key)->image, 4) << key;
    EXPECT_EQ(tree.find("q511")->image, 1);
    EXPECT_EQ(tree.find("q511")->selectedImage, 2);
    EXPECT_TRUE(tree.find("q55555")->expanded);
    EXPECT_FALSE(tree.find("q51")->expanded);
    buildTab(tree, "讲座和故事", data);
    EXPECT_TRUE(tree.find("q666666")->expanded);
    for (const char* key : {"q100", "q300", "q400"}) EXPECT_FALSE(tree.find(key)->expanded) << key;
    buildTab(tree, "约数和倍数", data);
    EXPECT_TRUE(tree.find("q700")->expanded);
    EXPECT_TRUE(tree.find("q800")->expanded);
}

TEST_F(CatalogueTest, DivisionCaptionsStayAsFirstShownWhenTheTabIsShownAgain) {
    buildStartupTree(tree);
    EXPECT_EQ(tree.find("q41")->caption, "81以内除法");
    EXPECT_EQ(tree.find("q46")->caption, "10000以内除法");
    EXPECT_EQ(tree.selectedKey(), "q1");
    for (const char* key : {"q1", "q2", "q3", "q4", "q5111"}) EXPECT_TRUE(tree.find(key)->expanded);
    buildTab(tree, "加减乘除", data);
    EXPECT_EQ(tree.find("q41")->caption, "81以内除法");
    EXPECT_EQ(tree.find("q46")->caption, "10000以内除法");
    EXPECT_EQ(tree.find("q46")->tag, "÷10000");
    EXPECT_EQ(tree.selectedKey(), "");
}

// Lesson numbers follow the file's lines across an empty one. A file saved by
// an ordinary editor has LF alone, or a stray CR or tab inside a line.
TEST_F(CatalogueTest, LessonNumbersFollowFileLinesAndCaptionsStayOneLine) {
    dir.write("1.txt", *utf8ToGbk("准备课\r\n\r\n位置\n认识\t图形\n1到5\r的认识\r\n"));
    buildTab(tree, "同步教学", data);
    EXPECT_EQ(childrenOf("q533302"), 4);
    EXPECT_EQ(tree.find("q533302001")->caption, "准备课");
    EXPECT_EQ(tree.find("q533302001")->tag, "{533302001");
    EXPECT_EQ(tree.find("q533302002"), nullptr);
    EXPECT_EQ(tree.find("q533302003")->caption, "位置");
    EXPECT_EQ(tree.find("q533302004")->caption, "认识 图形");
    EXPECT_EQ(tree.find("q533302005")->caption, "1到5 的认识");
}

TEST_F(CatalogueTest, MissingListsLeaveNodesWithoutChildren) {
    std::filesystem::remove(dir.path() / "3.txt");
    std::filesystem::remove_all(dir.path() / "story");
    buildTab(tree, "同步教学", data);
    EXPECT_EQ(childrenOf("q533304"), 0);
    EXPECT_GT(childrenOf("q533305"), 0);
    buildTab(tree, "讲座和故事", data);
    EXPECT_EQ(childrenOf("q400"), 0);
    EXPECT_NE(tree.find("q400"), nullptr);
}

TEST_F(CatalogueTest, LongLessonFilesStopAt999) {
    std::string lines;
    for (int i = 0; i < 1005; ++i) lines += "第" + std::to_string(i + 1) + "课\r\n";
    dir.write("2.txt", *utf8ToGbk(lines));
    buildTab(tree, "同步教学", data);
    EXPECT_EQ(childrenOf("q533303"), 999);
    EXPECT_NE(tree.find("q533303999"), nullptr);
}

TEST_F(CatalogueTest, BookListSkipsTheIndexButKeepsItsNumber) {
    std::filesystem::remove_all(dir.path() / "book");
    dir.write("book/0.htm", "x");
    dir.write("book/a.htm", "x");
    dir.write("book/b.txt", "x");
    dir.write("book/c.htm", "x");
    dir.write("book/.htm", "x");
    dir.write("book/教你思考.htm", "x");
    buildTab(tree, "讲座和故事", data);
    // Name order: .htm, 0.htm, a.htm, b.txt, c.htm, 教你思考.htm
    EXPECT_EQ(tree.find("q3001"), nullptr);
    EXPECT_EQ(tree.find("q3002")->caption, "0");
    EXPECT_EQ(tree.find("q3003")->caption, "a");
    EXPECT_EQ(tree.find("q3003")->tag, "j3003");
    EXPECT_EQ(tree.find("q3004"), nullptr);
    EXPECT_EQ(tree.find("q3005")->caption, "c");
    EXPECT_EQ(childrenOf("q300"), 3);
}

TEST_F(CatalogueTest, PagesEndInHtmInAnyCaseAndStayInsideTheDataDirectory) {
    std::filesystem::remove_all(dir.path() / "story");
    test::TempDataDir outside;
    dir.write("story/a.HTM", "x");
    dir.write("story/b.Htm", "x");
    dir.write("story/c.html", "x");
    dir.write("story/d.htm", "x");
    std::filesystem::create_symlink(outside.path() / "help.htm", dir.path() / "story/e.htm");
    std::filesystem::create_symlink(dir.path() / "help.htm", dir.path() / "story/f.htm");
    std::filesystem::create_symlink(outside.path() / "book", dir.path() / "story/g");
    buildTab(tree, "讲座和故事", data);
    // Listed in name order: a.HTM b.Htm c.html d.htm f.htm (e leads outside).
    EXPECT_EQ(tree.find("q4001")->caption, "a");
    EXPECT_EQ(tree.find("q4002")->caption, "b");
    EXPECT_EQ(tree.find("q4003"), nullptr);
    EXPECT_EQ(tree.find("q4004")->caption, "d");
    EXPECT_EQ(tree.find("q4005")->caption, "f");
    EXPECT_EQ(childrenOf("q400"), 4);
}

TEST_F(CatalogueTest, FolderListsStopAt999SoBookKeysNeverReachStoryKeys) {
    std::filesystem::remove_all(dir.path() / "book");
    for (int i = 1; i <= 1002; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "book/%04d.htm", i);
        dir.write(name, "x");
    }
    buildTab(tree, "讲座和故事", data);
    EXPECT_EQ(childrenOf("q300"), 999);
    ASSERT_NE(tree.find("q3999"), nullptr);
    EXPECT_EQ(tree.find("q3999")->caption, "0999");
    EXPECT_EQ(tree.find("q4000"), nullptr);
    ASSERT_NE(tree.find("q4001"), nullptr);
    EXPECT_EQ(tree.find("q4001")->parent, "q400");
}

TEST_F(CatalogueTest, AGbkFileNameIsShownInChinese) {
    std::filesystem::remove_all(dir.path() / "story");
    dir.write("story/" + *utf8ToGbk("曹冲称象.htm"), "x");
    buildTab(tree, "讲座和故事", data);
    ASSERT_NE(tree.find("q4001"), nullptr);
    EXPECT_EQ(tree.find("q4001")->caption, "曹冲称象");
    EXPECT_EQ(data.read("story/曹冲称象.htm"), "x");
}

TEST_F(CatalogueTest, UnknownCaptionBuildsNothing) {
    buildTab(tree, "加减乘除", data);
    buildTab(tree, "没有这一页", data);
    EXPECT_TRUE(tree.nodes().empty());
}

}  // namespace
}  // namespace tally
