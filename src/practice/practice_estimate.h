// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "practice/practice_rows.h"

namespace tally {

// Seconds a question takes a child of this grade whose own times are not
// known yet: the higher grades' questions take longer to work out.
int gradeSecondsPerQuestion(int grade);

// About how many minutes (at least 1) a sheet takes whose questions come from
// these topics, one key a question. Each question takes this child's usual
// seconds per question of its topic: the median over the topic's sheets
// given, so that one sheet left open does not count. A topic without sheets
// takes the child's usual time on the daily practice's own sheets, and
// without those the grade's.
int estimatedMinutes(const std::vector<std::string>& questionTopics, const std::vector<SheetRow>& sheets, int grade);

}  // namespace tally
