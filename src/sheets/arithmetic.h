#pragma once
#include <string>

#include "shell/drill_form.h"
#include "shell/ports.h"
#include "sheets/arithmetic_draw.h"

namespace tally {

// The page of one arithmetic drill: questionCount questions of the operation
// within the limit, in the drill form, then the finish button. When the limit
// gives fewer distinct pairs than that, the sheet stops with the pairs it has.
std::string arithmeticSheetHtml(RandomSource& random, Operation operation, int limit,
                                DrillForm form, int questionCount);

}  // namespace tally
