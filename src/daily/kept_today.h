// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>

#include "daily/today_practice.h"
#include "page/page.h"
#include "progress/kept_practice.h"

namespace tally {

// Today's practice sheet as it is kept while half done: its questions and
// what the page's fields hold.
KeptPractice keptToday(const TodayPractice& practice, const Page& sheet);
// The practice kept, when it was drawn on `today`: a new day starts afresh.
std::optional<TodayPractice> resumedToday(const KeptPractice& kept, Day today);
// Puts what was typed back into the fields of the sheet written again.
void restoreTyped(const KeptPractice& kept, Page& sheet);

}  // namespace tally
