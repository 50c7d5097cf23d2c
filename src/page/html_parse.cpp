// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/html_parse.h"

#include <gumbo.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <utility>
#include <vector>

namespace tally {
namespace {

// gumbo parses whole documents only: the fragment is written after an opened
// <body>. No closing tags follow it, so an unterminated <script> or comment
// cannot swallow them.
const std::string kDocumentStart = "<!DOCTYPE html><html><head></head><body>";

struct GumboDeleter {
    void operator()(GumboOutput* output) const { gumbo_destroy_output(&kGumboDefaultOptions, output); }
};
using GumboTree = std::unique_ptr<GumboOutput, GumboDeleter>;

std::string lowerAscii(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The tag name as written in the source, read as the tokenizer reads it. The
// source text can start with an ignored "</>" before the tag.
std::string_view sourceTagName(const GumboStringPiece& source) {
    const std::string_view text(source.data ? source.data : "", source.length);
    for (std::size_t at = 0; at + 1 < text.size(); ++at) {
        if (text[at] != '<' || !std::isalpha(static_cast<unsigned char>(text[at + 1]))) continue;
        const std::string_view rest = text.substr(at + 1);
        return rest.substr(0, rest.find_first_of(" \t\n\r\f/>"));
    }
    return {};
}

std::string tagNameOf(const GumboElement& element) {
    const std::string_view written = sourceTagName(element.original_tag);
    if (element.tag == GUMBO_TAG_UNKNOWN) return lowerAscii(std::string(written));
    if (element.tag_namespace == GUMBO_NAMESPACE_SVG) {
        const GumboStringPiece piece{written.data(), written.size()};
        if (const char* svg = gumbo_normalize_svg_tagname(&piece)) return svg;
    }
    return gumbo_normalized_tagname(element.tag);
}

bool isBare(const GumboAttribute& attr) {
    if (attr.value[0] != '\0' || attr.original_value.length == 0) return false;
    const char first = attr.original_value.data[0];
    return first != '"' && first != '\'';
}

// Of the elements the parser adds on its own, only table sections are left out
// of the output: parsing the output adds them again in the same place.
bool isImpliedSection(const GumboNode& node) {
    if (!(node.parse_flags & GUMBO_INSERTION_IMPLIED)) return false;
    const GumboTag tag = node.v.element.tag;
    return tag == GUMBO_TAG_TBODY || tag == GUMBO_TAG_TR || tag == GUMBO_TAG_COLGROUP;
}

std::unique_ptr<HtmlNode> convertShallow(const GumboNode& node) {
    switch (node.type) {
        case GUMBO_NODE_TEXT:
        case GUMBO_NODE_CDATA:
        case GUMBO_NODE_WHITESPACE:
            return HtmlNode::textNode(node.v.text.text);
        case GUMBO_NODE_ELEMENT:
        case GUMBO_NODE_TEMPLATE: {
            auto element = HtmlNode::element(tagNameOf(node.v.element));
            const GumboVector& attrs = node.v.element.attributes;
            for (unsigned i = 0; i < attrs.length; ++i) {
                const auto* attr = static_cast<const GumboAttribute*>(attrs.data[i]);
                element->attributes.push_back({attr->name, attr->value, isBare(*attr)});
            }
            element->implied = isImpliedSection(node);
            return element;
        }
        default:
            return nullptr;
    }
}

const GumboNode* findBody(const GumboOutput& output) {
    const GumboVector& children = output.root->v.element.children;
    for (unsigned i = 0; i < children.length; ++i) {
        const auto* child = static_cast<const GumboNode*>(children.data[i]);
        if (child->type == GUMBO_NODE_ELEMENT && child->v.element.tag == GUMBO_TAG_BODY) return child;
    }
    return nullptr;
}

// Copies gumbo's subtree below `from` into `to`, without recursion.
void copyChildren(const GumboNode& from, HtmlNode& to) {
    std::vector<std::pair<const GumboNode*, HtmlNode*>> pending{{&from, &to}};
    while (!pending.empty()) {
        auto [source, target] = pending.back();
        pending.pop_back();
        const GumboVector& children = source->v.element.children;
        for (unsigned i = 0; i < children.length; ++i) {
            const auto* child = static_cast<const GumboNode*>(children.data[i]);
            auto copy = convertShallow(*child);
            if (!copy) continue;
            copy->parent = target;
            if (copy->isElement()) pending.emplace_back(child, copy.get());
            target->children.push_back(std::move(copy));
        }
    }
}

bool isNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// The tag name starting at `at`, lower case; `at` moves past it.
std::string readTagName(std::string_view html, std::size_t& at) {
    std::string name;
    while (at < html.size() && html[at] != '>' && html[at] != '/' &&
           !std::isspace(static_cast<unsigned char>(html[at]))) {
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(html[at++])));
    }
    return name;
}

// Past the '>' that ends the tag, skipping quoted attribute values.
std::size_t tagEnd(std::string_view html, std::size_t at) {
    char quote = 0;
    for (; at < html.size(); ++at) {
        const char c = html[at];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return at + 1;
        }
    }
    return html.size();
}

