// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tally {

// The decimal drills compute in whole tenths and hundredths, so no binary
// fraction ever shows up as 10.349999 on a sheet.

// A non-negative number given in tenths, without the final 0 a child is
// taught to drop: 52 → "5.2", 4 → "0.4", 70 → "7".
std::string tenthsText(long long tenths);

// A non-negative number given in hundredths, exactly and without trailing
// zeros: 1035 → "10.35", 1050 → "10.5", 1100 → "11", 405 → "4.05".
std::string hundredthsText(long long hundredths);

}  // namespace tally
