// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "base/null_window.h"
#include "base/timer_port.h"

namespace tally {

// The window of a run without one (--print): shows nothing, answers no dialog
// and keeps the messages the program would have shown.
class SilentWindow : public NullWindow, public TimerPort {
public:
    void message(const std::string&, const std::string& text) override { messages.push_back(text); }
    // A worksheet is never marked here; a question would keep what is on screen.
    bool ask(const std::string&, const std::string&, const std::string&) override { return false; }
    void timerChanged(int, bool, int) override {}

    std::vector<std::string> messages;
};

}  // namespace tally
