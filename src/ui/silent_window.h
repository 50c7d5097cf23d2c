#pragma once
#include <string>
#include <vector>

#include "shell/ports.h"
#include "shell/timer_port.h"

namespace tally {

// The window of a run without one (--print): shows nothing, answers no dialog
// and keeps the messages the program would have shown.
class SilentWindow : public UserInterface, public TimerPort {
public:
    void message(const std::string&, const std::string& text) override { messages.push_back(text); }
    // A worksheet is never marked here; a question would keep what is on screen.
    bool ask(const std::string&, const std::string&, const std::string&) override { return false; }
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

    std::vector<std::string> messages;
};

}  // namespace tally
