// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/sheet.h"

namespace tally {

std::string answerField(int question, const std::string& answer) {
    return " <input class=text name=answer" + std::to_string(question) +
           " type=text size=7 tag=" + answer + ">";
}

std::string questionHead(int question) {
    return "第" + std::to_string(question) + "题：";
}

std::string sheetNote(const std::string& text) { return "<p>" + text + "</p>"; }

}  // namespace tally
