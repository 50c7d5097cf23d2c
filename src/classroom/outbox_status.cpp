// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/outbox_status.h"

namespace tally {

std::string outboxStatusText(int unsentAnswers) {
    if (unsentAnswers <= 0) return "";
    return "还有" + std::to_string(unsentAnswers) + "道题没有交给老师";
}

std::string refusedStatusText(int refusedAnswers) {
    if (refusedAnswers <= 0) return "";
    return "有" + std::to_string(refusedAnswers) + "道题没能交给老师，请告诉老师。";
}

}  // namespace tally
