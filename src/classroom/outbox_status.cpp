// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/outbox_status.h"

namespace tally {

std::string outboxStatusText(int unsentAnswers) {
    if (unsentAnswers <= 0) return "";
    return "还有" + std::to_string(unsentAnswers) + "道题没有交给老师";
}

}  // namespace tally
