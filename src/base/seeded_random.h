// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>

#include "base/ports.h"

namespace tally {

// The program's one random source, seeded once at start: xoshiro256**, which
// is fast enough for the narrow bands that reject most draws.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed);
    // 53 random bits scaled into [0, 1): never 1.
    double next() override { return static_cast<double>(nextBits() >> 11) * 0x1.0p-53; }

private:
    std::array<std::uint64_t, 4> state_{};
    std::uint64_t nextBits();
};

// A seed from the clock and the system's entropy, for a start without --seed.
std::uint64_t freshSeed();

}  // namespace tally
