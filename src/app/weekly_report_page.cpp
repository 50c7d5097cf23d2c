// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/weekly_report_page.h"

#include "app/record_page.h"
#include "daily/waiting_rows.h"
#include "practice/html_parts.h"
#include "practice/weekly_report.h"

namespace tally {
namespace {

std::string chooser(const std::vector<Child>& children, long long shown) {
    if (children.empty()) return "";
    std::string links = "看谁的报告：";
    for (const Child& child : children) links += childLink(kShowChildReportLink, child.id, child.name, child.id == shown) + " ";
    return element("p", links, "class=\"plain chooser\"");
}

}  // namespace

std::string weeklyReportPage(ProgressRecord& record, long long childId, Day today, const std::string& childName,
                             bool withAnswers, ReviewCopy copy, const std::vector<Child>& switchTo) {
    const PracticeRows rows = readReportRows(record, childId);
    if (!rows.readable) return "";
    // The topics with the most due misses are told from the first many.
    const auto due = dueMisses(record, childId, today, DueQuery{10000}, nullptr, copy);
    if (!due) return "";
    WeeklyReport report = weeklyReport(rows.sheets, *due, today, childName);
    const std::optional<int> waiting = waitingMisses(record, childId, copy);
    const auto weekMisses = missesOfDaysWaiting(record, childId, report.from, today);
    if (!waiting || !weekMisses) return "";
    report.waiting = *waiting;
    report.weekMisses = *weekMisses;
    report.withAnswers = withAnswers;
    return weeklyReportHtml(report, chooser(switchTo, childId));
}

}  // namespace tally
