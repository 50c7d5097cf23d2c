// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include "progress/printed_sheet.h"
#include "progress/progress_record.h"

namespace tally {

class Form1;

// The version of the question generators: a sheet keeps the one that drew
// it, and its stored page gives its questions back whatever version reads it.
inline constexpr int kGeneratorVersion = 1;

// The sheet on screen as it goes on paper for `childId`, printed today: what
// was drawn, its title, the key it is marked by, the count and drill form,
// and its page (a mixed sheet's page with its list of questions); nothing when
// the page holds no worksheet. Its code is not yet given.
std::optional<PrintedSheet> sheetForPaper(Form1& form, long long childId);

// Gives the sheet its code: the one its page, child and day make, or, in the
// rare case that another sheet of the record holds that one, the next.
void givePaperCode(PrintedSheet& sheet, ProgressRecord* record);

}  // namespace tally
