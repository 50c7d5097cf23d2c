// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/children_dialog.h"

namespace tally {

ChildrenDialog::ChildrenDialog(ProgressRecord& record, UserInterface& ui, long long loggedIn)
    : record_(record), ui_(ui), loggedIn_(loggedIn) {
    reload();
}

void ChildrenDialog::reload() {
    children_ = record_.children();
    earlierSheets_ = record_.earlierSheetCount();
}

std::string ChildrenDialog::done(std::string problem) {
    if (problem.empty()) changed_ = true;
    reload();
    return problem;
}

std::string ChildrenDialog::add(const std::string& name, int grade) { return done(record_.addChild(name, grade)); }

std::string ChildrenDialog::rename(long long childId, const std::string& name) {
    return done(record_.renameChild(childId, name));
}

std::string ChildrenDialog::setGrade(long long childId, int grade) {
    return done(record_.setChildGrade(childId, grade));
}

std::string ChildrenDialog::remove(long long childId) {
    const Child* child = nullptr;
    for (const Child& each : children_) {
        if (each.id == childId) child = &each;
    }
    if (!child) return "没有这个孩子。";
    if (childId == loggedIn_) {
        return "“" + child->name + "”现在登录着，不能删掉。请先让别的孩子登录，再来删。";
    }
    const std::string name = child->name;
    if (!ui_.ask("要删掉“" + name + "”吗？" + name + "做过的练习和错题也会一起删掉。", "删掉", "不删") ||
        !ui_.ask("真的删掉“" + name + "”吗？删掉以后就找不回来了。", "删掉", "不删")) {
        return kKept;
    }
    return done(record_.removeChild(childId));
}

std::string ChildrenDialog::giveEarlier(long long childId) { return done(record_.giveEarlierSheets(childId)); }

}  // namespace tally
