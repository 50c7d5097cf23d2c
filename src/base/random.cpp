// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "base/ports.h"

namespace tally {

int drawInt(RandomSource& random, double span, int base) {
    return static_cast<int>(std::floor(random.next() * span)) + base;
}

}  // namespace tally
