// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "daily/record_rows.h"
#include "practice/practice_rows.h"
#include "progress/progress_record.h"

namespace tally {

// The link of the report that shows another child's report
// ("report-child-ID.tallymoo"); the window catches it.
inline constexpr const char* kShowChildReportLink = "report-child-";

// The weekly report, from the record's rows, as a whole page; the misses'
// right answers only `withAnswers` (for the parent). `switchTo` are the
// children the parent may switch to, the shown one among them (none for a
// child alone or a print). Empty when the record cannot be read. A printed
// report leaves the record's copy of the review schedule as it is.
std::string weeklyReportPage(ProgressRecord& record, long long childId, Day today, const std::string& childName,
                             bool withAnswers, ReviewCopy copy = ReviewCopy::CatchUp,
                             const std::vector<Child>& switchTo = {});

}  // namespace tally
