// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "shell/ports.h"

namespace tally {

// The computer's local time of day.
class SystemClock : public Clock {
public:
    TimeOfDay now() const override;
};

}  // namespace tally
