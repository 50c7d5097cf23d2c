// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/system_clock.h"

#include <chrono>
#include <ctime>

namespace tally {
namespace {

std::tm localNow() {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    return local;
}

}  // namespace

long long SystemClock::milliseconds() const {
    using namespace std::chrono;
    return duration_cast<std::chrono::milliseconds>(steady_clock::now().time_since_epoch()).count();
}

TimeOfDay SystemClock::now() const {
    const std::tm local = localNow();
    return {local.tm_hour, local.tm_min, local.tm_sec};
}

Day SystemClock::today() const {
    using namespace std::chrono;
    const std::tm local = localNow();
    const year_month_day date{year{local.tm_year + 1900}, month{static_cast<unsigned>(local.tm_mon + 1)},
                              day{static_cast<unsigned>(local.tm_mday)}};
    return static_cast<Day>(sys_days{date}.time_since_epoch().count());
}

}  // namespace tally
