// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/text.h"

namespace tally {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (true) {
        size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

std::string replaceAll(const std::string& text, const std::string& from, const std::string& to) {
    if (from.empty()) return text;
    std::string result;
    result.reserve(text.size());
    size_t copied = 0;
    for (size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, copied)) {
        result.append(text, copied, pos - copied);
        result += to;
        copied = pos + from.size();
    }
    result.append(text, copied, std::string::npos);
    return result;
}

std::string withLineBreaks(const std::string& text, const std::string& lineBreak) {
    return replaceAll(text, "\r\n", lineBreak);
}

}  // namespace tally
