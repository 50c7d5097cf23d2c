// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/password_dialog.h"

#include "window/login_file.h"
#include "window/password_guard.h"

namespace tally {

PasswordDialog::PasswordDialog(const Accounts& accounts, UserInterface& ui, DataDirectory& data,
                               ProgressRecord* record)
    : accounts_(accounts), ui_(ui), data_(data), record_(record) {}

void PasswordDialog::confirm() {
    if (newPassword.empty() || oldPassword.empty()) {
        ui_.message("提示", "密码框不能空！");
        return;
    }
    if (oldPassword != accounts_.storedPassword) {
        ui_.message("提示", "老密码不对！不能修改！");
        closed_ = true;
        return;
    }
    auto file = encodeLoginFile(newPassword);
    if (!file) {
        ui_.message("提示", "新密码里有不能保存的字符，请换一个密码！");
        return;
    }
    // The copy first: a login file whose copy was not written would refuse
    // the new password at the next login.
    PasswordGuard guard(record_, data_);
    if (!guard.keep(newPassword)) {
        ui_.message("提示", "新密码没能保存（成绩记录写不进去），原来的密码仍然有效！");
        return;
    }
    if (!data_.replace(kLoginFileName, *file)) {
        guard.keep(oldPassword);
        ui_.message("提示", "新密码没能保存，原来的密码仍然有效！");
        return;
    }
    // The new password takes effect the next time the login dialog opens.
    closed_ = true;
}

}  // namespace tally
