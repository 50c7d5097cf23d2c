// SPDX-License-Identifier: GPL-3.0-or-later
// Sheets on paper, headless: printing the sheet on screen with its code, the
// printed sheets, and marking one by its code.
#include <charconv>
#include <limits>
#include <ostream>

#include "app/paper_marking_page.h"
#include "cli/cli_commands.h"
#include "cli/command_words.h"
#include "cli/printable.h"
#include "sheets/paper_code.h"

namespace tally {
namespace {

std::optional<int> questionNumber(std::string_view word) {
    int number = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
    if (word.empty() || error != std::errc() || end != word.data() + word.size() || number < 1) return std::nullopt;
    return number;
}

}  // namespace

void Commands::print(const std::string&, std::ostream& out) {
    form_->clickToolbar("w12");
    if (ui_.printedWorksheet.empty()) {
        out << "error: no worksheet on the page\n";
    } else if (form_->lastPrintedCode().empty()) {
        out << "error: printed without a code\n";
    } else {
        out << form_->lastPrintedCode() << "\n";
    }
}

void Commands::printPrinted(const std::string&, std::ostream& out) {
    if (record_) {
        const std::string whose = form_->child() ? printable(form_->child()->name) : std::string(kEarlierRecordsName);
        for (const PrintedSheet& sheet : record_->printedSheets(form_->owner(), std::numeric_limits<int>::max())) {
            out << printable(sheet.code) << "\t" << printable(sheet.printedDay) << "\t" << printable(sheet.what) << "\t"
                << whose << "\n";
        }
    }
    out << ".\n";
}

void Commands::paper(const std::string& args, std::ostream& out) {
    if (args.empty()) {
        out << "error: paper CODE\n";
        return;
    }
    form_->openPaper(args);
}

void Commands::wrong(const std::string& args, std::ostream& out) {
    std::string rest = args;
    if (rest.empty()) out << "error: wrong N ...\n";
    while (!rest.empty()) {
        const auto [word, after] = splitFirst(rest);
        rest = after;
        const std::optional<int> number = questionNumber(word);
        if (!number || !page_.has(paperWrongButton(*number))) {
            out << "error: no question " << printable(word) << " on the paper sheet\n";
            return;
        }
        form_->pageClick(paperWrongButton(*number));
    }
}

void Commands::answerOrType(const std::string& args, std::ostream& out) {
    const auto [first, rest] = splitFirst(args);
    const std::optional<int> number = questionNumber(first);
    if (!number) return answer(args, out);
    if (!page_.has(paperTypedField(*number))) {
        out << "error: no question " << *number << " on the paper sheet\n";
        return;
    }
    form_->pageInput(paperTypedField(*number), rest, page_.generation());
}

void Commands::confirm(const std::string&, std::ostream& out) {
    if (!page_.has(kPaperConfirmButton)) {
        out << "error: no paper sheet to confirm\n";
        return;
    }
    form_->pageClick(kPaperConfirmButton);
}

}  // namespace tally
