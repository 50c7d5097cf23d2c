// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "page/html_node.h"
#include "sheets/answer_fields.h"

namespace tally {

// The steps of a worksheet, on the page model.

enum class WorksheetPart { Questions, Key };

// The mark a field answered on its picture leaves in its question, so the
// question is still one; nothing shows on paper.
inline constexpr const char* kOnPictureClass = "blank on-picture";

// The sheet of a page body as it was written: a lesson's text before its
// practice, the finish button and all after it (score lines), the marks after
// the fields and the fraction marks are left out. The nodes hang below a
// container element.
std::unique_ptr<HtmlNode> cleanSheet(const std::string& bodyHtml);

// Replaces every <input> below `root`: an answer field by a box to write in
// (Questions) or by its answer (Key), anything else is dropped. Returns the
// fields in page order.
std::vector<FieldAnswer> fillFields(HtmlNode& root, AnswerStyle style, WorksheetPart part);

// The questions of a filled sheet, one block each, as HTML for the worksheet.
std::string questionBlocks(HtmlNode& root, bool twoColumns);

// The same, the questions alone, each with how many fields it holds.
struct QuestionBlock {
    std::string html;
    std::size_t fields = 0;
};
std::vector<QuestionBlock> questionsOnly(HtmlNode& root);

// Whether every question of the sheet (filled for Questions) is one short
// line or a few: such sheets fit two to a row.
bool fitsTwoColumns(const HtmlNode& root);

// The print style sheet.
const char* worksheetStyle();

}  // namespace tally
