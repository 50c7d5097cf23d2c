// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/html_serialize.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

namespace tally {
namespace {

constexpr std::string_view kNbsp = "\xC2\xA0";

// The model's own copy of the page, or the copy the browser view is given.
enum class Copy { Model, View };

bool isOneOf(const std::string& tag, std::initializer_list<std::string_view> tags) {
    return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

bool isVoid(const std::string& tag) {
    return isOneOf(tag, {"input", "img", "br", "hr", "meta", "link", "area", "base", "col", "embed",
                         "param", "source", "track", "wbr", "basefont", "bgsound", "frame", "keygen"});
}

bool isRawText(const std::string& tag) {
    return isOneOf(tag, {"script", "style", "xmp", "iframe", "noembed", "noframes", "plaintext"});
}

// The parser drops one newline right after these start tags.
bool dropsLeadingNewline(const std::string& tag) { return isOneOf(tag, {"pre", "textarea", "listing"}); }

void appendEscapedChar(std::string& out, char c) {
    if (c == '&') {
        out += "&amp;";
    } else if (c == '<') {
        out += "&lt;";
    } else if (c == '>') {
        out += "&gt;";
    } else {
        out += c;
    }
}

// No-break spaces are written as &nbsp; so the program's own "&nbsp;" runs
// come back as written.
void appendEscapedText(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, kNbsp.size()) == kNbsp) {
            out += "&nbsp;";
            i += kNbsp.size() - 1;
        } else {
            appendEscapedChar(out, text[i]);
        }
    }
}

// An unquoted value ends at white space and must not hold quotes, "=", "<",
// ">" or "`"; "&" would start a character reference when read back.
bool canWriteUnquoted(const std::string& value) {
    return !value.empty() && value.find_first_of(" \t\n\r\f\"'=<>`&") == std::string::npos;
}

void appendAttributeValue(std::string& out, const std::string& value) {
    if (canWriteUnquoted(value)) {
        out += value;
        return;
    }
    out += '"';
    for (char c : value) {
        if (c == '&') {
            out += "&amp;";
        } else if (c == '"') {
            out += "&quot;";
        } else {
            out += c;
        }
    }
    out += '"';
}

// A bare attribute followed by one whose name starts with "=" would make that
// name its value when read back, so it gets an explicit empty value then.
void appendAttribute(std::string& out, const HtmlAttribute& attr, const HtmlAttribute* next) {
    out += ' ';
    out += attr.name;
    if (attr.bare && attr.value.empty() && !(next && next->name.starts_with('='))) return;
    out += '=';
    appendAttributeValue(out, attr.value);
}

// The attributes a start tag is written with: all of them for the model's own
// copy; the view's copy goes without the answers.
std::vector<const HtmlAttribute*> writtenAttributes(const HtmlNode& element, Copy copy) {
    std::vector<const HtmlAttribute*> written;
    for (const HtmlAttribute& attr : element.attributes) {
        if (copy == Copy::Model || !isAnswerAttribute(attr.name)) written.push_back(&attr);
    }
    return written;
}

void appendStartTag(std::string& out, const HtmlNode& element, Copy copy) {
    if (element.implied) return;
    out += '<';
    out += element.tagName;
    const std::vector<const HtmlAttribute*> attrs = writtenAttributes(element, copy);
    for (std::size_t i = 0; i < attrs.size(); ++i) {
        appendAttribute(out, *attrs[i], i + 1 < attrs.size() ? attrs[i + 1] : nullptr);
    }
    out += '>';
    if (dropsLeadingNewline(element.tagName) && !element.children.empty() &&
        !element.children.front()->isElement() && element.children.front()->text.starts_with('\n')) {
        out += '\n';
    }
}

// <plaintext> runs to the end of the source: an end tag would be read as text.
void appendEndTag(std::string& out, const HtmlNode& element) {
    if (element.implied || isVoid(element.tagName) || element.tagName == "plaintext") return;
    out += "</";
    out += element.tagName;
    out += '>';
}

void appendText(std::string& out, const HtmlNode& text) {
    if (text.parent && text.parent->isElement() && isRawText(text.parent->tagName)) {
        out += text.text;
    } else {
        appendEscapedText(out, text.text);
    }
}

// Writes the nodes and everything below them, without recursion.
std::string serializeNodes(const HtmlNodes& nodes, Copy copy) {
    struct Open {
        const HtmlNode* element;  // whose end tag follows its children; none for the top
        const HtmlNodes* children;
        std::size_t next;
    };
    std::string out;
    std::vector<Open> stack{{nullptr, &nodes, 0}};
    while (!stack.empty()) {
        Open& open = stack.back();
        if (open.next == open.children->size()) {
            if (open.element) appendEndTag(out, *open.element);
            stack.pop_back();
            continue;
        }
        const HtmlNode& child = *(*open.children)[open.next++];
        if (!child.isElement()) {
            appendText(out, child);
            continue;
        }
        appendStartTag(out, child, copy);
        // A void element has no content in HTML; it is written empty.
        if (isVoid(child.tagName)) continue;
        stack.push_back({&child, &child.children, 0});
    }
    return out;
}

}  // namespace

bool isAnswerAttribute(std::string_view name) {
    constexpr std::string_view kTag = "tag";
    return name.size() == kTag.size() && std::equal(name.begin(), name.end(), kTag.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

std::string serializeChildren(const HtmlNode& node) { return serializeNodes(node.children, Copy::Model); }

std::string serializeForView(const HtmlNode& node) { return serializeNodes(node.children, Copy::View); }

std::string serializeForView(const HtmlNodes& nodes) { return serializeNodes(nodes, Copy::View); }

std::string visibleText(const HtmlNode& node) {
    std::string out;
    std::vector<const HtmlNode*> stack{&node};
    while (!stack.empty()) {
        const HtmlNode* current = stack.back();
        stack.pop_back();
        if (!current->isElement()) {
            out += current->text;
            continue;
        }
        if (current->tagName == "script" || current->tagName == "style") continue;
        for (auto it = current->children.rbegin(); it != current->children.rend(); ++it) {
            stack.push_back(it->get());
        }
    }
    return out;
}

std::string htmlAttribute(const std::string& name, const std::string& value) {
    std::string out = name + "=";
    appendAttributeValue(out, value);
    return out;
}

std::string escapeHtmlText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) appendEscapedChar(out, c);
    return out;
}

}  // namespace tally
