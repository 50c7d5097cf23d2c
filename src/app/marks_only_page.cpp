// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/marks_only_page.h"

#include <regex>

#include "sheets/mark_texts.h"

namespace tally {

std::string withoutRightAnswers(const std::string& html) {
    // Inside a mark's span the answer runs from "，正确答案：" to the last ASCII
    // ")" before the span ends; a hint after it uses full-width brackets.
    static const std::regex answer(std::string("(<span class=") + kMarkClass +
                                   "[^>]*>[^<]*?)，正确答案：[^<]*\\)");
    return std::regex_replace(html, answer, "$1)");
}

}  // namespace tally
