// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "base/ports.h"

namespace tally {

// A window that shows nothing and answers every question yes: where the
// main-window model or a family runs with no one watching (a topic drawn on
// a scratch page, a benchmark). A run that must answer otherwise overrides ask.
class NullWindow : public UserInterface {
public:
    void message(const std::string&, const std::string&) override {}
    bool ask(const std::string&, const std::string&, const std::string&) override { return true; }
    void selectTab(const std::string&) override {}
    void bringToFront(Pane) override {}
    void navigate(Pane, const std::string&) override {}
    void showPage(Pane, const std::string&) override {}
    void playSound(const std::string&) override {}
    void setStatus(const std::string&) override {}
    void treeChanged() override {}
    void clockChanged() override {}
    void runLoginDialog(LoginDialog&) override {}
    void runPasswordDialog(PasswordDialog&) override {}
    void runOptionsDialog(OptionsDialog&) override {}
    void print(const PrintableWorksheet&) override {}
};

}  // namespace tally
