// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/html_parts.h"

#include "page/html_page.h"

namespace tally {

std::string escaped(const std::string& text) { return escapeHtmlText(text); }

std::string htmlAttr(const std::string& name, const std::string& value) { return htmlAttribute(name, value); }

std::string element(const std::string& tag, const std::string& content, const std::string& attributes) {
    std::string html;
    html.reserve(tag.size() * 2 + content.size() + attributes.size() + 6);
    html += "<" + tag;
    if (!attributes.empty()) html += " " + attributes;
    html += ">";
    html += content;
    html += "</" + tag + ">";
    return html;
}

std::string textRow(const std::vector<std::string>& cells, const std::string& cellTag) {
    std::string html;
    for (const std::string& cell : cells) html += element(cellTag, escaped(cell));
    return element("tr", html);
}

std::string questionOnOneLine(const std::string& question) {
    std::string line;
    for (const char c : question) {
        if (c == '\r') continue;
        if (c == '\n') {
            line += "／";
        } else {
            line += c;
        }
    }
    return line;
}

}  // namespace tally
