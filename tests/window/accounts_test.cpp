// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "window/login_file.h"
#include "window/options_dialog.h"
#include "support/harness.h"
#include "support/run_command.h"

namespace tally {
namespace {

using test::Harness;

TEST(Accounts, AStudentCannotOpenThePasswordDialog) {
    Harness h(test::started, false);
    h.form->clickToolbar("w1");
    EXPECT_EQ(h.lastMessage(), "必须以高级用户身份登录才可以修改密码！软件最初设定的密码是238");
    EXPECT_EQ(h.ui.passwordDialogs, 0);
}

// Unreadable is not missing: the initial password must not open the advanced
// account, and the message says what is wrong without offering 238.
TEST(Accounts, AnUnreadableLoginFileOnDiskAllowsNoAdvancedLogin) {
    test::TestData dir{test::OwnData{{kLoginFileName}}};
    const std::filesystem::path file = dir.root() / kLoginFileName;
    ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
    ASSERT_EQ(::chown(file.c_str(), ::geteuid() == 0 ? 0 : ::geteuid(), ::getegid()), 0);
    ::chmod(dir.root().c_str(), 0755);
    if (::geteuid() != 0) ASSERT_EQ(::chmod(file.c_str(), 0), 0);
    const auto command = test::asNormalUser(std::string(TALLYMOO_CLI) + " --data " + dir.root().string() +
                                            " --record /nonexistent/record.sqlite --login 238");
    if (!command) GTEST_SKIP() << "no way to run as a normal user";
    const auto out = test::outputOf(*command, "state AccountLevel\nmessages\nquit\n");
    ASSERT_TRUE(out);
    EXPECT_EQ(out->rfind("student\n", 0), 0u) << *out;
    EXPECT_NE(out->find("密码文件读不出来"), std::string::npos) << *out;
    EXPECT_EQ(out->find("238"), std::string::npos) << *out;
}

TEST(Options, OnlyConfirmedChoicesCount) {
    Harness h(test::started);
    h.form->clickToolbar("w2");  // closed without 确定
    EXPECT_EQ(h.form->options().questionCount, 10);
    h.ui.optionsAnswer = std::make_pair(1, -1);
    h.form->clickToolbar("w2");
    EXPECT_EQ(h.form->options().questionCount, 20);
    EXPECT_EQ(h.form->options().memoryTime, 5);
    h.ui.optionsAnswer = std::make_pair(-1, 2);
    h.form->clickToolbar("w2");
    EXPECT_EQ(h.form->options().questionCount, 20);
    EXPECT_EQ(h.form->options().memoryTime, 3);
}

// The switch in 选项 is the parent's: a child's choice changes nothing.
TEST(OptionsMarks, OnlyTheParentTurnsTheTreesMarksOff) {
    for (const bool parent : {true, false}) {
        SheetOptions options;
        OptionsDialog dialog(options, parent);
        EXPECT_TRUE(dialog.marksChoice);
        dialog.marksChoice = false;
        dialog.confirm();
        EXPECT_EQ(options.masteryMarks, !parent) << (parent ? "parent" : "child");
    }
}

}  // namespace
}  // namespace tally
