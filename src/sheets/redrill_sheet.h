// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "page/page.h"
#include "progress/record_values.h"

namespace tally {

// The key and caption the record and the printed sheet give the re-drill sheet.
inline constexpr const char* kRedrillKey = "redrill";
inline constexpr const char* kRedrillCaption = "错题重练";

// The re-drill sheet: questions missed earlier, each asked as its own sheet
// asked it (one field; two boxes, hours and minutes or any two units, or a
// clock face to set for a time kept in the hands' "8:30"; a fraction) and
// tagged with its answer; fields are numbered from 1 in the list's order.
std::string redrillSheetHtml(const std::vector<MissedQuestion>& questions);
// The same kind of sheet under another note (the daily practice).
std::string mixedSheetHtml(const std::string& note, const std::vector<MissedQuestion>& questions);

// The names of the fields such a sheet may give its question `number` (from 1).
std::vector<std::string> mixedSheetFields(int number);

// Marks the re-drill sheet on the page as the sheets the questions came from
// mark them; a right answer takes the question off the list, a wrong one is
// kept again as missed. Returns what it marked.
// With `results`, each question's result in the list's order.
MarkedSheet gradeRedrill(Page& page, const std::vector<MissedQuestion>& questions, int thinkSeconds,
                         std::vector<bool>* results = nullptr);

// "错了N道题，点这里重练", beside the score of a marked sheet whose misses can be
// asked again.
std::string redrillButton(int misses);

}  // namespace tally
