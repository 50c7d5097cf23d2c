#pragma once
#include <string>

#include "practice/practice_rows.h"
#include "progress/progress_record.h"

namespace tally {

// The weekly report for the parent, from the record's rows, as a whole page;
// empty when the record cannot be read.
std::string weeklyReportPage(ProgressRecord& record, Day today, const std::string& childName = "");

}  // namespace tally
