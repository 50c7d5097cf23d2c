#pragma once
#include <string>
#include <string_view>

namespace tally {

// What a child typed, as the grader compares it: full-width forms U+FF01..U+FF5E
// become their ASCII letters, digits and signs, the ideographic space a blank,
// and blanks at both ends are dropped.
std::string foldTypedAnswer(std::string_view typed);

}  // namespace tally
