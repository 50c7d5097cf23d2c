#pragma once
#include <string>

#include "shell/accounts.h"
#include "shell/ports.h"

namespace tally {

// The change-password dialog.
class PasswordDialog {
public:
    static constexpr const char* kTitle = "修改密码";
    static constexpr const char* kOldLabel = "老密码：";
    static constexpr const char* kNewLabel = "新密码：";
    static constexpr const char* kConfirm = "确定";

    PasswordDialog(const Accounts& accounts, UserInterface& ui, DataDirectory& data);

    std::string oldPassword;  // the "老密码" box
    std::string newPassword;  // the "新密码" box
    // "确定"; an empty box keeps the dialog open.
    void confirm();
    bool closed() const { return closed_; }

private:
    const Accounts& accounts_;
    UserInterface& ui_;
    DataDirectory& data_;
    bool closed_ = false;
};

}  // namespace tally
