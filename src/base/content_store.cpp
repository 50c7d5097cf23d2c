// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/content_store.h"

#include <map>

namespace tally {

const std::map<std::string, std::string>& embeddedTexts();

namespace {

// Source files are kept with LF line ends; the program's texts use CR LF.
std::string withCrLf(const std::string& source) {
    std::string text;
    text.reserve(source.size() + source.size() / 16);
    for (char c : source) {
        if (c == '\r') continue;
        if (c == '\n') text += '\r';
        text += c;
    }
    while (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0) {
        text.resize(text.size() - 2);
    }
    return text;
}

}  // namespace

std::string ContentStore::text(const std::string& name) {
    static std::map<std::string, std::string> cache;
    auto cached = cache.find(name);
    if (cached != cache.end()) return cached->second;
    const auto& texts = embeddedTexts();
    auto it = texts.find(name);
    std::string text = it == texts.end() ? std::string() : withCrLf(it->second);
    cache.emplace(name, text);
    return text;
}

}  // namespace tally
