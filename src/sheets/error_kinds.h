// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "progress/error_kind.h"

namespace tally {

// Why a wrong answer was wrong, read from the question's text as the sheet
// wrote it, what was typed and the right answer; None when no rule explains
// it (no guess). The rules:
//   a step of two whole numbers ("34＋5＝（　）", a column sum): the first of
//     the slips of slip_rules.h, in their order, whose answers hold the typed one;
//   a 脱式 of two steps or more: 算错了一步 when one step, worked with any of
//     those slips, and every other step right give the typed answer;
//   a fraction answer: 没约分 when the typed fraction is the right number
//     not in lowest terms ("6/8" for "3/4", "4/2" for "2").
ErrorKind classifyMiss(const std::string& question, const std::string& typed, const std::string& correct);

// Whether a mistake of this kind can happen on the question at all: a carry
// for 忘了进位, a borrow for 忘了退位, a result that needs reducing for 没约分…
bool kindCanHappen(ErrorKind kind, const std::string& question, const std::string& correct);

}  // namespace tally
