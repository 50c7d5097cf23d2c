// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace tally {

// The lab computer's login of a pupil: the class (one of those the computer
// joined), the pupil's name and the PIN the teacher handed out. The login
// itself is the school's, given as `logIn`: "" when the pupil is in,
// otherwise why not, in words a child reads.
class PupilLoginDialog {
public:
    static constexpr const char* kTitle = "学生登录";
    static constexpr const char* kClassLabel = "班级：";
    static constexpr const char* kNameLabel = "名字：";
    static constexpr const char* kPinLabel = "密码（老师给你的数字）：";
    static constexpr const char* kConfirm = "登录";
    // The way to the family's login, for the computer's owner.
    static constexpr const char* kFamily = "家长/老师";
    static constexpr int kShortestPin = 4;
    static constexpr int kLongestPin = 8;

    using LogIn = std::function<std::string(const std::string& className, const std::string& name, const std::string& pin)>;
    PupilLoginDialog(std::vector<std::string> classNames, LogIn logIn);

    const std::vector<std::string>& classNames() const { return classNames_; }
    std::string className;
    std::string name;
    std::string pin;

    // "登录": checks what was typed, then logs in; the dialog closes once the
    // pupil is in, and says why not otherwise (the PIN is then typed again).
    void confirm();
    bool loggedIn() const { return loggedIn_; }
    const std::string& problem() const { return problem_; }

private:
    // Why what was typed cannot log in; "" when it may be tried.
    std::string typedProblem() const;

    std::vector<std::string> classNames_;
    LogIn logIn_;
    bool loggedIn_ = false;
    std::string problem_;
};

}  // namespace tally
