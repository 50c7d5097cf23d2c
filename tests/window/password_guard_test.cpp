// SPDX-License-Identifier: GPL-3.0-or-later
// The login and password dialogs on real files: the login file, the record's
// copy of the parent's password, and what each says when one of them is
// missing, spoiled or cannot be written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "cli/headless_ui.h"
#include "sqlite_record/sqlite_record.h"
#include "system/fs_data_directory.h"
#include "window/login_dialog.h"
#include "window/login_file.h"
#include "window/password_dialog.h"
#include "sqlite_record/record_sheets.h"

namespace tally {
namespace {
namespace fs = std::filesystem;

// Each character's code plus 7, a line each, and an empty line to end.
const std::string kShipped = "57\r\n58\r\n63\r\n\r\n";      // 238
const std::string kParents = "59\r\n58\r\n57\r\n56\r\n\r\n";  // 4321
const std::string kChilds = "56\r\n56\r\n56\r\n\r\n";        // 111

const std::string kAdvice = "家长以前设的密码仍然有效，别的密码都不能登录高级用户。"
                            "请家长用自己设的密码登录，登录后密码文件会重新写好。";
const std::string kMissing = "密码文件不见了。" + kAdvice;
const std::string kDamaged = "密码文件坏了。" + kAdvice;
const std::string kChanged = "密码文件和家长设的密码对不上，它被删掉或者改动过。" + kAdvice;

using Told = std::vector<std::pair<std::string, std::string>>;

// What becomes of the login file; Delete leaves nothing, Folder a folder in its place.
enum class Spoil { Delete, Folder, Garbage, Shipped };

// One computer user: a data directory holding the shipped login file, the
// user's data location with the record (or a folder in its place, so it cannot
// be opened), installed or not.
struct Computer {
    explicit Computer(bool installed, bool brokenRecord = false) {
        const fs::path recordFile = user.path() / "share/tallymoo/record.sqlite";
        if (brokenRecord) fs::create_directories(recordFile);
        record = std::make_unique<SqliteRecord>(recordFile);
        std::ofstream(program.path() / kLoginFileName, std::ios::binary) << kShipped;
        data.setRootReadOnly(installed);
        if (installed) data.setWriteFallback(user.path() / "share/tallymoo");
    }
    // The login dialog opened (what it said on opening kept in `told`) and answered.
    bool login(const std::string& password, int item = LoginDialog::kAdvanced) {
        ui.messages.clear();
        LoginDialog dialog(accounts, ui, data, record.get());
        dialog.open();
        told = ui.messages;
        dialog.clickItem(item);
        dialog.password = password;
        dialog.confirm();
        return accounts.advanced();
    }
    void changePassword(const std::string& from, const std::string& to) {
        PasswordDialog dialog(accounts, ui, data, record.get());
        dialog.oldPassword = from;
        dialog.newPassword = to;
        dialog.confirm();
    }
    // The login file the program writes: the kept copy once there is one.
    fs::path loginFile() const {
        for (const auto& entry : fs::recursive_directory_iterator(user.path())) {
            if (entry.path().filename() == kLoginFileName) return entry.path();
        }
        return program.path() / kLoginFileName;
    }
    std::string loginBytes() const { return test::bytesOf(loginFile()); }
    void spoil(Spoil how) const {
        const fs::path file = loginFile();
        fs::remove(file);
        if (how == Spoil::Folder) fs::create_directories(file / "inside");
        const std::string bytes[] = {"", "", "这不是密码\r\n", kShipped};
        if (how > Spoil::Folder) std::ofstream(file, std::ios::binary) << bytes[static_cast<int>(how)];
    }

