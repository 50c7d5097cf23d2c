// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "sqlite_record/sqlite_record.h"
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

// The mastery lines of a tab, a topic a line; the tree keeps its captions.
TEST_F(CliRecord, MasteryLinesFollowTheRecord) {
    {
        fs::create_directories(recordFile.parent_path());
        SqliteRecord record(recordFile);
        ASSERT_TRUE(record.store(MarkedSheet{.when = "2026-10-03 08:00:00", .topicKey = "q12", .questions = 10,
                                             .right = 5, .score = 50, .seconds = 60}));
    }
    const std::string out = test::runCli(data, "mastery 加减乘除\ntree\nquit\n", "238", recordFile);
    EXPECT_TRUE(std::regex_search(out, std::regex("^q12\t[^\t\n]+\t要加油\n\\.\n"))) << out;
    EXPECT_EQ(out.find("要加油", out.find("\n.\n")), std::string::npos) << "the tree shows a mark";
}

}  // namespace
}  // namespace tally
