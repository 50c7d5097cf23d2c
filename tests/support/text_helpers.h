// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <regex>
#include <string>
#include <vector>

#include "page/html_parse.h"
#include "page/html_serialize.h"

// Small readers of what a page or a record shows, shared by the tests.
namespace tally::test {

// How often `part` occurs in `text`.
inline int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// The whole numbers written in a text, in order (no signs).
inline std::vector<long long> numbersIn(const std::string& text) {
    static const std::regex number(R"(\d+)");
    std::vector<long long> numbers;
    for (std::sregex_iterator it(text.begin(), text.end(), number), end; it != end; ++it) {
        numbers.push_back(std::stoll(it->str()));
    }
    return numbers;
}

// The uniform random value that makes Int(R × span) + base come out as `value`.
inline double pick(int value, double span, int base) { return (value - base + 0.5) / span; }

// The text with every printable ASCII character typed in full width, as a
// Chinese input method writes it, worked out from the code points by hand.
inline std::string fullWidth(const std::string& ascii) {
    std::string out;
    for (unsigned char c : ascii) {
        if (c < 0x21 || c > 0x7E) {
            out += static_cast<char>(c);
            continue;
        }
        const unsigned codePoint = c - 0x21 + 0xFF01;
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return out;
}

// The visible texts of the elements of an HTML text whose class starts so, in
// document order.
inline std::vector<std::string> textsOfClass(const std::string& html, const std::string& cssClass) {
    auto root = HtmlNode::element("div");
    root->replaceChildren(parseHtmlFragment(html));
    std::vector<std::string> texts;
    forEachElement(*root, [&](const HtmlNode& element, int) {
        const HtmlAttribute* found = element.findAttribute("class");
        if (found && found->value.starts_with(cssClass)) texts.push_back(visibleText(element));
        return false;
    });
    return texts;
}

}  // namespace tally::test
