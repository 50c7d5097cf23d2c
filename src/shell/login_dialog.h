#pragma once
#include <string>

#include "shell/accounts.h"
#include "shell/ports.h"

namespace tally {

// The login dialog: choose the advanced or the student account; the
// advanced one is proven by the password of the login file.
class LoginDialog {
public:
    static constexpr const char* kTitle = "登录";
    static constexpr const char* kLabel1 = "从下面列表框里选择你的用户名";
    static constexpr const char* kAdvancedItem = "高级用户（可以查看答案，初始密码是238）";
    static constexpr const char* kStudentItem = "学生用户（不能查看答案）";
    static constexpr const char* kLabel3 = "密码(用于查看答案)：";
    static constexpr const char* kLabel2 = "提示：工具栏第一个按钮就可以修改密码";
    static constexpr const char* kConfirm = "确定";
    static constexpr int kAdvanced = 0;
    static constexpr int kStudent = 1;

    LoginDialog(Accounts& accounts, UserInterface& ui, const DataDirectory& data);

    // The dialog opens: reads the stored advanced password from the login file. A
    // missing or damaged file gives the initial password; one that is there
    // but cannot be read gives no advanced login at all.
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
    const DataDirectory& data_;
    int selectedItem_ = -1;
    bool passwordShown_ = false;
    bool closed_ = false;
    bool unreadable_ = false;
};

}  // namespace tally
