// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/html_node.h"

#include <algorithm>
#include <iterator>

namespace tally {

HtmlNode::~Node() {
    HtmlNodes pending = std::move(children);
    while (!pending.empty()) {
        std::unique_ptr<Node> last = std::move(pending.back());
        pending.pop_back();
        std::move(last->children.begin(), last->children.end(), std::back_inserter(pending));
        last->children.clear();
    }
}

std::unique_ptr<HtmlNode> HtmlNode::element(std::string tag) {
    auto node = std::make_unique<Node>();
    node->type = Type::Element;
    node->tagName = std::move(tag);
    return node;
}

std::unique_ptr<HtmlNode> HtmlNode::textNode(std::string content) {
    auto node = std::make_unique<Node>();
    node->text = std::move(content);
    return node;
}

std::string HtmlNode::attribute(const std::string& attr) const {
    const HtmlAttribute* found = findAttribute(attr);
    return found ? found->value : std::string();
}

const HtmlAttribute* HtmlNode::findAttribute(const std::string& attr) const {
    auto it = std::find_if(attributes.begin(), attributes.end(),
                           [&](const HtmlAttribute& a) { return a.name == attr; });
    return it == attributes.end() ? nullptr : &*it;
}

void HtmlNode::setAttribute(const std::string& attr, const std::string& value) {
    for (HtmlAttribute& a : attributes) {
        if (a.name == attr) {
            a.value = value;
            a.bare = false;
            return;
        }
    }
    attributes.push_back({attr, value, false});
}

void HtmlNode::removeAttribute(const std::string& attr) {
    std::erase_if(attributes, [&](const HtmlAttribute& a) { return a.name == attr; });
}

void HtmlNode::insertChildren(std::size_t position, HtmlNodes nodes) {
    for (auto& node : nodes) node->parent = this;
    children.insert(children.begin() + static_cast<std::ptrdiff_t>(position),
                    std::make_move_iterator(nodes.begin()), std::make_move_iterator(nodes.end()));
}

void HtmlNode::replaceChildren(HtmlNodes nodes) {
    HtmlNodes old = std::move(children);
    children.clear();
    insertChildren(0, std::move(nodes));
}

std::size_t HtmlNode::positionInParent() const {
    const auto& siblings = parent->children;
    auto it = std::find_if(siblings.begin(), siblings.end(),
                           [this](const std::unique_ptr<Node>& n) { return n.get() == this; });
    return static_cast<std::size_t>(it - siblings.begin());
}

}  // namespace tally