    test::TempFolder program, user;
    FsDataDirectory data{program.path()};
    std::unique_ptr<SqliteRecord> record;
    HeadlessUi ui;
    Accounts accounts;
    Told told;
};

unsigned modeOf(const fs::path& path) { return static_cast<unsigned>(fs::status(path).permissions()); }

// What the parent set before the login file was spoiled: nothing, a password
// through the dialog (the record keeps its copy), or one an older program
// wrote (the record keeps it from the next login on).
enum class Set { Nothing, Changed, OlderFile };

// Every guess but the password in force is refused with the message; that
// one logs in, and once it was the parent's puts the login file right.
TEST(PasswordGuard, ASpoiledLoginFileOpensNothingButThePasswordInForce) {
    const std::string fallback = "找不到密码文件，或者读不出来，现在使用软件最初的密码238，请登录后修改密码。";
    const std::string damaged = "密码文件已损坏，现在使用软件最初的密码238，请登录后修改密码。";
    const std::string unknown = "密码文件不见了或者坏了，成绩记录也打不开，没法确认家长设过的密码，现在不能用高级用户登录。";
    const struct {
        Set set;
        bool installed;
        Spoil spoil;
        const std::string& message;
        std::string inForce;
        bool brokenRecord = false;
    } cases[] = {
        {Set::Changed, false, Spoil::Delete, kMissing, "4321"},  {Set::Changed, false, Spoil::Garbage, kDamaged, "4321"},
        {Set::Changed, false, Spoil::Shipped, kChanged, "4321"},
        // the kept copy gone, the shipped file is read again
        {Set::Changed, true, Spoil::Delete, kChanged, "4321"},   {Set::Changed, true, Spoil::Garbage, kDamaged, "4321"},
        {Set::Nothing, false, Spoil::Delete, fallback, "238"},   {Set::Nothing, false, Spoil::Folder, fallback, "238"},
        {Set::Nothing, false, Spoil::Garbage, damaged, "238"},   {Set::OlderFile, false, Spoil::Delete, kMissing, "111"},
        {Set::Nothing, false, Spoil::Delete, unknown, "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "set " << static_cast<int>(c.set) << " installed " << c.installed
                                        << " spoil " << static_cast<int>(c.spoil));
        Computer computer(c.installed, c.brokenRecord);
        if (c.set == Set::OlderFile) std::ofstream(computer.loginFile(), std::ios::binary) << kChilds;
        computer.login(c.set == Set::OlderFile ? "111" : "238");
        if (c.set == Set::Changed) computer.changePassword("238", "4321");
        computer.login("", LoginDialog::kStudent);
        computer.spoil(c.spoil);
        for (const std::string guess : {"238", "111", "4321"}) {
            if (guess == c.inForce) continue;
            EXPECT_FALSE(computer.login(guess)) << guess;
            EXPECT_EQ(computer.told, (Told{{"提示", c.message}})) << guess;
        }
        if (c.inForce.empty()) continue;
        EXPECT_TRUE(computer.login(c.inForce));
        EXPECT_EQ(computer.told, (Told{{"提示", c.message}}));
        if (c.set == Set::Nothing) continue;
        EXPECT_EQ(computer.loginBytes(), c.inForce == "111" ? kChilds : kParents);
        EXPECT_TRUE(computer.login(c.inForce));
        EXPECT_TRUE(computer.told.empty());
    }
}

// A change that is refused, or that cannot be kept, leaves the old password
// working and the new one not; a login file that cannot be replaced leaves
// no half-written file beside it.
TEST(PasswordDialog, ARefusedChangeLeavesTheOldPassword) {
    const std::string notSaved = "新密码没能保存，原来的密码仍然有效！";
    const struct {
        const char* oldPassword;
        const char* newPassword;
        bool brokenRecord;
        bool folderInPlace;
        std::string message;
    } cases[] = {
        {"238", "", false, false, "密码框不能空！"},
        {"", "999", false, false, "密码框不能空！"},
        {"111", "999", false, false, "老密码不对！不能修改！"},
        {"238", "a\tb", false, false, "新密码里有不能保存的字符，请换一个密码！"},
        {"238", "999", true, false, "新密码没能保存（成绩记录写不进去），原来的密码仍然有效！"},
        {"238", "999", false, true, notSaved},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        Computer computer(false, c.brokenRecord);
        if (c.folderInPlace) computer.spoil(Spoil::Folder);
        ASSERT_TRUE(computer.login("238"));
        computer.changePassword(c.oldPassword, c.newPassword);
        EXPECT_EQ(computer.ui.messages.back().second, c.message);
        if (!c.folderInPlace) EXPECT_EQ(computer.loginBytes(), kShipped);
        computer.login("", LoginDialog::kStudent);
        if (*c.newPassword) EXPECT_FALSE(computer.login(c.newPassword));
        EXPECT_TRUE(computer.login("238"));
        for (const auto& entry : fs::directory_iterator(computer.program.path())) {
            EXPECT_EQ(entry.path().filename(), kLoginFileName) << "left behind: " << entry.path();
        }
    }
}

// Logging in again: the student item ends an advanced login, a wrong password keeps it.
TEST(LoginDialog, LoggingInAgainAfterAnAdvancedLogin) {
    Computer computer(false);
    ASSERT_TRUE(computer.login("238"));
    EXPECT_TRUE(computer.login("123"));
    EXPECT_EQ(computer.ui.messages.back().second,
              "你输入的高级用户密码不对！软件最初的密码是238，建议登录后修改。只能以学生身份登录！");
    EXPECT_FALSE(computer.login("238", LoginDialog::kStudent));
}

// The advanced item names the initial password only while it is the one in use.
TEST(LoginDialog, TheDialogNamesNoPasswordThatIsNotInUse) {
    Computer computer(false);
    std::ofstream(computer.loginFile(), std::ios::binary) << *encodeLoginFile("4a");
    LoginDialog changed(computer.accounts, computer.ui, computer.data, nullptr);
    changed.open();
    EXPECT_EQ(changed.items(), (std::vector<std::string>{LoginDialog::kAdvancedItemChanged, LoginDialog::kStudentItem}));
    EXPECT_FALSE(computer.login("238"));
    EXPECT_EQ(computer.ui.messages.back().second.find("238"), std::string::npos) << computer.ui.messages.back().second;
}

// The user's own data is for the user alone; folders the user made keep
// their mode.
TEST(PasswordGuard, TheRecordAndTheKeptLoginFileAreTheOwnersOnly) {
    Computer computer(true);
    ASSERT_TRUE(computer.login("238"));
    computer.changePassword("238", "4321");
    const fs::path share = computer.user.path() / "share";
    const fs::path record = share / "tallymoo/record.sqlite";
    for (const fs::path& file : {record, fs::path(record.string() + "-wal"), fs::path(record.string() + "-shm"),
                                 computer.loginFile()}) {
        EXPECT_EQ(modeOf(file), 0600u) << file;
    }
    for (fs::path folder = computer.loginFile().parent_path(); folder != computer.user.path();
         folder = folder.parent_path()) {
        EXPECT_EQ(modeOf(folder), 0700u) << folder;
    }

    // Files made looser before are closed; a folder of the user's is left alone.
    computer.record.reset();
    for (const fs::path& file : {record, computer.loginFile()}) ::chmod(file.c_str(), 0644);
    ::chmod(share.c_str(), 0755);
    computer.record = std::make_unique<SqliteRecord>(record);
    ASSERT_TRUE(computer.login("4321"));
    computer.changePassword("4321", "5678");
    EXPECT_EQ(modeOf(record), 0600u);
    EXPECT_EQ(modeOf(computer.loginFile()), 0600u);
    EXPECT_EQ(modeOf(share), 0755u);
}

}  // namespace
}  // namespace tally
