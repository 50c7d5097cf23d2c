#include "shell/login_dialog.h"

#include "shell/login_file.h"

namespace tally {

LoginDialog::LoginDialog(Accounts& accounts, UserInterface& ui, const DataDirectory& data,
                         std::vector<std::string> childNames, int preselected)
    : accounts_(accounts), ui_(ui), data_(data), childNames_(std::move(childNames)) {
    if (preselected >= 0 && preselected < static_cast<int>(childNames_.size())) selectedItem_ = 1 + preselected;
}

std::vector<std::string> LoginDialog::items() const {
    std::vector<std::string> list{accounts_.initialPasswordInUse() ? kAdvancedItem : kAdvancedItemChanged};
    if (childNames_.empty()) list.emplace_back(kStudentItem);
    list.insert(list.end(), childNames_.begin(), childNames_.end());
    return list;
}

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
    if (item != kAdvanced && item != kStudent && !childItem(item)) return;
    selectedItem_ = item;
    passwordShown_ = item == kAdvanced;
    password.clear();
}

void LoginDialog::confirm() {
    if (childItem(selectedItem_)) {
        // A child needs no password: the child's sheets are marked without
        // their answers.
        accounts_.loginPassword.clear();
        chosenChild_ = selectedItem_ - 1;
    } else if (selectedItem_ == kStudent || unreadable_) {
        // The student item needs no password: it logs in as the student; so
        // does every login while the login file cannot be read (said on open).
        accounts_.loginPassword.clear();
    } else if (password == accounts_.storedPassword) {
        accounts_.loginPassword = password;
    } else {
        ui_.message("提示", accounts_.initialPasswordInUse()
                                ? "你输入的高级用户密码不对！软件最初的密码是238，建议登录后修改。只能以学生身份登录！"
                                : "你输入的高级用户密码不对！只能以学生身份登录！");
    }
    closed_ = true;
}

}  // namespace tally
