// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "progress/saved_mix.h"

namespace tally {

class Form1;

// Writes a 口算卷 on the first pane as the parent does on the 口算 tab's
// 口算卷 page: the words "COUNT CAPTION:SHARE …" typed into its fields, the
// name too, then 出卷. False when no sheet was written; the window was told why.
bool writeMixSheet(Form1& form, const std::string& words, const std::string& name = "");

}  // namespace tally
