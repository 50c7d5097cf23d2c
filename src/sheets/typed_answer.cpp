#include "sheets/typed_answer.h"

namespace tally {
namespace {

// The three UTF-8 bytes of a character in U+3000..U+FFFF starting at i, or -1.
long threeByteCode(std::string_view text, std::size_t i) {
    if (i + 2 >= text.size()) return -1;
    const auto b0 = static_cast<unsigned char>(text[i]);
    const auto b1 = static_cast<unsigned char>(text[i + 1]);
    const auto b2 = static_cast<unsigned char>(text[i + 2]);
    if ((b0 & 0xF0) != 0xE0 || (b1 & 0xC0) != 0x80 || (b2 & 0xC0) != 0x80) return -1;
    return ((b0 & 0x0F) << 12) | ((b1 & 0x3F) << 6) | (b2 & 0x3F);
}

}  // namespace

std::string foldTypedAnswer(std::string_view typed) {
    std::string folded;
    folded.reserve(typed.size());
    for (std::size_t i = 0; i < typed.size();) {
        const long code = threeByteCode(typed, i);
        if (code >= 0xFF01 && code <= 0xFF5E) {
            folded += static_cast<char>(code - 0xFF01 + 0x21);
            i += 3;
        } else if (code == 0x3000) {
            folded += ' ';
            i += 3;
        } else {
            folded += typed[i++];
        }
    }
    const std::size_t first = folded.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return folded.substr(first, folded.find_last_not_of(' ') - first + 1);
}

}  // namespace tally
