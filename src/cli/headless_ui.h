// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/ports.h"
#include "base/timer_bank.h"
#include "base/timer_port.h"

namespace tally {

// The window of the headless front end: records what the program shows and
// answers its dialogs as it has been told to.
class HeadlessUi : public UserInterface, public TimerPort {
public:
    void message(const std::string& title, const std::string& text) override;
    // A question is kept among the messages, titled "提问", with the answer given.
    bool ask(const std::string& text, const std::string& yes, const std::string& no) override;
    void bringToFront(Pane pane) override { front = pane; }
    void navigate(Pane pane, const std::string& relPath) override;
    void showPage(Pane pane, const std::string& html) override;
    void playSound(const std::string& relPath) override { sounds.push_back(relPath); }
    void setStatus(const std::string& text) override { status = text; }
    void treeChanged() override { ++treeChanges; }
    void selectTab(const std::string& caption) override { selectedTab = caption; }
    void clockChanged() override { ++clockChanges; }
    void runLoginDialog(LoginDialog& dialog) override;
    void runPasswordDialog(PasswordDialog& dialog) override;
    void runOptionsDialog(OptionsDialog& dialog) override;
    void runChildrenDialog(ChildrenDialog& dialog) override;
    void showWho(const std::string& text) override { who = text; }
    void showDrillForm(const std::string& key) override { shownDrillForm = key; }
    void print(const PrintableWorksheet& worksheet) override {
        ++prints;
        printedWorksheet = worksheet.document;
        printChoice = worksheet.choice;
    }
    void timerChanged(int timer, bool enabled, int intervalMs) override;

    // How the next dialogs are answered.
    std::optional<std::string> loginAnswer;  // advanced item with this password; none: student
    std::optional<std::pair<std::string, std::string>> passwordAnswer;  // old, new; none: closed
    std::optional<std::pair<int, int>> optionsAnswer;  // choices (-1 none); none: closed
    std::optional<std::string> childAnswer;  // the child's item of that name, when no loginAnswer
    // What the next 孩子 dialog is asked to do; it answers "" or why not.
    std::function<std::string(ChildrenDialog&)> childrenAction;
    std::string childrenResult;
    std::vector<bool> askAnswers;  // the next questions' answers, in order; when none is left: the first button

    std::vector<std::pair<std::string, std::string>> messages;
    Pane front = Pane::WebBrowser1;
    std::string page1Path;
    std::string page2Path;
    std::string page2Html;  // a page the program built, shown instead of a file
    std::string status;
    std::string selectedTab;
    std::vector<std::string> sounds;
    int treeChanges = 0;
    int clockChanges = 0;
    int prints = 0;
    std::string printedWorksheet;  // offered with the last print, empty for none
    std::string printChoice;       // how it was offered
    int loginDialogs = 0;
    int passwordDialogs = 0;
    int optionsDialogs = 0;
    int childrenDialogs = 0;
    std::string who;
    std::string shownDrillForm;
    struct TimerState {
        bool enabled = false;
        int interval = 0;
    };
    std::array<TimerState, TimerBank::kCount + 1> timers{};
};

}  // namespace tally
