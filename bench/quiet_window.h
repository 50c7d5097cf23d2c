// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "base/null_window.h"
#include "system/system_clock.h"
#include "base/timer_port.h"
#include "window/login_dialog.h"

namespace tally::bench {

// A window that shows nothing and answers no dialog but the login, as the
// parent: what a benchmark needs around the main-window model.
class QuietWindow : public NullWindow, public TimerPort, public Clock {
public:
    void timerChanged(int, bool, int) override {}
    TimeOfDay now() const override { return {}; }
    Day day = SystemClock().today();
    Day today() const override { return day; }
    long long milliseconds() const override { return 0; }
    void runLoginDialog(LoginDialog& dialog) override {
        dialog.clickItem(LoginDialog::kAdvanced);
        dialog.password = "238";
    }
};

}  // namespace tally::bench
