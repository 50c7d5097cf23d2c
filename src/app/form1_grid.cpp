// SPDX-License-Identifier: GPL-3.0-or-later
// A child's fact grids in the second pane, opened from the record page.
#include "app/fact_grid_page.h"
#include "app/form1.h"
#include "progress/record_trouble.h"

namespace tally {

void Form1::showFactGridOf(std::size_t place, long long childId) {
    gate_.run([this, place, childId] {
        if (childId != owner() && !loginIsAdvanced()) return;
        if (!record_) return noRecordMessage();
        std::string name;
        for (const Child& each : children_) {
            if (each.id == childId) name = each.name;
        }
        const std::string html = factGridPage(*record_, childId, place, name);
        if (html.empty()) {
            ports_.ui.message("提示", recordTroubleMessage(record_->trouble(), false));
            return;
        }
        ports_.ui.showPage(Pane::WebBrowser2, html);
        ports_.ui.bringToFront(Pane::WebBrowser2);
    });
}

}  // namespace tally