template <std::size_t N>
bool among(const std::string& name, const std::array<std::string_view, N>& names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

constexpr std::array<std::string_view, 18> kVoid = {"area", "base", "br", "col", "embed", "hr", "img", "input",
                                                    "link", "meta", "param", "source", "track", "wbr", "basefont",
                                                    "bgsound", "frame", "keygen"};
// Elements a sibling of their kind ends: they never nest in themselves.
constexpr std::array<std::string_view, 16> kSiblingEnded = {"p",  "li", "dt", "dd", "option", "optgroup",
                                                            "tr", "td", "th", "rb", "rt",     "rp",
                                                            "rtc", "thead", "tbody", "tfoot"};
// Their content is text up to their own end tag.
constexpr std::array<std::string_view, 9> kTextOnly = {"script", "style", "textarea", "title", "xmp",
                                                       "iframe", "noembed", "noframes", "noscript"};

}  // namespace

int htmlNestingDepth(std::string_view html, int stopAfter) {
    std::vector<std::string> open;
    int deepest = 0;
    std::size_t at = 0;
    while ((at = html.find('<', at)) != std::string_view::npos) {
        ++at;
        if (html.substr(at, 3) == "!--") {
            const std::size_t end = html.find("-->", at + 3);
            at = end == std::string_view::npos ? html.size() : end + 3;
        } else if (at + 1 < html.size() && html[at] == '/' && isNameStart(html[at + 1])) {
            ++at;
            const std::string name = readTagName(html, at);
            const auto found = std::find(open.rbegin(), open.rend(), name);
            if (found != open.rend()) open.erase(std::prev(found.base()), open.end());
            at = tagEnd(html, at);
        } else if (at < html.size() && isNameStart(html[at])) {
            const std::string name = readTagName(html, at);
            at = tagEnd(html, at);
            if (name == "plaintext") break;
            if (among(name, kTextOnly)) {
                // The element's own end tag, in any case; a stray "</" is text.
                std::size_t close = html.find("</", at);
                while (close != std::string_view::npos) {
                    std::size_t nameAt = close + 2;
                    if (readTagName(html, nameAt) == name) break;
                    close = html.find("</", close + 2);
                }
                at = close == std::string_view::npos ? html.size() : close;
                continue;
            }
            if (among(name, kVoid) || among(name, kSiblingEnded)) continue;
            open.push_back(name);
            deepest = std::max(deepest, static_cast<int>(open.size()));
            if (deepest > stopAfter) break;
        }
    }
    return deepest;
}

HtmlNodes parseHtmlFragment(const std::string& html) {
    const std::string document = kDocumentStart + html;
    GumboOptions options = kGumboDefaultOptions;
    // Parse errors are not used; recording them costs memory that grows with
    // the square of the nesting depth.
    options.max_errors = 0;
    GumboTree tree(gumbo_parse_with_options(&options, document.data(), document.size()));
    if (!tree) return {};
    const GumboNode* body = findBody(*tree);
    if (!body) return {};
    HtmlNode holder;
    copyChildren(*body, holder);
    HtmlNodes nodes = std::move(holder.children);
    holder.children.clear();
    for (auto& node : nodes) node->parent = nullptr;
    return nodes;
}

}  // namespace tally
