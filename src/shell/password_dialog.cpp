#include "shell/password_dialog.h"

#include "shell/login_file.h"

namespace tally {

PasswordDialog::PasswordDialog(const Accounts& accounts, UserInterface& ui, DataDirectory& data)
    : accounts_(accounts), ui_(ui), data_(data) {}

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
    if (!data_.replace(kLoginFileName, *file)) {
        ui_.message("提示", "新密码没能保存，原来的密码仍然有效！");
        return;
    }
    // The new password takes effect the next time the login dialog opens.
    closed_ = true;
}

}  // namespace tally
