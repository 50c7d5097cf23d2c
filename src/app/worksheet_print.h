// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include "sheets/worksheet.h"
#include "base/ports.h"
#include "topics/topic_family.h"

namespace tally {

class Form1;

// The sheet WebBrowser1 shows as a worksheet, with its answer key unless
// withheld, titled with the selected topic (a lesson's own caption on a lesson
// page) and, where that says too little, its section; empty when the page
// holds no field a child writes in. The name line carries `childName`, else
// the name of the child practising.
// The sheet's code, when given, is printed on it and on its key.
std::string worksheetOnScreen(Form1& form, const std::string& childName = "",
                              WorksheetKey key = WorksheetKey::Printed, const std::string& paperCode = "");
// The title that worksheet carries.
std::string worksheetTitle(const Form1& form);

// What 打印 offers for the sheet on screen: the worksheet and its key for the
// parent; without the key when no parent has logged in, as the answers are
// the parent's.
PrintableWorksheet worksheetToPrint(Form1& form, const std::string& paperCode = "");

// How the sheet of a grading key takes its answers, as its family marks it;
// nothing for pages not marked field by field.
std::optional<AnswerStyle> answerStyleOf(const Form1& form, const std::string& gradingKey);

// A worksheet asked for by topic key, from the command line.
struct WorksheetRequest {
    std::string document;  // the whole HTML document; empty on failure
    std::string error;     // why there is none, in Chinese
};

// Clicks the topic `key` as a child would, first the tab whose tree holds it,
// and returns the worksheet of the sheet that click writes.
// `childName` goes on the name line (trimmed; a name no child could have is
// refused).
WorksheetRequest worksheetForTopic(Form1& form, const std::string& key, const std::string& childName = "");

}  // namespace tally
