// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/login_dialog.h"

#include "window/login_file.h"

namespace tally {
namespace {

using Standing = PasswordGuard::Standing;

// What a parent is told when the login file no longer agrees with the copy
// of the password the record keeps.
std::string disagreement(bool missing, bool damaged) {
    const std::string what = missing   ? "密码文件不见了。"
                             : damaged ? "密码文件坏了。"
                                       : "密码文件和家长设的密码对不上，它被删掉或者改动过。";
    return what + "家长以前设的密码仍然有效，别的密码都不能登录高级用户。"
                  "请家长用自己设的密码登录，登录后密码文件会重新写好。";
}

}  // namespace

LoginDialog::LoginDialog(Accounts& accounts, UserInterface& ui, DataDirectory& data, ProgressRecord* record,
                         std::vector<std::string> childNames, int preselected)
    : accounts_(accounts), ui_(ui), data_(data), guard_(record, data), childNames_(std::move(childNames)) {
    if (preselected >= 0 && preselected < static_cast<int>(childNames_.size())) selectedItem_ = 1 + preselected;
}

std::vector<std::string> LoginDialog::items() const {
    std::vector<std::string> list{accounts_.initialPasswordInUse() ? kAdvancedItem : kAdvancedItemChanged};
    if (childNames_.empty()) list.emplace_back(kStudentItem);
    list.insert(list.end(), childNames_.begin(), childNames_.end());
    return list;
}

void LoginDialog::refuseAdvancedLogin(const std::string& why) {
    noAdvancedLogin_ = true;
    ui_.message("提示", why);
}

void LoginDialog::open() {
    accounts_.storedPassword.clear();
    auto bytes = data_.read(kLoginFileName);
    if (!bytes && data_.exists(kLoginFileName)) {
        // There but unreadable (no permission, a disk error) is not missing:
        // the initial password must not open the advanced account then.
        return refuseAdvancedLogin("密码文件读不出来（没有读它的权限，或者读的时候出错），现在不能用高级用户登录。"
                                   "请检查程序文件夹里的tallymoologin.ini。");
    }
    const DecodedLogin login = bytes ? decodeLoginFile(*bytes) : DecodedLogin{};
    const bool good = bytes && !login.damaged;
    switch (guard_.standing(good ? std::optional<std::string>(login.password) : std::nullopt)) {
        case Standing::Disagrees:
            copyDecides_ = true;
            ui_.message("提示", disagreement(!bytes, login.damaged));
            return;
        case Standing::Unknown:
            if (!good) {
                return refuseAdvancedLogin("密码文件不见了或者坏了，成绩记录也打不开，没法确认家长设过的密码，"
                                           "现在不能用高级用户登录。");
            }
            break;
        case Standing::Unguarded:
            // A password set before the record kept copies is kept from now on
            // (tried again at the next login when the record is busy).
            if (good && login.password != kInitialPassword) guard_.keep(login.password);
            break;
        case Standing::Agrees: break;
    }
    // Without a good login file the password the program is delivered with
    // applies, and the parent is told so.
    if (!bytes) {
        accounts_.storedPassword = kInitialPassword;
        ui_.message("提示", "找不到密码文件，或者读不出来，现在使用软件最初的密码238，请登录后修改密码。");
        return;
    }
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

// The password of the record's copy logs in and puts the login file right.
void LoginDialog::proveByCopy() {
    accounts_.storedPassword = password;
    accounts_.loginPassword = password;
    const auto file = encodeLoginFile(password);
    if (!file || !data_.replace(kLoginFileName, *file)) {
        ui_.message("提示", "已经以高级用户身份登录，可是密码文件没能重新写好，下次登录还要用这个密码。");
    }
}

void LoginDialog::confirm() {
    if (childItem(selectedItem_)) {
        // A child needs no password: the child's sheets are marked without
        // their answers.
        accounts_.loginPassword.clear();
        chosenChild_ = selectedItem_ - 1;
    } else if (selectedItem_ == kStudent || noAdvancedLogin_) {
        // The student item needs no password: it logs in as the student; so
        // does every login the dialog refused when it opened (said then).
        accounts_.loginPassword.clear();
    } else if (copyDecides_ && guard_.proves(password)) {
        proveByCopy();
    } else if (!copyDecides_ && password == accounts_.storedPassword) {
        accounts_.loginPassword = password;
    } else {
        ui_.message("提示", accounts_.initialPasswordInUse()
                                ? "你输入的高级用户密码不对！软件最初的密码是238，建议登录后修改。只能以学生身份登录！"
                                : "你输入的高级用户密码不对！只能以学生身份登录！");
    }
    closed_ = true;
}

}  // namespace tally
