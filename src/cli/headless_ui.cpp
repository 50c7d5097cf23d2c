// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/headless_ui.h"

#include <algorithm>

#include "window/children_dialog.h"
#include "window/login_dialog.h"
#include "window/options_dialog.h"
#include "window/password_dialog.h"

namespace tally {

void HeadlessUi::message(const std::string& title, const std::string& text) {
    messages.emplace_back(title, text);
}

bool HeadlessUi::ask(const std::string& text, const std::string& yes, const std::string& no) {
    bool answer = true;
    if (!askAnswers.empty()) {
        answer = askAnswers.front();
        askAnswers.erase(askAnswers.begin());
    }
    messages.emplace_back("提问", text + " " + (answer ? yes : no));
    return answer;
}

void HeadlessUi::navigate(Pane pane, const std::string& relPath) {
    if (pane == Pane::WebBrowser2) {
        page2Path = relPath;
        page2Html.clear();
    } else {
        page1Path = relPath;
    }
}

// Only the second pane shows built pages; the first holds the sheet model.
void HeadlessUi::showPage(Pane pane, const std::string& html) {
    if (pane != Pane::WebBrowser2) return;
    page2Path.clear();
    page2Html = html;
}

void HeadlessUi::runLoginDialog(LoginDialog& dialog) {
    ++loginDialogs;
    if (loginAnswer) {
        dialog.clickItem(LoginDialog::kAdvanced);
        dialog.password = *loginAnswer;
    } else if (const auto items = dialog.items(); childAnswer) {
        // A child's item by name; a name not listed leaves the dialog as it opened.
        const auto found = std::find(items.begin() + 1, items.end(), *childAnswer);
        if (found != items.end()) dialog.clickItem(static_cast<int>(found - items.begin()));
    } else if (dialog.selectedItem() < 0) {
        // The student item, or the child the dialog selected itself.
        dialog.clickItem(LoginDialog::kStudent);
    }
    dialog.confirm();
}

void HeadlessUi::runChildrenDialog(ChildrenDialog& dialog) {
    ++childrenDialogs;
    childrenResult = childrenAction ? childrenAction(dialog) : "";
}

void HeadlessUi::runPasswordDialog(PasswordDialog& dialog) {
    ++passwordDialogs;
    if (!passwordAnswer) return;
    dialog.oldPassword = passwordAnswer->first;
    dialog.newPassword = passwordAnswer->second;
    dialog.confirm();
}

void HeadlessUi::runOptionsDialog(OptionsDialog& dialog) {
    ++optionsDialogs;
    if (!optionsAnswer) return;
    dialog.countChoice = optionsAnswer->first;
    dialog.memoryChoice = optionsAnswer->second;
    dialog.confirm();
}

void HeadlessUi::timerChanged(int timer, bool enabled, int intervalMs) {
    if (timer >= 1 && timer < static_cast<int>(timers.size())) timers[timer] = {enabled, intervalMs};
}

}  // namespace tally
