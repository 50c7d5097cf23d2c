// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/paper_print.h"

#include "app/form1.h"
#include "app/paper_asked.h"
#include "app/worksheet_print.h"
#include "base/drill_form.h"
#include "daily/kept_today.h"
#include "practice/practice_rows.h"
#include "sheets/paper_code.h"
#include "sheets/redrill_sheet.h"

namespace tally {
namespace {

// Enough tries for any record: a code is one of 2^40.
constexpr int kCodeAttempts = 16;

// What a sheet mixed from many topics is marked from, kept with its page.
std::string pageForPaper(Form1& form) {
    const std::string body = form.page().bodyHtml();
    if (form.practiceOnPage()) return withAskedList(body, keptToday(form.todayPractice(), form.page()).questions);
    if (!form.redrillOnPage()) return body;
    std::vector<KeptQuestion> asked;
    for (const MissedQuestion& question : form.redrillQuestions()) asked.push_back({0, question});
    return withAskedList(body, asked);
}

bool sameSheet(const PrintedSheet& a, const PrintedSheet& b) {
    return a.page == b.page && a.childId == b.childId && a.printedDay == b.printedDay;
}

}  // namespace

std::optional<PrintedSheet> sheetForPaper(Form1& form, long long childId) {
    if (worksheetOnScreen(form).empty()) return std::nullopt;
    const std::string title = worksheetTitle(form);
    PrintedSheet sheet;
    sheet.childId = childId;
    sheet.printedDay = dayText(form.today());
    sheet.what = form.practiceOnPage() ? kPracticeKey : form.redrillOnPage() ? kRedrillKey : form.selectedKey();
    sheet.title = title;
    sheet.gradingKey = form.practiceOnPage() ? kPracticeKey : form.redrillOnPage() ? kRedrillKey : form.gradingKey();
    sheet.questionCount = form.options().questionCount;
    sheet.drillForm = drillFormKey(form.options().drillForm);
    sheet.generatorVersion = kGeneratorVersion;
    sheet.page = pageForPaper(form);
    return sheet;
}

void givePaperCode(PrintedSheet& sheet, ProgressRecord* record) {
    for (int attempt = 0; attempt < kCodeAttempts; ++attempt) {
        sheet.code = paperCodeOf(sheet.page, sheet.childId, sheet.printedDay, attempt);
        const std::optional<PrintedSheet> holder = record ? record->printedSheet(sheet.code) : std::nullopt;
        if (!holder || sameSheet(*holder, sheet)) return;
    }
}

}  // namespace tally
