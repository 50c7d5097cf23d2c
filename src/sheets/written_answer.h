// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tally {

// The written forms a right answer may take besides its key, as a teacher
// accepts them. Typed texts and keys are compared after folding from full
// width (foldTypedAnswer), so "（棵）" arrives as "(棵)".

// Both are plain decimals ("28", "28.0", "0.60"; no sign but "-", no leading
// zeros, no bare point) of the same value.
bool sameDecimalValue(const std::string& typed, const std::string& key);

// The typed text is the key itself, an equal decimal, or, for a key of a
// number and a unit ("612千克"), that number as an equal decimal followed by
// the unit, with blanks before it or the unit in brackets: "612 千克",
// "612(千克)", "612.0 (千克)".
bool writtenAnswerRight(const std::string& typed, const std::string& key);

// A key as the child is taught to write it: a final ".0" dropped ("28.0" →
// "28"), a fraction over 1 as its whole number ("1/1" → "1").
std::string keyAsTaught(const std::string& key);

// The answer of a fraction question: a numerator over a denominator in
// lowest terms, or a whole number with no denominator.
struct FractionKey {
    std::string numerator;
    std::string denominator;  // "" for a whole number
};
// "5/6", "1" or an older "1/1" (read as the whole number 1).
FractionKey fractionKeyOf(const std::string& text);
// "5/6", or "1" for a whole number.
std::string fractionKeyText(const FractionKey& key);
// The two boxes as typed hold the key: a whole number is right with the
// denominator box empty or holding 1.
bool fractionAnswerRight(const std::string& numerator, const std::string& denominator, const FractionKey& key);

}  // namespace tally
