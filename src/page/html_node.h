// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "page/html_page.h"

namespace tally {

struct HtmlAttribute {
    std::string name;
    std::string value;
    // Written without "=value" in the source (like `checked`); kept that way.
    bool bare = false;
};

// One node of the page tree: an element or a run of text. Comments are not kept.
struct HtmlPage::Node {
    enum class Type { Element, Text };

    Type type = Type::Text;
    std::string tagName;  // lower case, elements only
    std::vector<HtmlAttribute> attributes;
    std::string text;  // decoded text, text nodes only
    // A table section the parser added on its own (<tbody> around rows): it is
    // written without tags, and parsing the output adds it again.
    bool implied = false;
    Node* parent = nullptr;
    std::vector<std::unique_ptr<Node>> children;

    Node() = default;
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;
    // Tears the subtree down without recursion, so a deeply nested page cannot
    // exhaust the stack.
    ~Node();

    static std::unique_ptr<Node> element(std::string tag);
    static std::unique_ptr<Node> textNode(std::string text);

    bool isElement() const { return type == Type::Element; }
    const HtmlAttribute* findAttribute(const std::string& attr) const;
    // The attribute's value, "" when the element has none.
    std::string attribute(const std::string& attr) const;
    void setAttribute(const std::string& attr, const std::string& value);
    void removeAttribute(const std::string& attr);
    // Inserts the nodes, in order, before children[position].
    void insertChildren(std::size_t position, std::vector<std::unique_ptr<Node>> nodes);
    void replaceChildren(std::vector<std::unique_ptr<Node>> nodes);
    std::size_t positionInParent() const;
};

using HtmlNode = HtmlPage::Node;
using HtmlNodes = std::vector<std::unique_ptr<HtmlNode>>;

// Visits the elements below `root` in document order, with their index among
// them (0 = first element under root), until `visit` returns true. Iterative,
// so the depth of the tree does not matter.
template <typename NodeT, typename Visit>
void forEachElement(NodeT& root, Visit visit) {
    std::vector<std::pair<NodeT*, std::size_t>> stack{{&root, 0}};
    int index = 0;
    while (!stack.empty()) {
        auto& [node, next] = stack.back();
        if (next == node->children.size()) {
            stack.pop_back();
            continue;
        }
        NodeT* child = node->children[next++].get();
        if (!child->isElement()) continue;
        if (visit(*child, index++)) return;
        if (!child->children.empty()) stack.emplace_back(child, 0);
    }
}

}  // namespace tally
