#pragma once
#include <string>

#include "progress/progress_record.h"

namespace tally {

// The 提示 for a record that could not be used: what happened, then what it
// means for the sheet just marked (`storing`, kept to be stored with the
// next) or for the page asked for.
std::string recordTroubleMessage(RecordTrouble trouble, bool storing);

}  // namespace tally
