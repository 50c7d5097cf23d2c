// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/seeded_random.h"

#include <chrono>
#include <random>

namespace tally {
namespace {

std::uint64_t rotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

// Spreads one seed over the four words of the state (splitmix64).
std::uint64_t splitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

}  // namespace

SeededRandom::SeededRandom(std::uint64_t seed) {
    for (auto& word : state_) word = splitMix(seed);
}

std::uint64_t SeededRandom::nextBits() {
    const std::uint64_t result = rotateLeft(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = rotateLeft(state_[3], 45);
    return result;
}

std::uint64_t freshSeed() {
    std::random_device device;
    auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return (static_cast<std::uint64_t>(device()) << 32) ^ static_cast<std::uint64_t>(ticks);
}

}  // namespace tally
