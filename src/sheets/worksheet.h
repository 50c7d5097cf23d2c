// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "sheets/answer_fields.h"

namespace tally {

// A sheet on paper: the sheet's questions laid out for A4 under its title and
// a line for the child's name and the date, then, on a page of its own, the
// answer key: the same questions with every field filled in as the grader
// wants it. `style` says how the sheet takes its answers, `bodyHtml` is the
// page as it stands, typed values and marks included: they are left out.
// Nothing when the page holds no field a child writes in. A child's name,
// when given, is written on the name line. A worksheet for a child alone goes
// without its key. A sheet's code, when given, stands with its QR code at the
// top of the sheet and of its key.
enum class WorksheetKey { Printed, Withheld };
std::optional<std::string> worksheetDocument(AnswerStyle style, const std::string& title,
                                             const std::string& bodyHtml, const std::string& childName = "",
                                             WorksheetKey key = WorksheetKey::Printed,
                                             const std::string& paperCode = "");

// The answers that worksheet's key shows, in page order; empty when none.
std::vector<FieldAnswer> worksheetAnswers(AnswerStyle style, const std::string& bodyHtml);

// One question of the worksheet as paper shows it (with its answers filled
// in for the key, boxes otherwise) and the fields it is answered in.
struct WorksheetQuestion {
    std::string html;
    std::vector<FieldAnswer> fields;
};
// The questions of that worksheet, in page order; the notes between them are
// left out.
std::vector<WorksheetQuestion> worksheetQuestions(AnswerStyle style, const std::string& bodyHtml, WorksheetKey key);

}  // namespace tally
