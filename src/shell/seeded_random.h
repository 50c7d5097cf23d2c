#pragma once
#include <cstdint>
#include <random>

#include "shell/ports.h"

namespace tally {

// The program's one random source, seeded once at start.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    // 53 random bits scaled into [0, 1): never 1.
    double next() override { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 engine_;
};

// A seed from the clock and the system's entropy, for a start without --seed.
std::uint64_t freshSeed();

}  // namespace tally
