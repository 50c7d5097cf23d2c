#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "shell/login_file.h"
#include "support/harness.h"

namespace tally {
namespace {

using test::Harness;

const char* kWrongPassword = "你输入的高级用户密码不对！软件最初的密码是238，建议登陆后修改。只能已学生身份登陆！";

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
    EXPECT_EQ(h.form->accounts.storedPassword, "妈妈€1");
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
    EXPECT_EQ(h.lastMessage(), "必须已高级用户身份登陆才可以修改密码！软件最初设定的密码是238");
    EXPECT_EQ(h.ui.passwordDialogs, 0);
}

TEST(Accounts, WithoutAGoodLoginFileTheInitialPasswordApplies) {
    const std::string missing = "找不到密码文件，或者读不出来，现在使用软件最初的密码238，请登陆后修改密码。";
    const std::string damaged = "密码文件已损坏，现在使用软件最初的密码238，请登陆后修改密码。";
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
        Harness h(false);
        std::filesystem::remove(h.dir.path() / kLoginFileName);
        if (c.file) h.dir.write(kLoginFileName, c.file);
        if (c.folder) std::filesystem::create_directory(h.dir.path() / kLoginFileName);
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
    Harness h;
    // A folder in the file's place: the rename over it fails.
    std::filesystem::remove(h.dir.path() / kLoginFileName);
    std::filesystem::create_directories(h.dir.path() / kLoginFileName / "inside");
    h.start();
    h.ui.passwordAnswer = std::make_pair("238", "999");
    h.form->clickToolbar("w1");
    EXPECT_EQ(h.lastMessage(), "新密码没能保存，原来的密码仍然有效！");
    EXPECT_TRUE(std::filesystem::is_directory(h.dir.path() / kLoginFileName / "inside"));
    for (const auto& entry : std::filesystem::directory_iterator(h.dir.path())) {
        EXPECT_NE(entry.path().filename().string().rfind(std::string(kLoginFileName) + ".", 0), 0u)
            << "left behind: " << entry.path();
    }
}

// The user location is shared; each data directory keeps its own login file there.
TEST(Accounts, TheUserLocationKeepsALoginFileForEachDataDirectory) {
    test::TempDataDir user;
    Harness unwritable;
    unwritable.data.setWriteFallback(user.path());
    std::filesystem::remove(unwritable.dir.path() / kLoginFileName);
    std::filesystem::create_directories(unwritable.dir.path() / kLoginFileName / "inside");
    unwritable.start();
    unwritable.ui.passwordAnswer = std::make_pair("238", "777");
    unwritable.form->clickToolbar("w1");
    unwritable.ui.loginAnswer = "777";
    unwritable.form->clickToolbar("w11");
    EXPECT_TRUE(unwritable.form->loginIsAdvanced());

    Harness other;
    other.data.setWriteFallback(user.path());
    other.start();
    EXPECT_EQ(other.form->accounts.storedPassword, "238");
    EXPECT_TRUE(other.form->loginIsAdvanced());
}

TEST(Options, OnlyConfirmedChoicesCount) {
    Harness h(test::started);
    h.form->clickToolbar("w2");  // closed without 确定
    EXPECT_EQ(h.form->options.questionCount, 10);
    h.ui.optionsAnswer = std::make_pair(1, -1);
    h.form->clickToolbar("w2");
    EXPECT_EQ(h.form->options.questionCount, 20);
    EXPECT_EQ(h.form->options.memoryTime, 5);
    h.ui.optionsAnswer = std::make_pair(-1, 2);
    h.form->clickToolbar("w2");
    EXPECT_EQ(h.form->options.questionCount, 20);
    EXPECT_EQ(h.form->options.memoryTime, 3);
}

}  // namespace
}  // namespace tally
