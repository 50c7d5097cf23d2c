// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "page/answer_log.h"
#include "progress/record_values.h"

namespace tally {

// Each marked answer of a page with its time, in the order they were marked.
// The answers are taken in the order of their last change: each one's time
// runs from the last change of the answer before it (the first one's from the
// page shown). An answer changed again after later ones were given counts
// from the latest of those. An answer left empty, or one typed before the
// page was shown again (taken up from a kept sheet), has no time and moves no
// other answer's start.
std::vector<AnswerTime> answerTimes(const AnswerLog& log);

// A new answer's own id: a random UUID (version 4), "xxxxxxxx-xxxx-4xxx-yxxx-
// xxxxxxxxxxxx" in lower-case hex, by which a school's server takes each
// answer once however often it is sent.
std::string newAnswerId();
// Gives every answer without an id a new one.
void giveAnswerIds(std::vector<AnswerTime>& times);

}  // namespace tally
