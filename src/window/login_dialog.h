// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "progress/progress_record.h"
#include "window/accounts.h"
#include "window/password_guard.h"
#include "base/ports.h"

namespace tally {

// The login dialog: choose the advanced or the student account; the
// advanced one is proven by the password of the login file, checked against
// the copy the record keeps of it (`record` may be none).
class LoginDialog {
public:
    static constexpr const char* kTitle = "登录";
    static constexpr const char* kLabel1 = "从下面列表框里选择你的用户名";
    static constexpr const char* kAdvancedItem = "高级用户（可以查看答案，初始密码是238）";
    // The same once the password was changed: no text names a password not in use.
    static constexpr const char* kAdvancedItemChanged = "高级用户（可以查看答案）";
    static constexpr const char* kStudentItem = "学生用户（不能查看答案）";
    static constexpr const char* kLabel3 = "密码(用于查看答案)：";
    static constexpr const char* kLabel2 = "提示：工具栏第一个按钮就可以修改密码";
    static constexpr const char* kConfirm = "确定";
    static constexpr int kAdvanced = 0;
    static constexpr int kStudent = 1;

    // Once children are named, each is an item of the list in place of the
    // student item (item 1 + its index), and `preselected` (an index, -1 for
    // none) is selected when the dialog opens.
    LoginDialog(Accounts& accounts, UserInterface& ui, DataDirectory& data, ProgressRecord* record,
                std::vector<std::string> childNames = {}, int preselected = -1);

    // The list's items, in order; valid after open().
    std::vector<std::string> items() const;
    // The child whose item was confirmed (an index of the names), -1 for none.
    int chosenChild() const { return chosenChild_; }

    // The dialog opens: reads the stored advanced password from the login file. A
    // missing or damaged file gives the initial password on a computer where
    // no other was ever set; one that is there but cannot be read gives no
    // advanced login at all. A file that no longer agrees with the record's
    // copy is said once, and then only the password of the copy logs in (and
    // writes the login file anew).
    void open();
    // A click on the list's item 0 (advanced) or 1 (student).
    void clickItem(int item);
    int selectedItem() const { return selectedItem_; }
    // The password label and box are shown only for the advanced item.
    bool passwordShown() const { return passwordShown_; }
    // What is typed in the password box.
    std::string password;
    // "确定": logs in or tells why not; the dialog closes either way.
    void confirm();
    bool closed() const { return closed_; }

private:
    Accounts& accounts_;
    UserInterface& ui_;
    DataDirectory& data_;
    PasswordGuard guard_;
    int selectedItem_ = -1;
    bool passwordShown_ = false;
    bool closed_ = false;
    // Every login is the student's (the file cannot be read, or cannot be checked).
    bool noAdvancedLogin_ = false;
    // Only the password of the record's copy logs in.
    bool copyDecides_ = false;
    std::vector<std::string> childNames_;
    int chosenChild_ = -1;

    void refuseAdvancedLogin(const std::string& why);
    void proveByCopy();
    bool childItem(int item) const { return item >= 1 && item <= static_cast<int>(childNames_.size()); }
};

}  // namespace tally
