// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/ports.h"
#include "page/page.h"
#include "progress/printed_sheet.h"
#include "sheets/worksheet.h"

namespace tally {

// The pages of 批改纸质练习 in the first pane: one that takes a sheet's code,
// and the sheet come back from it, every question right until it is clicked.
inline constexpr const char* kPaperCodeField = "papercode";
inline constexpr const char* kPaperOpenButton = "paperopen";
inline constexpr const char* kPaperConfirmButton = "paperconfirm";
inline constexpr const char* kPaperMinutesField = "paperminutes";
inline constexpr const char* kPaperSecondsField = "paperseconds";
inline constexpr const char* kPaperDayField = "paperday";

// The button that marks question `number` (from 1) wrong or right again,
// and the field for the child's answer to it.
std::string paperWrongButton(int number);
std::string paperTypedField(int number);
// The question a wrong button marks; nothing for any other name.
std::optional<int> paperQuestionOf(std::string_view buttonName);

// The page that asks for the code, with what was said of the code typed
// last (`note`, HTML) and the sheets printed for the child lately.
std::string paperEntryHtml(const std::string& note, const std::vector<PrintedSheet>& recent);
// What the entry page says of a code no sheet of the child carries: the
// printed sheets of the nearest codes are offered.
std::string unknownCodeNote(const std::string& typed, const std::vector<PrintedSheet>& nearest);

// The sheet to mark: its questions (with their answers for the parent), a
// button and a field for the child's answer at each, the time spent on paper,
// the day it was done (today until changed) and 确认.
std::string paperMarkingHtml(const PrintedSheet& sheet, const std::vector<WorksheetQuestion>& questions, Day today);
// Shows question `number` marked wrong, or right again.
void showPaperMark(Page& page, int number, bool wrong);

// What the parent typed beside the sheet: the seconds spent on paper and the
// day it was done, or why they cannot be taken (in Chinese).
struct PaperEntry {
    int seconds = 0;
    Day day = 0;
    std::string problem;
};
PaperEntry readPaperEntry(const Page& page, Day printed, Day today);

}  // namespace tally
