// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "cli/cli_session.h"
#include "cli/printable.h"
#include "support/harness.h"

namespace tally {
namespace {

class CliTest : public ::testing::Test {
protected:
    test::TestData dir;

    std::string run(const std::string& commands, std::optional<std::string> login = "238") {
        return test::runCli(dir, commands, login);
    }
};

// Whole answers to short scripts: states, the clock, options and tick counts.
TEST_F(CliTest, CommandsAnswerTheirStates) {
    const std::string tickError = "error: tick Timer1..Timer7 [N], N from 0 to 100000\n";
    const struct {
        const char* name;
        std::optional<std::string> login;
        std::string commands, expected;
    } cases[] = {
        {"states", "238",
         "state AccountLevel\nstate QuestionCount\nstate Timer4\nstate Timer1\nclick q11\ntick Timer1 3\nstatus\n"
         "front\nstate ThinkSeconds\nstate DrillForm\nmessages\n",
         "advanced\n10\non 1000\noff\n3秒\nWebBrowser1\n3\nw6\n.\n"},
        {"a student without a message", std::nullopt, "state AccountLevel\nmessages\n", "student\n.\n"},
        {"the marks are the parent's", std::nullopt, "marks off\n", "error: only the parent turns the marks on or off\n"},
        {"tick counts", "238",
         "click q11\ntick Timer1 abc\ntick Timer1 -1\ntick Timer1 100001\ntick Timer1 99999999999\n"
         "tick Timer1 2x\ntick Timer1 0\nstate ThinkSeconds\ntick Timer1 100000\nstate ThinkSeconds\n",
         tickError + tickError + tickError + tickError + tickError + "0\n100000\n"},
        {"options and toolbar", "238",
         "options 20 3\nstate QuestionCount\nstate MemoryTime\noptions - 8\nstate QuestionCount\n"
         "toolbar w9\nstate DrillForm\ntab 时间转换\nclick q77\nfront\npassword 238 \nmessages\n",
         "20\n3\n20\nw9\nPicture2\n提示|密码框不能空！\n.\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(run(c.commands, c.login), c.expected) << c.name;
}

// Each node is printed right under its parent, or under an earlier sibling's
// last descendant: the depth of a line is one more than its parent's.
TEST_F(CliTest, TheTreeIsPrintedInPreOrder) {
    for (const char* tab : {"智力题", "应用题", "同步教学", "讲座和故事", "加减乘除"}) {
        CliOptions options = test::cliOptions(dir);
        CliSession session(options);
        std::istringstream in(std::string("tab ") + tab + "\ntree\n");
        std::ostringstream out;
        session.run(in, out);
        std::istringstream lines(out.str());
        std::vector<std::string> openKeys;  // the key printed last at each depth
        std::string line;
        size_t printed = 0;
        while (std::getline(lines, line)) {
            const size_t depth = line.find_first_not_of(' ') / 2;
            const std::string key = line.substr(depth * 2, line.find('\t') - depth * 2);
            const TopicNode* node = session.form().tree().find(key);
            ASSERT_NE(node, nullptr) << line;
            ASSERT_LE(depth, openKeys.size()) << line;
            EXPECT_EQ(node->parent, depth == 0 ? "" : openKeys[depth - 1]) << tab << ": " << line;
            openKeys.resize(depth);
            openKeys.push_back(key);
            ++printed;
        }
        EXPECT_EQ(printed, session.form().tree().nodes().size()) << tab;
    }
}

TEST_F(CliTest, TypedControlCharactersArePrintedEscaped) {
    const std::string out = run("click q11\nset answer1 1\x01\x1B[2J\xFF\npage\n");
    EXPECT_NE(out.find("1\\x01\\x1B[2J\\xFF"), std::string::npos) << out;
    EXPECT_EQ(out.find('\x01'), std::string::npos);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1);
}

// The headless clock moves only by `wait`; `times` writes "-" for an answer left empty.
TEST_F(CliTest, WaitMovesTheClockTheAnswersAreTimedBy) {
    const std::string out = run("click q13\nwait 1200\nset answer1 x\nwait 650\nset answer3 x\n"
                                "finish\ntimes\nwait 1.5\nwait 86400001\n");
    EXPECT_EQ(out.substr(0, 69), "answer1\twrong\t1200\nanswer2\twrong\t-\nanswer3\twrong\t650\nanswer4\twrong\t-\n")
        << out;
    const std::string refused = "error: wait MS, MS from 0 to 86400000\n";
    EXPECT_NE(out.find("answer10\twrong\t-\n.\n" + refused + refused), std::string::npos) << out;
}

TEST(CliPrintable, EscapesControlsAndBytesThatAreNotUtf8) {
    const struct { std::string in, out; } cases[] = {
        {"加法 +0", "加法 +0"},
        {"a\tb\r\nc", "a\\x09b\\x0D\\x0Ac"},
        {"\x7F", "\\x7F"},
        {"\xD6\xD0", "\\xD6\\xD0"},              // GBK, not UTF-8
        {"\xE4\xB8", "\\xE4\\xB8"},              // a character cut short
        {"\xC0\xAF", "\\xC0\\xAF"},              // an overlong "/"
        {"\xED\xA0\x80", "\\xED\\xA0\\x80"},      // a surrogate
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},  // an emoji stays
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(printable(c.in), c.out) << c.in;
}

TEST(CliProgram, AMissingDataDirectoryEndsWithStatus2) {
    const std::string command = std::string(TALLYMOO_CLI) + " --data /nonexistent/tallymoo-data </dev/null 2>/dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
}

TEST_F(CliTest, UnknownThingsSayError) {
    const std::string out =
        run("fly\nclick q999\ntab 没有\ntick Timer9\nstate nothing\ntoolbar w5\nspin UpDown4 up\npress nothing\nkey\n"
            "key Arrow Left\nanswer maybe\nmastery 没有这一页\nmarks maybe\n");
    std::istringstream lines(out);
    std::string line;
    int errors = 0;
    while (std::getline(lines, line)) errors += line.rfind("error:", 0) == 0;
    EXPECT_EQ(errors, 13) << out;
}

}  // namespace
}  // namespace tally
