#include "shell/password_dialog.h"

#include "shell/form1.h"
#include "shell/login_file.h"

namespace tally {

PasswordDialog::PasswordDialog(Form1& form) : form_(form) {}

void PasswordDialog::confirm() {
    if (newPassword.empty() || oldPassword.empty()) {
        form_.ui().message("提示", "密码框不能空！");
        return;
    }
    if (oldPassword != form_.storedPassword) {
        form_.ui().message("提示", "老密码不对！不能修改！");
        closed_ = true;
        return;
    }
    auto file = encodeLoginFile(newPassword);
    if (!file) {
        form_.ui().message("提示", "新密码里有不能保存的字符，请换一个密码！");
        return;
    }
    if (!form_.data().replace(kLoginFileName, *file)) {
        form_.ui().message("提示", "新密码没能保存，原来的密码仍然有效！");
        return;
    }
    // The new password takes effect the next time the login dialog opens.
    closed_ = true;
}

}  // namespace tally
