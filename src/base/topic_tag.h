// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

namespace tally {

// A TopicTag split into its family sigil (the first character, which may be a
// multi-byte one such as "×") and its topic number: the leading decimal digits
// of the rest as a 32-bit integer; no digits, or a number too large for 32
// bits, give 0.
struct TopicTagParts {
    std::string sigil;
    std::int32_t number = 0;
};

TopicTagParts splitTopicTag(const std::string& tag);

// The leading decimal digits of a text as a number (0 if none or too large).
std::int32_t leadingNumber(const std::string& text);

}  // namespace tally
