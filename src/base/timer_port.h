// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tally {

// The front end's real clocks for Timer1..Timer7: told whenever a timer is
// started, stopped or restarted.
class TimerPort {
public:
    virtual ~TimerPort() = default;
    virtual void timerChanged(int timer, bool enabled, int intervalMs) = 0;
};

}  // namespace tally
