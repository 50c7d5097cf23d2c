// SPDX-License-Identifier: GPL-3.0-or-later
// Sheets on paper in the main window: a print keeps the sheet under its code,
// and 纸质练习 brings a printed sheet back to be marked by clicks and stored as
// its own family marks it, under the day it was done.
#include "app/form1.h"

#include "app/grader.h"
#include "app/paper_asked.h"
#include "app/paper_marking_page.h"
#include "app/paper_print.h"
#include "app/worksheet_print.h"
#include "daily/kept_today.h"
#include "practice/practice_rows.h"
#include "progress/record_trouble.h"
#include "sheets/paper_code.h"
#include "sheets/redrill_sheet.h"
#include "topics/catalogue.h"

namespace tally {
namespace {

// The entry page lists this many sheets printed last; a wrong code is
// compared with this many.
constexpr int kListedPrints = 8;
constexpr int kComparedPrints = 500;

bool mixedSheet(const PrintedSheet& sheet) { return sheet.what == kPracticeKey || sheet.what == kRedrillKey; }

DrillForm drillFormOfKey(const std::string& key, DrillForm otherwise) {
    for (DrillForm form : {DrillForm::Normal, DrillForm::Vertical, DrillForm::Inequality, DrillForm::Decimal}) {
        if (key == drillFormKey(form)) return form;
    }
    return otherwise;
}

// A typed answer goes into the question's fields in order: "3/4" or "3 4"
// into a fraction's two boxes, everything into a question of one box.
std::vector<std::string> typedParts(const std::string& typed, std::size_t fields) {
    if (fields <= 1) return {typed};
    std::vector<std::string> parts;
    std::string part;
    for (char c : typed + " ") {
        if (c == '/' || c == ' ') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    return parts.size() == fields ? parts : std::vector<std::string>{typed};
}

}  // namespace

void Form1::printSheet() {
    std::string code;
    if (std::optional<PrintedSheet> sheet = record_ ? sheetForPaper(*this, owner()) : std::nullopt) {
        givePaperCode(*sheet, record_);
        if (record_->keepPrintedSheet(*sheet)) {
            code = sheet->code;
        } else {
            ports_.ui.message("提示", recordTroubleMessage(record_->trouble(), false) +
                                          "这次印出来的练习卷没有编号，做完以后不能在电脑上批改。");
        }
    }
    lastPrintedCode_ = code;
    ports_.ui.print(worksheetToPrint(*this, code));
}

void Form1::showPaperEntry() {
    if (!record_) return noRecordMessage();
    if (!answersAllowed(*this, false) || !mayLeavePage()) return;
    leavePage();
    lessonPracticeKey_.clear();
    timers_.setEnabled(kThinkTimer, false);
    writePaperEntry("");
}

void Form1::writePaperEntry(const std::string& note) {
    paper_.reset();
    writeBody(paperEntryHtml(note, record_->printedSheets(owner(), kListedPrints)));
    ports_.ui.bringToFront(Pane::WebBrowser1);
}

void Form1::openPaper(const std::string& typedCode) {
    gate_.run([this, typedCode] {
        if (!record_) return noRecordMessage();
        if (!mayLeavePage()) return;
        openPaperCode(typedCode, true);
    });
}

void Form1::paperCodeTyped(const std::string& value) {
    // A whole code of a sheet of the child opens it as soon as it is typed.
    const std::optional<std::string> code = readPaperCode(value);
    if (!code || !record_) return;
    const std::optional<PrintedSheet> sheet = record_->printedSheet(*code);
    if (sheet && sheet->childId == owner()) openPaperCode(value, false);
}

void Form1::openPaperCode(const std::string& typedCode, bool sayUnknown) {
    if (!answersAllowed(*this, false)) return;
    const std::optional<std::string> code = readPaperCode(typedCode);
    std::optional<PrintedSheet> sheet = code ? record_->printedSheet(*code) : std::nullopt;
    if (code && record_->trouble() != RecordTrouble::None) {
        return ports_.ui.message("提示", recordTroubleMessage(record_->trouble(), false));
    }
    if (!sheet || sheet->childId != owner()) {
        if (!sayUnknown) return;
        std::vector<PrintedSheet> printed = record_->printedSheets(owner(), kComparedPrints);
        std::vector<std::string> codes;
        for (const PrintedSheet& each : printed) codes.push_back(each.code);
        std::vector<PrintedSheet> nearest;
        for (const std::string& near : nearestCodes(typedCode, codes)) {
            nearest.push_back(*std::find_if(printed.begin(), printed.end(), [&](auto& s) { return s.code == near; }));
        }
        return writePaperEntry(unknownCodeNote(typedCode, nearest));
    }
    const std::optional<std::string> markedOn = record_->paperMarkedOn(owner(), sheet->code);
    if (!markedOn) return ports_.ui.message("提示", recordTroubleMessage(record_->trouble(), false));
    const bool replaces = !markedOn->empty();
    if (replaces && !ports_.ui.ask("这张练习卷在" + markedOn->substr(0, 10) + "已经批改过了。要用这次的批改换掉上次的吗？",
                                   "换掉上次的", "保留上次的")) {
        return writePaperEntry("<p>上次的批改留着，没有改动。</p>");
    }
    const auto style = mixedSheet(*sheet) ? std::optional(AnswerStyle::Mixed) : answerStyleOf(*this, sheet->gradingKey);
    std::vector<WorksheetQuestion> questions;
    if (style) {
        questions = worksheetQuestions(*style, sheet->page, hidesAnswers() ? WorksheetKey::Withheld : WorksheetKey::Printed);
    }
    if (questions.empty()) return writePaperEntry("<p>这张练习卷上的题，现在的程序批改不了。</p>");
    leavePage();
    writeBody(paperMarkingHtml(*sheet, questions, today()));
    ports_.ui.bringToFront(Pane::WebBrowser1);
    const std::size_t count = questions.size();
    paper_ = PaperMarking{std::move(*sheet), std::move(questions), std::vector<bool>(count, false), replaces,
                          ports_.page.generation()};
}

bool Form1::paperClicked(const std::string& elementName) {
    if (elementName == kPaperOpenButton && ports_.page.has(kPaperOpenButton)) {
        openPaperCode(ports_.page.value(kPaperCodeField), true);
        return true;
    }
    if (!paperOnPage()) return false;
    if (elementName == kPaperConfirmButton) {
        confirmPaper();
        return true;
    }
    const std::optional<int> number = paperQuestionOf(elementName);
    if (!number || *number > static_cast<int>(paper_->wrong.size())) return false;
    const std::size_t at = static_cast<std::size_t>(*number - 1);
    paper_->wrong[at] = !paper_->wrong[at];
    showPaperMark(ports_.page, *number, paper_->wrong[at]);
    return true;
}

void Form1::confirmPaper() {
    if (!answersAllowed(*this, false)) return;
    const PrintedSheet& printed = paper_->printed;
    const PaperEntry entry = readPaperEntry(ports_.page, parseDay(printed.printedDay).value_or(today()), today());
    if (!entry.problem.empty()) return ports_.ui.message("提示", entry.problem);
    PaperMarking marking = std::move(*paper_);
    std::vector<std::string> typed;
    for (std::size_t i = 0; i < marking.questions.size(); ++i) {
        typed.push_back(ports_.page.value(paperTypedField(static_cast<int>(i) + 1)));
    }
    paper_.reset();
    std::string tab = tabCaption_;
    std::string caption;
    if (!mixedSheet(marking.printed)) {
        TreeModel scratch;
        for (const Tab& each : tabs()) {
            buildTab(scratch, families_.table, each.caption, ports_.data);
            if (scratch.find(marking.printed.what)) {
                tab = each.caption;
                const TopicNode* marked = scratch.find(marking.printed.gradingKey);
                caption = marked ? marked->caption : scratch.find(marking.printed.what)->caption;
                break;
            }
        }
        if (const auto fixed = findFixedTopic(families_.table, marking.printed.gradingKey)) caption = fixed->caption;
        if (caption.empty()) caption = marking.printed.title;
    }
    const SheetOptions before = options_;
    options_.questionCount = marking.printed.questionCount;
    options_.drillForm = drillFormOfKey(marking.printed.drillForm, options_.drillForm);
    paperHandIn_ = PaperHandIn{marking.printed.code, entry.day, tab, caption, marking.replaces};
    leavePage();
    lessonPracticeKey_ = mixedSheet(marking.printed) ? "" : marking.printed.gradingKey;
    thinkSeconds_ = entry.seconds;
    writeBody(marking.printed.page);
    if (marking.printed.what == kPracticeKey) practiceGeneration_ = ports_.page.generation();
    if (marking.printed.what == kRedrillKey) redrillGeneration_ = ports_.page.generation();
    for (std::size_t i = 0; i < marking.questions.size(); ++i) {
        const std::vector<FieldAnswer>& fields = marking.questions[i].fields;
        const std::vector<std::string> parts = typedParts(typed[i], fields.size());
        for (std::size_t f = 0; f < fields.size(); ++f) {
            const std::string given = f < parts.size() ? parts[f] : "";
            ports_.page.setValue(fields[f].field, !typed[i].empty() ? given : marking.wrong[i] ? "" : fields[f].answer);
        }
    }
    markPaperSheet(marking, entry.seconds);
    options_ = before;
    paperHandIn_.reset();
}

void Form1::markPaperSheet(const PaperMarking& marking, int seconds) {
    const PrintedSheet& printed = marking.printed;
    const std::vector<KeptQuestion> asked = askedListOf(printed.page);
    if (printed.what == kPracticeKey) {
        const Day day = parseDay(printed.printedDay).value_or(today());
        const TodayPractice practice = resumedToday(KeptPractice{printed.printedDay, asked, {}}, day).value_or(TodayPractice{});
        handIn([&](FamilyContext& context) {
            std::vector<bool> results;
            MarkedSheet marks = gradeRedrill(context.page, practice.asked(), seconds, &results);
            keepAnswers(practice, results, marks);
            return std::optional<MarkedSheet>(std::move(marks));
        }, AnswerStyle::Mixed, true);
        return;
    }
    if (printed.what == kRedrillKey) {
        std::vector<MissedQuestion> questions;
        for (const KeptQuestion& each : asked) questions.push_back(each.question);
        handIn([&](FamilyContext& context) { return gradeRedrill(context.page, questions, seconds); }, AnswerStyle::Mixed, true);
        return;
    }
    TopicFamily* family = families_.table.markerOf(printed.gradingKey);
    if (!family) return ports_.ui.message("提示", "这张练习卷上的题，现在的程序批改不了。");
    handIn([&](FamilyContext& context) { return family->mark(context, printed.gradingKey); },
           answerStyleOf(*this, printed.gradingKey), true);
}

}  // namespace tally
