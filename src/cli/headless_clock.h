// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>

#include "system/system_clock.h"

namespace tally {

// The clock of the headless front end: the day and time of day as the
// computer's (or the day fixed by --today), and milliseconds that move only
// when a script waits, so the answers' times of a script come out the same
// every time.
class HeadlessClock : public FixedDayClock {
public:
    explicit HeadlessClock(std::optional<Day> day) : FixedDayClock(day) {}
    long long milliseconds() const override { return milliseconds_; }
    void wait(long long ms) { milliseconds_ += ms; }

private:
    long long milliseconds_ = 0;
};

}  // namespace tally
