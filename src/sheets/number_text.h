// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tally {

// A number as the expression engine's values are written on a page: a whole
// value without a decimal point, any other with up to 15 significant digits,
// no exponent, and a "0" before the point below 1 (8/3 gives 2.66666666666667).
std::string numberText(double value);

// The digits after the decimal point of a number text (0 for a whole number).
int decimalPlaces(const std::string& text);

// A decimal number text rounded to `places` decimals, halves away from zero,
// written with exactly that many decimals ("2.66666666666667" → "2.67").
// Texts that are not plain decimals come back unchanged.
std::string roundDecimalText(const std::string& text, int places);

}  // namespace tally
