// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "skills/grade_skills.h"

namespace tally::number_line_rules {

using skill_rules::Maybe;
using skill_rules::Values;

// a ± b within 20 (a 1–20, sign, b 1–9) on a line of 0…20, one jump a step;
// a take-away crosses no ten but from 10 itself, as 一年级上 teaches it.
Maybe jumpsWithinTwenty(Values v);
// 整十数 ± 整十数 within 100 (tens 1–10, sign, tens 1–9) on a line of tens,
// one jump a ten.
Maybe tensWithinHundred(Values v);
// A two-digit number (not 整十) ± 1–3 tens within 1…99, on the stretch of
// the line between the tens around it, one jump a ten.
Maybe twoDigitsAndTens(Values v);
// The number an arrow points at on a line of tenths from 0 to 3 (0.1–2.9,
// not whole): "箭头指的数是□。".
Maybe tenthsOnLine(Values v);
// On a line from −5 to 5: the number of point A (kind 0, A ≠ 0, the other
// value −5), or how far A lies from B, A left of B and below 0 (kind 1).
Maybe signedOnLine(Values v);

}  // namespace tally::number_line_rules
