// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "support/harness.h"
#include "support/run_command.h"

namespace tally {
namespace {

namespace fs = std::filesystem;

class CliRecord : public ::testing::Test {
protected:
    test::TestData data;
    test::TempFolder dir;
    fs::path recordFile = dir.path() / "record/record.sqlite";

    std::string cli(const fs::path& record) const {
        return std::string(TALLYMOO_CLI) + " --data " + data.root().string() + " --login 238 --record " + record.string();
    }
    // The text once in `out`, and no more.
    static void toldOnce(const std::string& out, const std::string& text) {
        EXPECT_NE(out.find(text), std::string::npos) << out.substr(0, 2000);
        EXPECT_EQ(out.find(text, out.find(text) + 1), std::string::npos) << "told twice: " << text;
    }
};

// A record file the user may read but not write: the message says so, once,
// and the sheets are marked as usual.
TEST_F(CliRecord, AReadOnlyRecordIsNamedAsSuch) {
    test::runCli(data, "click q11\nset answer1 1\nfinish\nquit\n", "238", recordFile);
    ASSERT_TRUE(fs::exists(recordFile));
    // The program made the folder for its owner alone: opened to the other user here.
    fs::permissions(recordFile, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    // The normal user reaches the record through the test's folder and the record's own (0700) folder.
    fs::permissions(dir.path(), fs::perms::others_exec | fs::perms::group_exec, fs::perm_options::add);
    fs::permissions(recordFile.parent_path(), fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
    const auto command = test::asNormalUser(cli(recordFile));
    if (!command) GTEST_SKIP() << "no way to run as a normal user";
    const auto out = test::outputOf(
        *command, "click q11\nset answer1 1\nfinish\nclick q12\nset answer1 1\nfinish\nmessages\ntoolbar w13\nmessages\nquit\n");
    ASSERT_TRUE(out);
    toldOnce(*out, "的成绩没有记下");
    EXPECT_NE(out->find("提示|成绩记录文件是只读的，不能往里写。还有1张练习卷的成绩没有记下"), std::string::npos);
    EXPECT_NE(out->find("提示|成绩记录文件是只读的，不能往里写。现在看不到成绩和错题"), std::string::npos);
}

// A record on a disk that fills up: the message says so, once, and marking
// goes on. The small disk is a tmpfs in a mount namespace of its own, where
// the machine allows one.
TEST_F(CliRecord, AFullDiskIsNamedAsSuch) {
    const fs::path small = dir.path() / "small";
    fs::create_directories(small);
    const std::string mount = "unshare -m sh -c 'mount -t tmpfs -o size=160k none " + small.string() + " && ";
    if (std::system((mount + "true' >/dev/null 2>&1").c_str()) != 0) GTEST_SKIP() << "no small disk to fill here";
    std::string commands;
    for (int i = 0; i < 150; ++i) commands += "click q11\nset answer1 x\nfinish\n";
    const auto out = test::outputOf(mount + cli(small / "record.sqlite") + "'", commands + "messages\nquit\n");
    ASSERT_TRUE(out);
    toldOnce(*out, "提示|成绩记录所在的磁盘满了，写不进去。还有1张练习卷的成绩没有记下");
    EXPECT_EQ(out->find("打不开"), std::string::npos);
}

// A row a line, each fact with its state; a grid of another name is refused.
TEST_F(CliRecord, TheGridIsPrintedRowByRow) {
    const std::string out = test::runCli(data, "grid 20以内退位减法\ngrid 九九\n", "238", recordFile);
    EXPECT_EQ(out.substr(0, out.find('\n') + 1),
              "11－2=没做过\t11－3=没做过\t11－4=没做过\t11－5=没做过\t11－6=没做过\t11－7=没做过\t11－8=没做过\t11－9=没做过\n");
    EXPECT_NE(out.find("\n18－9=没做过\n.\nerror: no grid 九九\n"), std::string::npos) << out;
}

// A parent's change on the 达标标准 page is what `norms` prints, from the
// record file, in a later session; `dabiao` refuses minutes other than 1, 3, 5.
TEST_F(CliRecord, TheNormPageKeepsAParentsRowAndNormsPrintsIt) {
    const std::string first = test::runCli(data,
                                           "tab 口算\nclick dabiaonorms\nset normpass4 9\nset normgood4 11\n"
                                           "press normsave\nmessages\ndabiao 2 20以内退位减法:100\n",
                                           "238", recordFile);
    EXPECT_EQ(first, "提示|达标标准保存好了。\n.\nerror: 时间请写1、3或5分钟。\n") << first;
    const std::string later = test::runCli(data, "norms 1\n", "238", recordFile);
    EXPECT_NE(later.find("\n下\t20以内退位减法\t9\t11\t14\n"), std::string::npos) << later;
    EXPECT_NE(later.find("上\t10以内加减\t12\t14\t16\n"), std::string::npos) << later;
}

}  // namespace
}  // namespace tally
