// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tally {

// The code printed on a sheet: eight characters a child reads aloud without
// doubt (digits and capitals, no I, L, O or U), worked out from the printed
// page, the child and the day, so the same sheet printed twice carries the
// same code. `attempt` draws another code for the rare sheet whose first
// code another sheet already holds.
inline constexpr std::size_t kPaperCodeLength = 8;
std::string paperCodeOf(std::string_view page, long long childId, std::string_view printedDay, int attempt = 0);

// "K7QM 3FXA": the code as it is printed, in two groups of four.
std::string shownPaperCode(std::string_view code);

// A code as it was typed, read forgivingly: lower case, blanks and "-" are
// taken, O is read as 0, I and L as 1; nothing when what is left is not a
// code.
std::optional<std::string> readPaperCode(std::string_view typed);

// How many characters must change, come or go to make one code the other.
int codeDistance(std::string_view a, std::string_view b);

// Of `known`, the codes nearest to `typed` (at most three, nearest first, none
// further than three changes away).
std::vector<std::string> nearestCodes(std::string_view typed, const std::vector<std::string>& known);

}  // namespace tally
