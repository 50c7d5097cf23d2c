#pragma once
#include <string>
#include <string_view>

namespace tally {

// What a child typed, as the marking compares it: full-width ASCII (what a
// Chinese input method gives, "１２", "－") as ASCII, the ideographic space as
// a space, and blanks at both ends trimmed.
std::string foldTypedAnswer(std::string_view typed);

}  // namespace tally
