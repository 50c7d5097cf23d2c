#include "shell/login_file.h"

#include <cctype>

#include "shell/gbk.h"

namespace tally {
namespace {

std::optional<long> parseWholeNumber(const std::string& text) {
    size_t start = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (start == text.size() || text.size() > 12) return std::nullopt;
    long value = 0;
    for (size_t i = start; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return text[0] == '-' ? -value : value;
}

// The GBK bytes of one code: one byte below 0x80, two bytes otherwise.
std::optional<std::string> bytesOfCode(long code) {
    if (code < 0) code += 0x10000;
    if (code < 0 || code > 0xFFFF) return std::nullopt;
    if (code < 0x80) return std::string(1, static_cast<char>(code));
    if (code < 0x8140) return std::nullopt;
    return std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

}  // namespace

DecodedLogin decodeLoginFile(const std::string& bytes) {
    DecodedLogin result;
    std::string gbk;
    size_t position = 0;
    while (true) {
        size_t end = bytes.find("\r\n", position);
        if (end == std::string::npos) break;  // text after the last CR LF is ignored
        const std::string line = bytes.substr(position, end - position);
        position = end + 2;
        if (line.empty()) continue;
        auto number = parseWholeNumber(line);
        auto character = number ? bytesOfCode(*number - 7) : std::nullopt;
        if (!character) {
            result.damaged = true;
            return result;
        }
        gbk += *character;
    }
    auto checked = utf8ToGbk(gbkToUtf8(gbk));
    if (!checked || *checked != gbk) {
        result.damaged = true;
        return result;
    }
    result.password = gbkToUtf8(gbk);
    return result;
}

std::optional<std::string> encodeLoginFile(const std::string& password) {
    auto gbk = utf8ToGbk(password);
    if (!gbk) return std::nullopt;
    std::string file;
    for (size_t i = 0; i < gbk->size(); ++i) {
        long code = static_cast<unsigned char>((*gbk)[i]);
        if (code >= 0x80 && i + 1 < gbk->size()) {
            code = (code << 8) | static_cast<unsigned char>((*gbk)[++i]);
        }
        file += std::to_string(code + 7) + "\r\n";
    }
    return file + "\r\n";
}

}  // namespace tally
