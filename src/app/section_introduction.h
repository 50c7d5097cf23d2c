// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "base/text_shelf.h"

namespace tally {

// The introduction a drill section's page ends with (time, comparison,
// patterns, fractions, four operations, divisors, multiples), with its line
// breaks as "<br>"; "" for every other tag.
std::string sectionIntroduction(const TextShelf& texts, const std::string& tag);

}  // namespace tally
