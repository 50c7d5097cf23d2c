#include "shell/login_dialog.h"

#include "shell/login_file.h"

namespace tally {

LoginDialog::LoginDialog(Accounts& accounts, UserInterface& ui, const DataDirectory& data)
    : accounts_(accounts), ui_(ui), data_(data) {}

void LoginDialog::open() {
    accounts_.storedPassword.clear();
    // Without a good login file the password the program is delivered with
    // applies, and the parent is told so.
    auto bytes = data_.read(kLoginFileName);
    if (!bytes && data_.exists(kLoginFileName)) {
        // There but unreadable (no permission, a disk error) is not missing:
        // the initial password must not open the advanced account then.
        unreadable_ = true;
        ui_.message("提示", "密码文件读不出来（没有读它的权限，或者读的时候出错），现在不能用高级用户登录。"
                                   "请检查程序文件夹里的tallymoologin.ini。");
        return;
    }
    if (!bytes) {
        accounts_.storedPassword = kInitialPassword;
        ui_.message("提示", "找不到密码文件，或者读不出来，现在使用软件最初的密码238，请登录后修改密码。");
        return;
    }
    DecodedLogin login = decodeLoginFile(*bytes);
    if (login.damaged) {
        accounts_.storedPassword = kInitialPassword;
        ui_.message("提示", "密码文件已损坏，现在使用软件最初的密码238，请登录后修改密码。");
        return;
    }
    accounts_.storedPassword = login.password;
}

void LoginDialog::clickItem(int item) {
    if (item != kAdvanced && item != kStudent) return;
    selectedItem_ = item;
    passwordShown_ = item == kAdvanced;
    password.clear();
}

void LoginDialog::confirm() {
    if (selectedItem_ == kStudent || unreadable_) {
        // The student item needs no password: it logs in as the student; so
        // does every login while the login file cannot be read (said on open).
        accounts_.loginPassword.clear();
    } else if (password == accounts_.storedPassword) {
        accounts_.loginPassword = password;
    } else {
        ui_.message("提示",
                           "你输入的高级用户密码不对！软件最初的密码是238，建议登录后修改。只能以学生身份登录！");
    }
    closed_ = true;
}

}  // namespace tally
