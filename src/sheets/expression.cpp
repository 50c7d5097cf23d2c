// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/expression.h"

#include <cmath>
#include <muParser.h>

namespace tally {
namespace {

// The engine knows functions, constants and more operators; the sheets use
// only arithmetic, so anything beyond it is refused before parsing.
bool onlyArithmetic(const std::string& expression) {
    for (char c : expression) {
        const bool digit = c >= '0' && c <= '9';
        const bool allowed = digit || c == '.' || c == '+' || c == '-' || c == '*' || c == '/' ||
                             c == '(' || c == ')' || c == ' ';
        if (!allowed) return false;
    }
    return true;
}

}  // namespace

std::optional<double> evaluateExpression(const std::string& expression) {
    if (!onlyArithmetic(expression)) return std::nullopt;
    try {
        // Building a parser costs more than evaluating; each thread keeps one.
        thread_local mu::Parser parser;
        parser.SetExpr(expression);
        const double value = parser.Eval();
        if (!std::isfinite(value)) return std::nullopt;
        return value;
    } catch (const mu::Parser::exception_type&) {
        return std::nullopt;
    }
}

}  // namespace tally
