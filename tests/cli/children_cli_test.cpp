// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <regex>

#include "support/harness.h"

namespace tally {
namespace {

namespace fs = std::filesystem;

// A family computer: the parent names two children, then each practises.
class ChildrenCli : public ::testing::Test {
protected:
    test::TestData data;
    test::TempFolder dir;
    fs::path recordFile = dir.path() / "record.sqlite";

    std::string run(const std::string& commands, const std::optional<std::string>& child,
                    const std::optional<std::string>& login = std::nullopt) {
        return test::runCli(data, commands, login, recordFile, child);
    }
    std::string parent(const std::string& commands) { return run(commands, std::nullopt, "238"); }
    void nameTwoChildren() {
        ASSERT_EQ(parent("child add 小明 1\nchild add 小红 四年级\nchildren\nquit\n"), "小明\t1\n小红\t4\n.\n");
    }
};

// A child opens their own report only, with their own misses waiting; the
// parent opens any child's from the switch.
TEST_F(ChildrenCli, OnlyTheParentOpensAnotherChildsReport) {
    nameTwoChildren();
    run("tab 加减乘除\nclick q11\nset answer1 x\nfinish\nquit\n", "小红");
    const std::string own = run("report\npage2\nreport 小红\nquit\n", "小明");
    EXPECT_NE(own.find("data-waiting=0"), std::string::npos) << own;
    EXPECT_EQ(own.find("report-child-"), std::string::npos);  // no switch for a child alone
    EXPECT_TRUE(own.ends_with("error: 别的孩子的报告要请爸爸妈妈先用高级用户登录。\n")) << own;
    const std::string hong = run("report 小红\npage2\nreport 小刚\nquit\n", "小明", "238");
    EXPECT_NE(hong.find("小红的每周练习报告"), std::string::npos);
    EXPECT_NE(hong.find("data-waiting=10"), std::string::npos) << hong;
    EXPECT_TRUE(std::regex_search(hong, std::regex("href=\"report-child-\\d+\\.tallymoo\">小明</a>"))) << hong;
    EXPECT_TRUE(hong.ends_with("error: no child 小刚\n")) << hong;
}

// With the parent's option off, a child's sheet waits for the parent.
TEST_F(ChildrenCli, WithMarkingOffAChildsSheetWaitsForTheParent) {
    nameTwoChildren();
    ASSERT_EQ(parent("child marks off\nquit\n"), "");
    const std::string waiting = run("tab 加减乘除\nclick q11\nset answer1 1\nfinish\nmessages\nrecord\nquit\n", "小红");
    EXPECT_NE(waiting.find("请爸爸妈妈"), std::string::npos) << waiting;
    EXPECT_EQ(waiting.find("你的得分是"), std::string::npos);
}

TEST_F(ChildrenCli, EachChildsSettingsComeBackAtTheNextStart) {
    nameTwoChildren();
    // A child's first start: the lessons of the child's grade, opened.
    const std::string first = run("tree\nstate QuestionCount\nquit\n", "小红");
    EXPECT_TRUE(std::regex_search(first, std::regex("\n  q533305\t[^\n]*\t\\{533305\t\\+\\*\n"))) << first;
    run("options 20 3\ntoolbar w7\ntab 四则运算\nclick q9003\nquit\n", "小明");
    const std::string again = run("state QuestionCount\nstate MemoryTime\nstate DrillForm\ntree\nquit\n", "小明");
    EXPECT_TRUE(again.starts_with("20\n3\nw7\n")) << again;
    EXPECT_TRUE(std::regex_search(again, std::regex("\n  q9003\t[^\n]*\\*\n"))) << again;
    // 小红 keeps hers.
    EXPECT_TRUE(run("state QuestionCount\nstate DrillForm\nquit\n", "小红").starts_with("10\nw6\n"));
}

// Without a child a script starts the same every time: the headless front
// end keeps no settings of the computer's own.
TEST_F(ChildrenCli, WithoutAChildAScriptStartsTheSameEveryTime) {
    parent("tab 分数和比例\nclick q5008\noptions 50 -\nquit\n");
    EXPECT_EQ(parent("state QuestionCount\nclick q13\nfront\nquit\n"), "10\nWebBrowser1\n");
}

TEST_F(ChildrenCli, ChildrenAreManagedByTheParentOnly) {
    nameTwoChildren();
    EXPECT_EQ(run("child add 小刚 2\nchildren\nquit\n", "小明"),
              "error: 管理孩子要请爸爸妈妈先用高级用户登录。\n小明\t1\n小红\t4\n.\n");
    const std::string out = run(
        "child remove 小明\nchild rename 小红 红红\nchild grade 红红 5\n"
        "child remove 红红\nmessages\nchildren\nchild frob\nquit\n",
        "小明", "238");
    EXPECT_EQ(out,
              "error: “小明”现在登录着，不能删掉。请先让别的孩子登录，再来删。\n"
              "提问|要删掉“红红”吗？红红做过的练习和错题也会一起删掉。 删掉\n"
              "提问|真的删掉“红红”吗？删掉以后就找不回来了。 删掉\n.\n"
              "小明\t1\n.\n"
              "error: child add NAME GRADE | rename OLD NEW | grade NAME GRADE | remove NAME | give NAME | marks on|off\n");
    EXPECT_EQ(run("quit\n", "没有这个人"), "error: 没有叫“没有这个人”的孩子。\n");
}

}  // namespace
}  // namespace tally
