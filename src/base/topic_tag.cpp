// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/topic_tag.h"

#include <algorithm>
#include <limits>

namespace tally {
namespace {

size_t utf8Length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    if ((lead >> 3) == 0x1E) return 4;
    return 1;
}

}  // namespace

std::int32_t leadingNumber(const std::string& text) {
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) return 0;
    }
    return static_cast<std::int32_t>(value);
}

TopicTagParts splitTopicTag(const std::string& tag) {
    if (tag.empty()) return {};
    size_t length = std::min(utf8Length(static_cast<unsigned char>(tag[0])), tag.size());
    return {tag.substr(0, length), leadingNumber(tag.substr(length))};
}

}  // namespace tally
