// SPDX-License-Identifier: GPL-3.0-or-later
// The weekly report of the main window: the child practising's, and for the
// parent each child's in turn.
#include "app/form1.h"
#include "app/weekly_report_page.h"
#include "progress/record_trouble.h"

namespace tally {

void Form1::showWeeklyReport() { showReportPageOf(owner()); }

void Form1::showReportOf(long long childId) {
    gate_.run([this, childId] {
        if (childId != owner() && !loginIsAdvanced()) return;
        showReportPageOf(childId);
    });
}

void Form1::showReportPageOf(long long childId) {
    if (!record_) return noRecordMessage();
    std::string name;
    for (const Child& each : children_) {
        if (each.id == childId) name = each.name;
    }
    // The misses' right answers are the parent's, and so is the switch to another child.
    const bool parent = loginIsAdvanced();
    const std::string html = weeklyReportPage(*record_, childId, today(), name, parent, ReviewCopy::CatchUp,
                                              parent ? children_ : std::vector<Child>{});
    if (html.empty()) {
        ports_.ui.message("提示", recordTroubleMessage(record_->trouble(), false));
        return;
    }
    ports_.ui.showPage(Pane::WebBrowser2, html);
    ports_.ui.bringToFront(Pane::WebBrowser2);
}

}  // namespace tally
