// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "progress/progress_record.h"
#include "window/accounts.h"
#include "base/ports.h"

namespace tally {

// The change-password dialog: the new password goes to the login file and
// its copy to the record (`record` may be none), both or neither.
class PasswordDialog {
public:
    static constexpr const char* kTitle = "修改密码";
    static constexpr const char* kOldLabel = "老密码：";
    static constexpr const char* kNewLabel = "新密码：";
    static constexpr const char* kConfirm = "确定";

    PasswordDialog(const Accounts& accounts, UserInterface& ui, DataDirectory& data, ProgressRecord* record);

    std::string oldPassword;  // the "老密码" box
    std::string newPassword;  // the "新密码" box
    // "确定"; an empty box keeps the dialog open.
    void confirm();
    bool closed() const { return closed_; }

private:
    const Accounts& accounts_;
    UserInterface& ui_;
    DataDirectory& data_;
    ProgressRecord* record_;
    bool closed_ = false;
};

}  // namespace tally
