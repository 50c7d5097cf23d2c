// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/login_file.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "base/gbk.h"

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

// The GBK bytes of one code: one byte up to 0x80 (the euro sign is GBK's one
// single byte above ASCII), two bytes otherwise.
std::optional<std::string> bytesOfCode(long code) {
    if (code < 0) code += 0x10000;
    if (code < 0 || code > 0xFFFF) return std::nullopt;
    if (code <= 0x80) return std::string(1, static_cast<char>(code));
    if (code < 0x8140) return std::nullopt;
    return std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

// Lines end in CR LF, or in LF alone when an ordinary editor saved the file;
// the text after the last line end is not a line.
std::vector<std::string> completeLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t position = 0;
    for (size_t end; (end = bytes.find('\n', position)) != std::string::npos; position = end + 1) {
        std::string line = bytes.substr(position, end - position);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

bool holdsControlCharacter(const std::string& gbk) {
    return std::any_of(gbk.begin(), gbk.end(), [](char byte) {
        const auto code = static_cast<unsigned char>(byte);
        return code < 0x20 || code == 0x7F;
    });
}

}  // namespace

DecodedLogin decodeLoginFile(const std::string& bytes) {
    DecodedLogin result;
    std::string gbk;
    for (const std::string& line : completeLines(bytes)) {
        if (line.empty()) continue;
        auto number = parseWholeNumber(line);
        auto character = number ? bytesOfCode(*number - 7) : std::nullopt;
        if (!character) {
            result.damaged = true;
            return result;
        }
        gbk += *character;
    }
    // An empty password would let every login through; control characters
    // can't be typed into the password box.
    auto checked = utf8ToGbk(gbkToUtf8(gbk));
    if (gbk.empty() || holdsControlCharacter(gbk) || !checked || *checked != gbk) {
        result.damaged = true;
        return result;
    }
    result.password = gbkToUtf8(gbk);
    return result;
}

std::optional<std::string> encodeLoginFile(const std::string& password) {
    auto gbk = utf8ToGbk(password);
    if (!gbk || holdsControlCharacter(*gbk)) return std::nullopt;
    std::string file;
    for (size_t i = 0; i < gbk->size(); ++i) {
        long code = static_cast<unsigned char>((*gbk)[i]);
        if (code > 0x80 && i + 1 < gbk->size()) {
            code = (code << 8) | static_cast<unsigned char>((*gbk)[++i]);
        }
        file += std::to_string(code + 7) + "\r\n";
    }
    return file + "\r\n";
}

}  // namespace tally
