// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "progress/record_values.h"

namespace tally {

// How many of a child's newest 口算达标 tests the record page charts.
inline constexpr int kChartedDabiaoTests = 20;

// A child's 口算达标 tests (newest first, as the record gives them) as a
// small bar chart of right answers a minute, oldest on the left; a screen
// reader reads its title and, in its description, every test. "" for none.
std::string dabiaoHistoryHtml(const std::vector<MarkedSheet>& tests);

}  // namespace tally
