// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

namespace tally {

// The script engine of the sheets: evaluates whole and decimal numbers with
// "+", "-", "*", "/" (a real division) and brackets, with the usual precedence.
// Anything else, a malformed expression, or a result that is not a finite
// number (a division by zero) gives no value.
std::optional<double> evaluateExpression(const std::string& expression);

}  // namespace tally
