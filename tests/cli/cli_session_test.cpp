#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_session.h"
#include "support/harness.h"

namespace tally {
namespace {

class CliTest : public ::testing::Test {
protected:
    test::TempDataDir dir;

    std::string run(const std::string& commands, std::optional<std::string> login = "238") {
        CliOptions options;
        options.dataDir = dir.path();
        options.seed = 7;
        options.loginPassword = login;
        CliSession session(options);
        std::istringstream in(commands);
        std::ostringstream out;
        session.run(in, out);
        return out.str();
    }
};

TEST_F(CliTest, PrintsTheTreeWithDepthsAndMarks) {
    const std::string out = run("tree\nquit\n");
    EXPECT_EQ(out.rfind("q1\t加法\t+0\t+*\n  q11\t10以内加法\t+10\t.\n", 0), 0u) << out;
    EXPECT_NE(out.find("  q41\t81以内除法\t÷81\t.\n"), std::string::npos);
}

TEST_F(CliTest, AnswersStateFrontStatusAndMessages) {
    const std::string out = run(
        "state AccountLevel\nstate QuestionCount\nstate Timer4\nstate Timer1\n"
        "click q11\ntick Timer1 3\nstatus\nfront\nstate ThinkSeconds\nstate DrillForm\n"
        "messages\n");
    EXPECT_EQ(out, "advanced\n10\non 1000\noff\n3秒\nWebBrowser1\n3\nw6\n.\n");
}

TEST_F(CliTest, AStudentStartRecordsTheLoginMessage) {
    const std::string out = run("state AccountLevel\nmessages\n", std::nullopt);
    EXPECT_EQ(out,
              "student\n提示|你输入的高级用户密码不对！软件最初的密码是238，建议登陆后修改。只能已学生身份登陆！\n.\n");
}

TEST_F(CliTest, ToolbarOptionsAndSpinnersWork) {
    const std::string out = run(
        "options 20 3\nstate QuestionCount\nstate MemoryTime\noptions - 8\nstate QuestionCount\n"
        "toolbar w9\nstate DrillForm\ntab 时间转换\nclick q77\nfront\npassword 238 \nmessages\n");
    EXPECT_EQ(out, "20\n3\n20\nw9\nPicture2\n提示|密码框不能空！\n.\n");
}

TEST_F(CliTest, UnknownThingsSayError) {
    const std::string out = run("fly\nclick q999\ntab 没有\ntick Timer9\nstate nothing\ntoolbar w5\nspin UpDown4 up\n");
    std::istringstream lines(out);
    std::string line;
    int errors = 0;
    while (std::getline(lines, line)) errors += line.rfind("error:", 0) == 0;
    EXPECT_EQ(errors, 7) << out;
}

TEST_F(CliTest, TabRebuildsTheTree) {
    const std::string out = run("tab 奥数试卷\ntree\n");
    EXPECT_EQ(out.rfind("q199\t奥数试卷\t#199\t+\n  q2024\t1991年全国奥数题\t#2024\t.\n", 0), 0u) << out;
}

}  // namespace
}  // namespace tally
