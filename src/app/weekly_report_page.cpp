// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/weekly_report_page.h"

#include "practice/weekly_report.h"

namespace tally {

std::string weeklyReportPage(ProgressRecord& record, long long childId, Day today, const std::string& childName,
                             bool withAnswers, ReviewCopy copy) {
    const PracticeRows rows = readReportRows(record, childId);
    if (!rows.readable) return "";
    int dueCount = 0;
    // The topics with the most waiting misses are told from the first many.
    const auto due = dueMisses(record, childId, today, DueQuery{10000}, &dueCount, copy);
    if (!due) return "";
    WeeklyReport report = weeklyReport(rows.sheets, *due, today, childName);
    // The report names the first of them; the count is of all.
    report.dueCount = dueCount;
    report.withAnswers = withAnswers;
    return weeklyReportHtml(report);
}

}  // namespace tally
