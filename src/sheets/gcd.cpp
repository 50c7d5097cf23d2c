// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/gcd.h"

namespace tally {

std::int64_t gcd(std::int64_t a, std::int64_t b) {
    while (b != 0) {
        const std::int64_t rest = a % b;
        a = b;
        b = rest;
    }
    return a < 0 ? -a : a;
}

std::string remainderText(std::int64_t a, std::int64_t b) {
    if (b == 0) return "";
    return std::to_string(a % b);
}

}  // namespace tally
