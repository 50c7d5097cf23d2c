// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace tally::bench {

// Numbers the same on every run (a 64-bit LCG): the benches' records are
// always the same record.
class SameDraws {
public:
    int below(int limit) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(limit));
    }

private:
    std::uint64_t state_ = 12345;
};

}  // namespace tally::bench
