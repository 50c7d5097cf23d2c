#include "shell/system_clock.h"

#include <chrono>
#include <ctime>
#include <random>

#include "shell/seeded_random.h"

namespace tally {

TimeOfDay SystemClock::now() const {
    std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    return {local.tm_hour, local.tm_min, local.tm_sec};
}

std::uint64_t freshSeed() {
    std::random_device device;
    auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return (static_cast<std::uint64_t>(device()) << 32) ^ static_cast<std::uint64_t>(ticks);
}

}  // namespace tally
