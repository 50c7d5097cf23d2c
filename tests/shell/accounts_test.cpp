#include <gtest/gtest.h>

#include <filesystem>

#include "shell/login_file.h"
#include "support/harness.h"

namespace tally {
namespace {

using test::Harness;

const char* kWrongPassword = "你输入的高级用户密码不对！软件最初的密码是238，建议登陆后修改。只能已学生身份登陆！";

std::string loginFile(const Harness& h) {
    return *h.data.read(kLoginFileName);
}

TEST(Accounts, TheShippedPasswordLogsInAsAdvanced) {
    Harness h;
    h.start();
    EXPECT_TRUE(h.form->loginIsAdvanced());
    EXPECT_EQ(h.form->storedPassword, "238");
    EXPECT_TRUE(h.ui.messages.empty());
}

TEST(Accounts, TheStudentItemEndsWithTheWrongPasswordMessage) {
    Harness h(false);
    h.start();
    EXPECT_FALSE(h.form->loginIsAdvanced());
    EXPECT_EQ(h.lastMessage(), kWrongPassword);
    EXPECT_EQ(h.ui.messages.back().first, "提示");
}

TEST(Accounts, AWrongPasswordKeepsAnEarlierAdvancedLogin) {
    Harness h;
    h.start();
    h.ui.loginAnswer = "123";
    h.form->clickToolbar("w11");
    EXPECT_EQ(h.lastMessage(), kWrongPassword);
    EXPECT_TRUE(h.form->loginIsAdvanced());
}

TEST(Accounts, AChangedPasswordWorksFromTheNextLoginDialog) {
    Harness h;
    h.start();
    h.ui.passwordAnswer = std::make_pair("238", "妈妈1");
    h.form->clickToolbar("w1");
    EXPECT_EQ(h.ui.passwordDialogs, 1);
    EXPECT_TRUE(h.ui.messages.empty());
    EXPECT_EQ(loginFile(h), *encodeLoginFile("妈妈1"));
    EXPECT_TRUE(h.form->loginIsAdvanced());  // old password still in force

    h.ui.loginAnswer = "238";
    h.form->clickToolbar("w11");
    EXPECT_FALSE(h.form->loginIsAdvanced());
    h.ui.loginAnswer = "妈妈1";
    h.form->clickToolbar("w11");
    EXPECT_TRUE(h.form->loginIsAdvanced());
}

TEST(Accounts, EmptyBoxesAndAWrongOldPasswordLeaveTheFileAlone) {
    const struct {
        const char* oldPassword;
        const char* newPassword;
        const char* message;
    } cases[] = {
        {"238", "", "密码框不能空！"},
        {"", "999", "密码框不能空！"},
        {"111", "999", "老密码不对！不能修改！"},
    };
    for (const auto& c : cases) {
        Harness h;
        h.start();
        const std::string before = loginFile(h);
        h.ui.passwordAnswer = std::make_pair(c.oldPassword, c.newPassword);
        h.form->clickToolbar("w1");
        EXPECT_EQ(h.lastMessage(), c.message);
        EXPECT_EQ(loginFile(h), before);
    }
}

TEST(Accounts, AStudentCannotOpenThePasswordDialog) {
    Harness h(false);
    h.start();
    h.form->clickToolbar("w1");
    EXPECT_EQ(h.lastMessage(), "必须已高级用户身份登陆才可以修改密码！软件最初设定的密码是238");
    EXPECT_EQ(h.ui.passwordDialogs, 0);
}

TEST(Accounts, WithoutAGoodLoginFileTheInitialPasswordApplies) {
    const struct {
        const char* file;  // nullptr: no file at all
        bool reported;
    } cases[] = {{nullptr, false}, {"57\r\nabc\r\n", true}, {"57\r\n3\r\n", true}};
    for (const auto& c : cases) {
        Harness h;
        if (c.file) {
            h.dir.write(kLoginFileName, c.file);
        } else {
            std::filesystem::remove(h.dir.path() / kLoginFileName);
        }
        h.start();
        EXPECT_TRUE(h.form->loginIsAdvanced());
        EXPECT_EQ(h.ui.messages.size(), c.reported ? 1u : 0u);
        if (c.reported) {
            EXPECT_NE(h.ui.messages.front().second.find("238"), std::string::npos);
        }
    }
}

TEST(Accounts, AFailedWriteKeepsTheOldFileWhole) {
    Harness h;
    h.start();
    const std::string before = loginFile(h);
    // A folder where the temporary file would go makes the write fail.
    std::filesystem::create_directory(h.dir.path() / (std::string(kLoginFileName) + ".new"));
    h.ui.passwordAnswer = std::make_pair("238", "999");
    h.form->clickToolbar("w1");
    EXPECT_EQ(loginFile(h), before);
    EXPECT_EQ(h.lastMessage(), "新密码没能保存，原来的密码仍然有效！");
}

TEST(Accounts, AReadOnlyDataDirectoryKeepsTheLoginFileInTheUserLocation) {
    Harness h;
    test::TempDataDir user;
    h.data.setWriteFallback(user.path() / "fallback");
    h.start();
    std::filesystem::create_directory(h.dir.path() / (std::string(kLoginFileName) + ".new"));
    h.ui.passwordAnswer = std::make_pair("238", "777");
    h.form->clickToolbar("w1");
    EXPECT_TRUE(std::filesystem::exists(user.path() / "fallback" / kLoginFileName));
    h.ui.loginAnswer = "777";
    h.form->clickToolbar("w11");
    EXPECT_TRUE(h.form->loginIsAdvanced());
}

TEST(Options, OnlyConfirmedChoicesCount) {
    Harness h;
    h.start();
    h.form->clickToolbar("w2");  // closed without 确定
    EXPECT_EQ(h.form->questionCount, 10);
    h.ui.optionsAnswer = std::make_pair(1, -1);
    h.form->clickToolbar("w2");
    EXPECT_EQ(h.form->questionCount, 20);
    EXPECT_EQ(h.form->memoryTime, 5);
    h.ui.optionsAnswer = std::make_pair(-1, 2);
    h.form->clickToolbar("w2");
    EXPECT_EQ(h.form->questionCount, 20);
    EXPECT_EQ(h.form->memoryTime, 3);
}

TEST(Toolbar, DrillFormButtonsAreExclusive) {
    Harness h;
    h.start();
    EXPECT_EQ(h.form->drillForm, DrillForm::Normal);
    h.form->clickToolbar("w8");
    EXPECT_EQ(h.form->drillForm, DrillForm::Inequality);
    h.form->clickToolbar("w7");
    EXPECT_EQ(h.form->drillForm, DrillForm::Vertical);
    h.form->clickToolbar("w12");
    EXPECT_EQ(h.ui.prints, 1);
}

}  // namespace
}  // namespace tally
