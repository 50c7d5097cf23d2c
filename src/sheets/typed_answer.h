// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

namespace tally {

// What a child typed, as the graders compare it: full-width ASCII from a
// Chinese input method (U+FF01..U+FF5E, "１２", "．", "－", "／") becomes ASCII,
// so do the ratio sign ∶ (U+2236) and the minus sign − (U+2212), the
// ideographic space a blank, and blanks at both ends are trimmed.
// Nothing else changes.
std::string foldTypedAnswer(std::string_view typed);

}  // namespace tally
