// SPDX-License-Identifier: GPL-3.0-or-later
// A question's picture read back as a child sees it: its elements parsed
// from the SVG the page carries, by class, with their attributes, numbers
// and words.
#pragma once
#include <cctype>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "page/html_node.h"
#include "page/html_parse.h"

namespace tally::picture_reading {

struct Element {
    std::string tag;
    std::map<std::string, std::string> attributes;
    std::string words;  // the text inside it
    double number(const std::string& name) const { return std::atof(attributes.at(name).c_str()); }
    std::string of(const std::string& name) const {
        const auto found = attributes.find(name);
        return found == attributes.end() ? "" : found->second;
    }
};

inline std::string wordsOf(const HtmlNode& node) {
    std::string words;
    for (const auto& child : node.children) words += child->isElement() ? wordsOf(*child) : child->text;
    return words;
}

// Every element of the picture in document order.
inline std::vector<Element> elementsOf(const std::string& svg) {
    std::vector<Element> elements;
    for (const auto& node : parseHtmlFragment(svg)) {
        if (!node->isElement()) continue;
        const auto keep = [&](const HtmlNode& element, int) {
            Element e{element.tagName, {}, wordsOf(element)};
            for (const HtmlAttribute& a : element.attributes) e.attributes[a.name] = a.value;
            elements.push_back(std::move(e));
            return false;
        };
        keep(*node, 0);
        forEachElement(*node, keep);
    }
    return elements;
}

inline std::vector<Element> ofClass(const std::vector<Element>& elements, const std::string& name) {
    std::vector<Element> found;
    for (const Element& e : elements) {
        if (e.of("class") == name) found.push_back(e);
    }
    return found;
}

// The numbers of a path's d or a polygon's points, in order.
inline std::vector<double> numbersIn(std::string text) {
    for (char& c : text) {
        if (c == ',' || std::isalpha(static_cast<unsigned char>(c))) c = ' ';
    }
    std::istringstream in(text);
    std::vector<double> numbers;
    for (double n; in >> n;) numbers.push_back(n);
    return numbers;
}

}  // namespace tally::picture_reading
