// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "sqlite_record/sqlite_record.h"
#include "support/harness.h"
#include "support/normal_user.h"

namespace tally {
namespace {

namespace fs = std::filesystem;

class CliRecord : public ::testing::Test {
protected:
    test::TestData data;
    test::TempFolder dir;
    fs::path recordFile = dir.path() / "record/record.sqlite";

    std::string run(const std::string& commands) { return test::runCli(data, commands, "238", recordFile); }
};

// A record file the user may read but not write: the message says so, once,
// and the sheets are marked as usual.
TEST_F(CliRecord, AReadOnlyRecordIsNamedAsSuch) {
    run("click q11\nset answer1 1\nfinish\nquit\n");
    ASSERT_TRUE(fs::exists(recordFile));
    // The program made the folder for its owner alone: opened to the other user here.
    fs::permissions(recordFile, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    // The normal user reaches the record through the test's folder and the record's own (0700) folder.
    fs::permissions(dir.path(), fs::perms::others_exec | fs::perms::group_exec, fs::perm_options::add);
    fs::permissions(recordFile.parent_path(), fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
    const auto command = test::asNormalUser(std::string(TALLYMOO_CLI) + " --data " + data.root().string() +
                                            " --login 238 --record " + recordFile.string());
    if (!command) GTEST_SKIP() << "no way to run as a normal user";
    const fs::path out = dir.path() / "out.txt";
    FILE* cli = ::popen((*command + " > " + out.string() + " 2>&1").c_str(), "w");
    ASSERT_NE(cli, nullptr);
    std::fputs("click q11\nset answer1 1\nfinish\nclick q12\nset answer1 1\nfinish\nmessages\ntoolbar w13\nmessages\nquit\n",
               cli);
    ASSERT_EQ(::pclose(cli), 0);
    std::ifstream in(out);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(text.find("提示|成绩记录文件是只读的，不能往里写。还有1张练习卷的成绩没有记下"), std::string::npos)
        << text;
    const std::string kept = "的成绩没有记下";
    EXPECT_EQ(text.find(kept, text.find(kept) + 1), std::string::npos) << "told twice: " << text;
    EXPECT_NE(text.find("提示|成绩记录文件是只读的，不能往里写。现在看不到成绩和错题"), std::string::npos);
}

// A record on a disk that fills up: the message says so, once, and marking
// goes on. The small disk is a tmpfs in a mount namespace of its own, where
// the machine allows one.
TEST_F(CliRecord, AFullDiskIsNamedAsSuch) {
    const fs::path small = dir.path() / "small";
    fs::create_directories(small);
    const std::string mount = "unshare -m sh -c 'mount -t tmpfs -o size=160k none " + small.string() + " && ";
    if (std::system((mount + "true' >/dev/null 2>&1").c_str()) != 0) GTEST_SKIP() << "no small disk to fill here";
    std::ofstream commands(dir.path() / "commands.txt");
    for (int i = 0; i < 150; ++i) commands << "click q11\nset answer1 x\nfinish\n";
    commands << "messages\nquit\n";
    commands.close();
    const fs::path out = dir.path() / "out.txt";
    const std::string command = mount + TALLYMOO_CLI + " --data " + data.root().string() + " --login 238 --record " +
                                (small / "record.sqlite").string() + " < " + (dir.path() / "commands.txt").string() +
                                " > " + out.string() + " 2>&1'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(out);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    const std::string full = "提示|成绩记录所在的磁盘满了，写不进去。还有1张练习卷的成绩没有记下";
    EXPECT_NE(text.find(full), std::string::npos) << text.substr(0, 2000);
    EXPECT_EQ(text.find(full, text.find(full) + 1), std::string::npos) << "told twice";
    EXPECT_EQ(text.find("打不开"), std::string::npos);
}

// The mastery lines of a tab: q11 three times right in its usual time, q12
// last below 60, q13 once at 80; the tree keeps its captions.
TEST_F(CliRecord, MasteryLinesFollowTheRecord) {
    {
        fs::create_directories(recordFile.parent_path());
        SqliteRecord record(recordFile);
        const auto sheet = [](const std::string& day, const std::string& key, int right) {
            return MarkedSheet{.when = day + " 08:00:00", .topicKey = key, .questions = 10, .right = right,
                               .score = right * 10, .seconds = 60};
        };
        for (const char* day : {"2026-10-01", "2026-10-02", "2026-10-03"}) ASSERT_TRUE(record.store(sheet(day, "q11", 10)));
        ASSERT_TRUE(record.store(sheet("2026-10-03", "q12", 5)));
        ASSERT_TRUE(record.store(sheet("2026-10-03", "q13", 8)));
    }
    const std::string out = run("mastery 加减乘除\ntree\nquit\n");
    EXPECT_TRUE(std::regex_search(out, std::regex("^q11\t10以内加法\t熟练\nq12\t[^\t\n]+\t要加油\nq13\t100以内加法\t练过\n\\.\n"))) << out;
    EXPECT_EQ(out.find("熟练", out.find("\n.\n")), std::string::npos) << "the tree shows a mark";
}

}  // namespace
}  // namespace tally
