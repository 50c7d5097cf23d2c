// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/html_page.h"

#include <utility>

#include "page/html_node.h"
#include "page/html_parse.h"
#include "page/html_serialize.h"

namespace tally {
namespace {

struct Located {
    HtmlNode* node = nullptr;
    int index = -1;
};

bool carriesName(const HtmlNode& element, const std::string& name) {
    for (const HtmlAttribute& attr : element.attributes) {
        if ((attr.name == "name" || attr.name == "id") && attr.value == name) return true;
    }
    return false;
}

// The first element in document order whose name or id is `name`.
Located locate(HtmlNode& body, const std::string& name) {
    Located found;
    forEachElement(body, [&](HtmlNode& element, int index) {
        if (!carriesName(element, name)) return false;
        found = {&element, index};
        return true;
    });
    return found;
}

std::string attributeOf(const HtmlNode* element, const std::string& attr) {
    return element ? element->attribute(attr) : std::string();
}

PageChange changeOf(PageChange::Kind kind, int element, std::string text) {
    PageChange change;
    change.kind = kind;
    change.element = element;
    change.text = std::move(text);
    return change;
}

// HTML gives these elements no content; writing into them would put nodes on
// the page that its own HTML cannot carry.
bool isEmptyByDefinition(const HtmlNode& element) {
    static const std::string kVoid[] = {"input", "img", "br", "hr", "meta", "link", "area", "base", "col",
                                        "embed", "param", "source", "track", "wbr"};
    for (const std::string& tag : kVoid) {
        if (element.tagName == tag) return true;
    }
    return false;
}

}  // namespace

HtmlPage::HtmlPage() : body_(Node::element("body")) {}

HtmlPage::~HtmlPage() = default;

void HtmlPage::setObserver(std::function<void(const PageChange&)> observer) { observer_ = std::move(observer); }

void HtmlPage::setBody(const std::string& html) {
    body_->replaceChildren(parseHtmlFragment(html));
    ++generation_;
    answers_.clear();
    notify(changeOf(PageChange::Kind::Body, -1, viewBodyHtml()));
}

std::string HtmlPage::bodyHtml() const { return serializeChildren(*body_); }

std::string HtmlPage::viewBodyHtml() const { return serializeForView(*body_); }

int HtmlPage::generation() const { return generation_; }

bool HtmlPage::has(const std::string& name) const { return find(name) != nullptr; }

int HtmlPage::countNamed(const std::string& name) const {
    int count = 0;
    forEachElement(*body_, [&](const Node& element, int) {
        if (carriesName(element, name)) ++count;
        return false;
    });
    return count;
}

std::string HtmlPage::value(const std::string& name) const { return attributeOf(find(name), "value"); }

void HtmlPage::setValue(const std::string& name, const std::string& value) {
    const Located target = locate(*body_, name);
    if (!target.node) return;
    target.node->setAttribute("value", value);
    notify(changeOf(PageChange::Kind::Value, target.index, value));
}

std::string HtmlPage::tag(const std::string& name) const { return attributeOf(find(name), "tag"); }

void HtmlPage::setTag(const std::string& name, const std::string& tag) { setAttribute(name, "tag", tag); }

void HtmlPage::setAttribute(const std::string& name, const std::string& attr, const std::string& value) {
    const Located target = locate(*body_, name);
    if (!target.node) return;
    target.node->setAttribute(attr, value);
    if (isAnswerAttribute(attr)) return;
    PageChange change = changeOf(PageChange::Kind::Attribute, target.index, value);
    change.attribute = attr;
    notify(std::move(change));
}

bool HtmlPage::checked(const std::string& name) const {
    const Node* element = find(name);
    return element && element->findAttribute("checked");
}

void HtmlPage::setChecked(const std::string& name, bool checked) {
    const Located target = locate(*body_, name);
    if (!target.node) return;
    if (!checked) {
        target.node->removeAttribute("checked");
    } else if (!target.node->findAttribute("checked")) {
        target.node->attributes.push_back({"checked", "", true});
    }
    PageChange change = changeOf(PageChange::Kind::Checked, target.index, {});
    change.flag = checked;
    notify(std::move(change));
}

void HtmlPage::setInnerHtml(const std::string& name, const std::string& html) {
    const Located target = locate(*body_, name);
    if (!target.node || isEmptyByDefinition(*target.node)) return;
    target.node->replaceChildren(parseHtmlFragment(html));
    notify(changeOf(PageChange::Kind::InnerHtml, target.index, serializeForView(*target.node)));
}

void HtmlPage::insertTextAfter(const std::string& name, const std::string& text) {
    const Located target = locate(*body_, name);
    if (!target.node) return;
    HtmlNodes inserted;
    inserted.push_back(Node::textNode(text));
    target.node->parent->insertChildren(target.node->positionInParent() + 1, std::move(inserted));
    notify(changeOf(PageChange::Kind::TextAfter, target.index, text));
}

void HtmlPage::insertAfter(Node& element, int index, const std::string& html) {
    HtmlNodes inserted = parseHtmlFragment(html);
    std::string viewCopy = serializeForView(inserted);
    element.parent->insertChildren(element.positionInParent() + 1, std::move(inserted));
    notify(changeOf(PageChange::Kind::HtmlAfter, index, std::move(viewCopy)));
}

void HtmlPage::insertHtmlAfter(const std::string& name, const std::string& html) {
    const Located target = locate(*body_, name);
    if (target.node) insertAfter(*target.node, target.index, html);
}

void HtmlPage::insertHtmlAfterNext(const std::string& name, const std::string& html) {
    const Located target = locate(*body_, name);
    if (!target.node) return;
    const std::size_t next = target.node->positionInParent() + 1;
    const auto& siblings = target.node->parent->children;
    if (next == siblings.size() || !siblings[next]->isElement()) return insertAfter(*target.node, target.index, html);
    // The element right behind comes after every element inside the named one.
    int inside = 0;
    forEachElement(*target.node, [&](HtmlNode&, int) {
        ++inside;
        return false;
    });
    insertAfter(*siblings[next], target.index + inside + 1, html);
}

void HtmlPage::appendHtml(const std::string& html) {
    HtmlNodes inserted = parseHtmlFragment(html);
    std::string viewCopy = serializeForView(inserted);
    body_->insertChildren(body_->children.size(), std::move(inserted));
    notify(changeOf(PageChange::Kind::Append, -1, std::move(viewCopy)));
}

void HtmlPage::prependHtml(const std::string& html) {
    HtmlNodes inserted = parseHtmlFragment(html);
    std::string viewCopy = serializeForView(inserted);
    body_->insertChildren(0, std::move(inserted));
    notify(changeOf(PageChange::Kind::Prepend, -1, std::move(viewCopy)));
}

std::string HtmlPage::attribute(const std::string& name, const std::string& attr) const {
    return attributeOf(find(name), attr);
}

int HtmlPage::elementIndex(const std::string& name) const { return locate(*body_, name).index; }

std::string HtmlPage::bodyText() const { return visibleText(*body_); }

HtmlPage::Node* HtmlPage::find(const std::string& name) const { return locate(*body_, name).node; }

void HtmlPage::notify(PageChange change) const {
    if (!observer_) return;
    change.generation = generation_;
    observer_(change);
}

}  // namespace tally
