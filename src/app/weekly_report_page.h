#pragma once
#include <string>

#include "practice/practice_rows.h"
#include "progress/progress_record.h"

namespace tally {

// The weekly report, from the record's rows, as a whole page; the misses'
// right answers only `withAnswers` (for the parent). Empty when the record
// cannot be read.
std::string weeklyReportPage(ProgressRecord& record, Day today, const std::string& childName, bool withAnswers);

}  // namespace tally
