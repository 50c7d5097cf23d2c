// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "window/login_file.h"
#include "support/harness.h"
#include "support/normal_user.h"

namespace tally {
namespace {

using test::Harness;

const char* kWrongPassword = "你输入的高级用户密码不对！软件最初的密码是238，建议登录后修改。只能以学生身份登录！";

std::string loginFile(const Harness& h) {
    return *h.data.read(kLoginFileName);
}

TEST(Accounts, StartUpLogsInAsTheDialogIsAnswered) {
    const struct {
        const char* file;  // nullptr: the shipped one
        std::optional<std::string> answer;
        bool advanced;
    } cases[] = {
        {nullptr, "238", true},
        {nullptr, std::nullopt, false},  // the student item
        {"56\n56\n56\n", "111", true},  // "111" with LF line ends
    };
    for (const auto& c : cases) {
        Harness h(false);
        if (c.file) h.dir.write(kLoginFileName, c.file);
        h.ui.loginAnswer = c.answer;
        h.start();
        EXPECT_EQ(h.form->loginIsAdvanced(), c.advanced) << c.answer.value_or("student");
        EXPECT_TRUE(h.ui.messages.empty());
    }
}

// Logging in again: the student item ends an advanced login, a wrong password keeps it.
TEST(Accounts, LoggingInAgainAfterAnAdvancedLogin) {
    const struct {
        std::optional<std::string> answer;
        bool advanced;
        const char* message;
    } cases[] = {{std::nullopt, false, ""}, {"123", true, kWrongPassword}};
    for (const auto& c : cases) {
        Harness h(test::started);
        h.ui.loginAnswer = c.answer;
        h.form->clickToolbar("w11");
        EXPECT_EQ(h.form->loginIsAdvanced(), c.advanced);
        EXPECT_EQ(h.lastMessage(), c.message);
    }
}

// The euro sign is the one character of the code page outside its double-byte range.
TEST(Accounts, AChangedPasswordWorksFromTheNextLoginDialog) {
    Harness h(test::started);
    h.ui.passwordAnswer = std::make_pair("238", "妈妈€1");
    h.form->clickToolbar("w1");
    EXPECT_EQ(h.ui.passwordDialogs, 1);
    EXPECT_TRUE(h.ui.messages.empty());
    EXPECT_EQ(loginFile(h), *encodeLoginFile("妈妈€1"));
    EXPECT_TRUE(h.form->loginIsAdvanced());  // old password still in force

    h.ui.loginAnswer = "238";
    h.form->clickToolbar("w11");
    EXPECT_FALSE(h.form->loginIsAdvanced());
    h.ui.loginAnswer = "妈妈€1";
    h.form->clickToolbar("w11");
    EXPECT_TRUE(h.form->loginIsAdvanced());
    EXPECT_EQ(h.form->accounts().storedPassword, "妈妈€1");
}

TEST(Accounts, EmptyBoxesAndAWrongOldPasswordLeaveTheFileAlone) {
    const struct { const char* oldPassword; const char* newPassword; const char* message; } cases[] = {
        {"238", "", "密码框不能空！"},
        {"", "999", "密码框不能空！"},
        {"111", "999", "老密码不对！不能修改！"},
    };
    for (const auto& c : cases) {
        Harness h(test::started);
        const std::string before = loginFile(h);
        h.ui.passwordAnswer = std::make_pair(c.oldPassword, c.newPassword);
        h.form->clickToolbar("w1");
        EXPECT_EQ(h.lastMessage(), c.message);
        EXPECT_EQ(loginFile(h), before);
    }
}

TEST(Accounts, AStudentCannotOpenThePasswordDialog) {
    Harness h(test::started, false);
    h.form->clickToolbar("w1");
    EXPECT_EQ(h.lastMessage(), "必须以高级用户身份登录才可以修改密码！软件最初设定的密码是238");
    EXPECT_EQ(h.ui.passwordDialogs, 0);
}

TEST(Accounts, WithoutAGoodLoginFileTheInitialPasswordApplies) {
    const std::string missing = "找不到密码文件，或者读不出来，现在使用软件最初的密码238，请登录后修改密码。";
    const std::string damaged = "密码文件已损坏，现在使用软件最初的密码238，请登录后修改密码。";
    const struct {
        const char* file;  // nullptr: no file at all
        bool folder;       // a folder in the file's place
        const std::string& message;
    } cases[] = {
        {nullptr, false, missing},      {nullptr, true, missing},
        {"57\r\nabc\r\n", false, damaged}, {"57\r\n3\r\n", false, damaged},
        {"", false, damaged},           {"\r\n", false, damaged},
        {"57\r\n16\r\n", false, damaged},  // a tab
    };
    for (const auto& c : cases) {
        Harness h(test::OwnData{}, false);
        if (c.file) h.dir.write(kLoginFileName, c.file);
        if (c.folder) std::filesystem::create_directory(h.dir.root() / kLoginFileName);
        h.start();
        // Nobody is an advanced user until the password is typed.
        EXPECT_FALSE(h.form->loginIsAdvanced()) << c.file;
        ASSERT_EQ(h.ui.messages.size(), 1u) << c.file;
        EXPECT_EQ(h.ui.messages[0], std::make_pair(std::string("提示"), c.message));
        h.ui.loginAnswer = "238";
        h.form->clickToolbar("w11");
        EXPECT_TRUE(h.form->loginIsAdvanced());
    }
}

TEST(Accounts, AFailedWriteIsReportedAndChangesNothing) {
    Harness h(test::OwnData{});
    // A folder in the file's place: the rename over it fails.
    std::filesystem::create_directories(h.dir.root() / kLoginFileName / "inside");
    h.start();
    h.ui.passwordAnswer = std::make_pair("238", "999");
    h.form->clickToolbar("w1");
    EXPECT_EQ(h.lastMessage(), "新密码没能保存，原来的密码仍然有效！");
    EXPECT_TRUE(std::filesystem::is_directory(h.dir.root() / kLoginFileName / "inside"));
    for (const auto& entry : std::filesystem::directory_iterator(h.dir.root())) {
        EXPECT_NE(entry.path().filename().string().rfind(std::string(kLoginFileName) + ".", 0), 0u)
            << "left behind: " << entry.path();
    }
}

// Another user of the same computer reads the login file too: a new password
// leaves its mode, and its owner, as they were.
TEST(Accounts, AChangedPasswordKeepsTheLoginFilesModeAndOwner) {
    for (const mode_t mode : {0644, 0640, 0604, 0600}) {
        // A data directory of its own, as a shared computer keeps it: not the user's kept copy.
        Harness h(test::OwnData{{kLoginFileName}});
        const std::filesystem::path file = h.dir.root() / kLoginFileName;
        h.start();
        ASSERT_EQ(::chmod(file.c_str(), mode), 0);
        const bool givenAway = ::geteuid() == 0 && ::chown(file.c_str(), 65534, 65534) == 0;
        h.ui.passwordAnswer = std::make_pair("238", "999");
        h.form->clickToolbar("w1");
        ASSERT_EQ(loginFile(h), *encodeLoginFile("999"));
        struct stat after {};
        ASSERT_EQ(::stat(file.c_str(), &after), 0);
        EXPECT_EQ(after.st_mode & 07777, mode);
        if (givenAway) {
            EXPECT_EQ(after.st_uid, 65534u);
        }
    }
}

// Unreadable is not missing: the initial password must not open the advanced
// account, and the message says what is wrong without offering 238.
TEST(Accounts, AnUnreadableLoginFileOnDiskAllowsNoAdvancedLogin) {
    test::TestData dir{test::OwnData{{kLoginFileName}}};
    const std::filesystem::path file = dir.root() / kLoginFileName;
    ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
    ASSERT_EQ(::chown(file.c_str(), ::geteuid() == 0 ? 0 : ::geteuid(), ::getegid()), 0);
    ::chmod(dir.root().c_str(), 0755);
    if (::geteuid() != 0) {
        ASSERT_EQ(::chmod(file.c_str(), 0), 0);
    }
    const auto command = test::asNormalUser(std::string(TALLYMOO_CLI) + " --data " + dir.root().string() +
                                            " --record /nonexistent/record.sqlite --login 238");
    if (!command) GTEST_SKIP() << "no way to run as a normal user";
    FILE* cli = ::popen((*command + " > " + (dir.root() / "out.txt").string() + " 2>&1").c_str(), "w");
    ASSERT_NE(cli, nullptr);
    std::fputs("state AccountLevel\nmessages\nquit\n", cli);
    ASSERT_EQ(::pclose(cli), 0);
    std::ifstream in(dir.root() / "out.txt");
    const std::string out((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(out.rfind("student\n", 0), 0u) << out;
    EXPECT_NE(out.find("密码文件读不出来"), std::string::npos) << out;
    EXPECT_EQ(out.find("238"), std::string::npos) << out;
}

// The user location is shared; each data directory keeps its own login file there.
TEST(Accounts, TheUserLocationKeepsALoginFileForEachDataDirectory) {
    test::TempFolder user;
    Harness unwritable;
    unwritable.data.setWriteFallback(user.path());
    unwritable.start();
    unwritable.ui.passwordAnswer = std::make_pair("238", "777");
    unwritable.form->clickToolbar("w1");
    unwritable.ui.loginAnswer = "777";
    unwritable.form->clickToolbar("w11");
    EXPECT_TRUE(unwritable.form->loginIsAdvanced());

    Harness other(test::OwnData{{kLoginFileName}});
    other.data.setWriteFallback(user.path());
    other.start();
    EXPECT_EQ(other.form->accounts().storedPassword, "238");
    EXPECT_TRUE(other.form->loginIsAdvanced());
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

}  // namespace
}  // namespace tally
