// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/weekly_report_page.h"

#include "app/fact_grid_page.h"
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

// The paces of the two weeks and each grid's facts 熟练 now but not before the week.
bool addFluency(ProgressRecord& record, long long childId, const std::vector<SheetRow>& sheets, WeeklyReport& report) {
    const std::vector<TimedAnswer> answers = record.answersSince(childId, dayText(report.from - 7));
    if (record.trouble() != RecordTrouble::None) return false;
    report.paces = skillPaces(answers, sheets, report.today);
    for (const FactGrid& grid : factGrids()) {
        const auto before = readFactGrid(record, childId, grid, dayText(report.from));
        const auto now = readFactGrid(record, childId, grid, dayText(report.today + 1));
        if (!before || !now) return false;
        if (auto facts = newlyFluent(*before, *now); !facts.empty()) report.newlyFluent.push_back({grid.caption, facts});
    }
    return true;
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
    report.errorKinds = record.errorKindsSince(childId, dayText(report.from));
    if (record.trouble() != RecordTrouble::None) return "";
    if (!addFluency(record, childId, rows.sheets, report)) return "";
    return weeklyReportHtml(report, chooser(switchTo, childId) + factGridLinks(childId));
}

}  // namespace tally
