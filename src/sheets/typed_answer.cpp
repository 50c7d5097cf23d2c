// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/typed_answer.h"

namespace tally {
namespace {

// U+FF01..U+FF5E are EF BC 81..EF BC BF and EF BD 80..EF BD 9E in UTF-8;
// U+3000 is E3 80 80. Returns the ASCII byte, or 0 when `at` starts none of them.
char asciiOfFullWidth(std::string_view text, size_t at) {
    if (at + 3 > text.size()) return 0;
    const auto b0 = static_cast<unsigned char>(text[at]);
    const auto b1 = static_cast<unsigned char>(text[at + 1]);
    const auto b2 = static_cast<unsigned char>(text[at + 2]);
    if (b0 == 0xE3 && b1 == 0x80 && b2 == 0x80) return ' ';
    if (b0 != 0xEF || (b1 != 0xBC && b1 != 0xBD) || b2 < 0x80 || b2 > 0xBF) return 0;
    const unsigned codePoint = 0xFF00u + ((b1 - 0xBCu) << 6) + (b2 - 0x80u);
    if (codePoint < 0xFF01 || codePoint > 0xFF5E) return 0;
    return static_cast<char>(codePoint - 0xFF01 + 0x21);
}

// Signs an input method gives in place of the ASCII ones: the ratio sign
// U+2236 and the minus sign U+2212.
char asciiOfMathSign(std::string_view text, size_t at) {
    if (text.substr(at, 3) == "\u2236") return ':';
    if (text.substr(at, 3) == "\u2212") return '-';
    return 0;
}

char asciiOf(std::string_view text, size_t at) {
    const char fullWidth = asciiOfFullWidth(text, at);
    return fullWidth ? fullWidth : asciiOfMathSign(text, at);
}

}  // namespace

std::string foldTypedAnswer(std::string_view typed) {
    std::string folded;
    folded.reserve(typed.size());
    for (size_t i = 0; i < typed.size();) {
        if (const char ascii = asciiOf(typed, i)) {
            folded += ascii;
            i += 3;
        } else {
            folded += typed[i++];
        }
    }
    const size_t first = folded.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return folded.substr(first, folded.find_last_not_of(' ') - first + 1);
}

}  // namespace tally
