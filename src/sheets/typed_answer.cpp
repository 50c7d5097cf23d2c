#include "sheets/typed_answer.h"

namespace tally {

std::string foldTypedAnswer(std::string_view typed) {
    std::string folded;
    folded.reserve(typed.size());
    for (size_t i = 0; i < typed.size(); ++i) {
        const auto byte = [&](size_t k) { return static_cast<unsigned char>(typed[k]); };
        // U+FF01..U+FF5E is EF BC 81..EF BC BF and EF BD 80..EF BD 9E; U+3000 is E3 80 80.
        if (i + 2 < typed.size() && byte(i) == 0xEF && (byte(i + 1) == 0xBC || byte(i + 1) == 0xBD)) {
            const int code = ((byte(i + 1) & 0x3F) << 6 | (byte(i + 2) & 0x3F)) + 0xF000;
            if (code >= 0xFF01 && code <= 0xFF5E) {
                folded += static_cast<char>(code - 0xFF01 + 0x21);
                i += 2;
                continue;
            }
        }
        if (i + 2 < typed.size() && byte(i) == 0xE3 && byte(i + 1) == 0x80 && byte(i + 2) == 0x80) {
            folded += ' ';
            i += 2;
            continue;
        }
        folded += typed[i];
    }
    const size_t first = folded.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return folded.substr(first, folded.find_last_not_of(' ') - first + 1);
}

}  // namespace tally
