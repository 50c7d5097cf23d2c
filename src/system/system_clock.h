// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>

#include "base/ports.h"

namespace tally {

// The computer's local time and date: the one place the program reads them.
class SystemClock : public Clock {
public:
    TimeOfDay now() const override;
    Day today() const override;
    long long milliseconds() const override;
};

// The computer's time of day on a given day (`--today`: scripts and tests
// practise and store on a day of their own); the computer's date without one.
class FixedDayClock : public SystemClock {
public:
    explicit FixedDayClock(std::optional<Day> day) : day_(day) {}
    Day today() const override { return day_ ? *day_ : SystemClock::today(); }

private:
    std::optional<Day> day_;
};

}  // namespace tally
