// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/pupil_login_dialog.h"

#include <algorithm>

namespace tally {

PupilLoginDialog::PupilLoginDialog(std::vector<std::string> classNames, LogIn logIn)
    : classNames_(std::move(classNames)), logIn_(std::move(logIn)) {
    if (!classNames_.empty()) className = classNames_.front();
}

std::string PupilLoginDialog::typedProblem() const {
    if (std::find(classNames_.begin(), classNames_.end(), className) == classNames_.end()) return "请选你的班级。";
    if (name.find_first_not_of(" \t") == std::string::npos) return "请写上你的名字。";
    const bool digits = !pin.empty() && pin.find_first_not_of("0123456789") == std::string::npos;
    if (!digits || pin.size() < kShortestPin || pin.size() > kLongestPin) {
        return "密码是老师给你的" + std::to_string(kShortestPin) + "到" + std::to_string(kLongestPin) + "个数字。";
    }
    return "";
}

void PupilLoginDialog::confirm() {
    problem_ = typedProblem();
    if (problem_.empty()) problem_ = logIn_(className, name, pin);
    loggedIn_ = problem_.empty();
    if (!loggedIn_) pin.clear();
}

}  // namespace tally
