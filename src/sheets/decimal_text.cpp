// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/decimal_text.h"

namespace tally {

std::string tenthsText(long long tenths) { return hundredthsText(10 * tenths); }

std::string hundredthsText(long long hundredths) {
    const std::string whole = std::to_string(hundredths / 100);
    const long long cents = hundredths % 100;
    if (cents == 0) return whole;
    if (cents % 10 == 0) return whole + "." + std::to_string(cents / 10);
    return whole + "." + std::to_string(cents / 10) + std::to_string(cents % 10);
}

}  // namespace tally
