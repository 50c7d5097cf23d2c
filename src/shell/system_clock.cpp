// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/system_clock.h"

#include <ctime>

namespace tally {

TimeOfDay SystemClock::now() const {
    std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    return {local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace tally
