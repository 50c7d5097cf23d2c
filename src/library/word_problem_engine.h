// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "base/ports.h"

namespace tally {

// A word problem filled from a template line of a grade file. A template is
// question text with variable markers in ASCII brackets:
//   (x=a_b)  a whole number from a to b - 1     (x=a#b)  an even one
//   (y=...)  the same for y, or (y=x*a_b): x times a whole number from a to b - 1
//   (l=...)  the same for l, drawn only when the line has a y
//   (z=expression)  the quantity asked, up to the line's last ")"; with "qiuu"
//                   in the line, the remainder of x divided by y
// followed by the answer's unit.
struct WordProblem {
    std::string question;  // the line with the numbers in and "多少" for the z
    std::string answer;    // z and the unit: what the child must type
    std::string working;   // "3+4=7个", or "17除以5的余数=2个"
};

// A filled problem, or why the template can't be filled (for the parent who
// wrote it): a bracket missing, a range that holds no number, an expression
// the engine refuses, a number too large to write exactly.
struct FilledTemplate {
    std::optional<WordProblem> problem;
    std::string fault;
};

// Lines without both "(x=" and "(z=" are not templates and are skipped.
bool isWordProblemTemplate(const std::string& line);

// The longest template line filled, in bytes of UTF-8 (1000 Chinese
// characters); a longer line is a fault.
inline constexpr std::size_t kLongestTemplateLine = 3000;

// Draws the numbers from `random` and fills the template. Bounds have at most
// nine digits; an answer must stay below 10^15 so that it is written exactly.
// Text of the line quoted in a fault is cut to a few words.
FilledTemplate fillTemplate(const std::string& line, RandomSource& random);

// The unit after the z marker: one character; two after "千" (千米);
// after "平" three when they are "平方米", else four (平方厘米). A blank or a
// control character there is no unit.
std::string answerUnit(const std::string& textAfterZ);

}  // namespace tally
