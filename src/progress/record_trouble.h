// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "progress/record_values.h"

namespace tally {

// The 提示 for a record that could not be used: what happened, then what it
// means for the sheet just marked (`storing`: it waits, with `waiting`
// sheets in all) or for the page asked for. A sheet of a removed child says
// where it was kept.
std::string recordTroubleMessage(RecordTrouble trouble, bool storing, int waiting = 0);

}  // namespace tally
