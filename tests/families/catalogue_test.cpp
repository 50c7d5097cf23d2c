// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <vector>

#include "families/family_table.h"
#include "topics/catalogue.h"
#include "system/fs_data_directory.h"
#include "base/gbk.h"
#include "support/test_data.h"

namespace tally {
namespace {

class CatalogueTest : public ::testing::Test {
protected:
    test::TestData dir;
    FsDataDirectory data{dir.directory()};
    // A data folder holding only what the test writes there.
    test::TestData own{test::OwnData{}};
    FsDataDirectory ownData{own.root()};
    Families families;
    TreeModel tree;

    void show(const std::string& caption, const DataDirectory& from) { buildTab(tree, families.table, caption, from); }

    int childrenOf(const std::string& key) const {
        int count = 0;
        for (const auto& node : tree.nodes()) count += node.parent == key;
        return count;
    }
    // The captions of these keys, "-" for a key of no node.
    std::vector<std::string> captions(std::initializer_list<const char*> keys) const {
        std::vector<std::string> found;
        for (const char* key : keys) found.push_back(tree.find(key) ? tree.find(key)->caption : "-");
        return found;
    }
    using Captions = std::vector<std::string>;
};

// The tree takes no repeated key and no node before its parent: every row a
// family declares must reach it.
TEST_F(CatalogueTest, EveryRowOfEveryFamilyIsShown) {
    for (const Tab& tab : tabs()) {
        size_t rows = 0;
        for (const TopicFamily* family : families.table.all()) {
            for (const TopicSection& section : family->topics(tab.key, data)) rows += section.rows.size();
        }
        show(tab.caption, data);
        EXPECT_EQ(tree.nodes().size(), rows) << tab.caption;
    }
}

// Lesson numbers follow the file's lines across an empty one. A file saved by
// an ordinary editor has LF alone, or a stray CR or tab inside a line.
TEST_F(CatalogueTest, LessonNumbersFollowFileLinesAndCaptionsStayOneLine) {
    dir.write("1.txt", *utf8ToGbk("准备课\r\n\r\n位置\n认识\t图形\n1到5\r的认识\r\n"));
    show("同步教学", data);
    EXPECT_EQ(childrenOf("q533302"), 4);
    EXPECT_EQ(captions({"q533302001", "q533302002", "q533302003", "q533302004", "q533302005"}),
              (Captions{"准备课", "-", "位置", "认识 图形", "1到5 的认识"}));
    EXPECT_EQ(tree.find("q533302001")->tag, "{533302001");
}

TEST_F(CatalogueTest, MissingListsLeaveNodesWithoutChildren) {
    own.write("4.txt", *data.read("4.txt"));
    show("同步教学", ownData);
    EXPECT_EQ(childrenOf("q533304"), 0);
    EXPECT_GT(childrenOf("q533305"), 0);
    show("讲座和故事", ownData);
    EXPECT_EQ(childrenOf("q400"), 0);
    EXPECT_NE(tree.find("q400"), nullptr);
}

TEST_F(CatalogueTest, BookListSkipsTheIndexButKeepsItsNumberAndStoriesAreHtmPagesInside) {
    for (const char* name : {"0.htm", "a.htm", "b.txt", "c.htm", ".htm", "教你思考.htm"}) own.write(std::string("book/") + name, "x");
    // Stories end in .htm in any case and stay inside the data directory.
    const std::filesystem::path outside = dir.root();
    for (const char* name : {"help.htm", "story/a.HTM", "story/b.Htm", "story/c.html", "story/d.htm"}) own.write(name, "x");
    std::filesystem::create_symlink(outside / "help.htm", own.root() / "story/e.htm");
    std::filesystem::create_symlink(own.root() / "help.htm", own.root() / "story/f.htm");
    std::filesystem::create_symlink(outside / "book", own.root() / "story/g");
    show("讲座和故事", ownData);
    // Name order: .htm, 0.htm, a.htm, b.txt, c.htm, 教你思考.htm
    EXPECT_EQ(captions({"q3001", "q3002", "q3003", "q3004", "q3005"}), (Captions{"-", "0", "a", "-", "c"}));
    EXPECT_EQ(tree.find("q3003")->tag, "j3003");
    EXPECT_EQ(childrenOf("q300"), 3);
    // Listed in name order: a.HTM b.Htm c.html d.htm f.htm (e leads outside).
    EXPECT_EQ(captions({"q4001", "q4002", "q4003", "q4004", "q4005"}), (Captions{"a", "b", "-", "d", "f"}));
    EXPECT_EQ(childrenOf("q400"), 4);
}

// Lesson files and folders alike stop at 999, so book keys never reach story keys.
TEST_F(CatalogueTest, ListsStopAt999) {
    for (int i = 1; i <= 1002; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "book/%04d.htm", i);
        own.write(name, "x");
    }
    own.write("story/a.htm", "x");
    std::string lines;
    for (int i = 0; i < 1005; ++i) lines += "第" + std::to_string(i + 1) + "课\r\n";
    own.write("2.txt", *utf8ToGbk(lines));
    show("同步教学", ownData);
    EXPECT_EQ(childrenOf("q533303"), 999);
    EXPECT_NE(tree.find("q533303999"), nullptr);
    show("讲座和故事", ownData);
    EXPECT_EQ(childrenOf("q300"), 999);
    EXPECT_EQ(captions({"q3999", "q4000", "q4001"}), (Captions{"0999", "-", "a"}));
    EXPECT_EQ(childrenOf("q400"), 1);
}

TEST_F(CatalogueTest, AGbkFileNameIsShownInChinese) {
    own.write("story/" + *utf8ToGbk("曹冲称象.htm"), "x");
    show("讲座和故事", ownData);
    EXPECT_EQ(captions({"q4001"}), Captions{"曹冲称象"});
    EXPECT_EQ(ownData.read("story/曹冲称象.htm"), "x");
}

// Nodes placed behind another family's node follow it in the families' order.
TEST_F(CatalogueTest, PlacedNodesFollowTheNodeTheyName) {
    for (const auto& [caption, keys] : std::map<std::string, Captions>{
             {"时间转换", {"q7", "q77", "q71"}}, {"数学游戏", {"q6", "q61", "q62", "q63"}}, {"应用题", {"q5", "q58", "q5801"}}}) {
        show(caption, data);
        for (size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(tree.nodes().at(i).key, keys[i]) << caption;
    }
}

// Every node of a fixed tab is found by its key whichever tab is shown, with
// its tag and caption (a key in two tabs with different tags would make the
// lookup ambiguous); nodes read from the data directory, and keys of no
// node, are not fixed.
TEST_F(CatalogueTest, EveryTabAgreesWithTheFixedLookup) {
    int found = 0;
    for (const Tab& tab : tabs()) {
        show(tab.caption, data);
        for (const TopicNode& node : tree.nodes()) {
            const auto fixed = findFixedTopic(families.table, node.key);
            if (!fixed) continue;
            ++found;
            EXPECT_EQ(fixed->tag, node.tag) << tab.caption << " " << node.key;
            EXPECT_EQ(fixed->caption, node.caption) << tab.caption << " " << node.key;
        }
    }
    EXPECT_GT(found, 250);
    for (const char* key : {"q17", "q41", "q5002", "q77", "q9001", "q8005", "q2072", "q522213", "q533302"}) {
        EXPECT_TRUE(findFixedTopic(families.table, key).has_value()) << key;
    }
    for (const char* key : {"q533302001", "q3001", "q4001", "q6002001", "q0", "", "q"}) {
        EXPECT_FALSE(findFixedTopic(families.table, key).has_value()) << key;
    }
}

}  // namespace
}  // namespace tally
