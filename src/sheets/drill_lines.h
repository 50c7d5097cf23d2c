// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "sheets/arithmetic_draw.h"

namespace tally {

// The sign written into a question line: the family sigil itself.
const char* operatorSign(Operation operation);

// The question lines of the arithmetic drills, one per drill form, each ending
// with "<br><br>". Every line has an answer field answer<question> whose tag
// is the answer the pupil must type. A form an operation does not have (a
// vertical product, a decimal division) gives the normal line.

// "3+4=": addition asks t + (s − t), subtraction s − t, multiplication s × t,
// division (s × t) ÷ t.
std::string normalLine(Operation operation, int question, OperandPair pair);

// Addition, subtraction or multiplication (s × t) written in columns, the
// digits right-aligned.
std::string verticalLine(Operation operation, int question, OperandPair pair);

// Addition or subtraction as an inequality: the largest whole number that
// makes t + x < s, or s − x > s − t, true. The visible field is
// Qanswer<question>; a hidden answer<question> carries the same tag.
std::string inequalityLine(Operation operation, int question, OperandPair pair);

// Addition, subtraction or multiplication of s.d1 and t.d2 (d1, d2 tenths
// digits from 1 to 9).
std::string decimalLine(Operation operation, int question, OperandPair pair, int d1, int d2);

}  // namespace tally
