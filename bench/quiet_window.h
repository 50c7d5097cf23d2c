#pragma once
#include <string>

#include "shell/ports.h"
#include "shell/timer_port.h"

namespace tally::bench {

// A window that shows nothing and answers no dialog: what a benchmark needs
// around the main-window model.
class QuietWindow : public UserInterface, public TimerPort, public Clock {
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
    void print(const std::string&) override {}
    void timerChanged(int, bool, int) override {}
    TimeOfDay now() const override { return {}; }
};

}  // namespace tally::bench
