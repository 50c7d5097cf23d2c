// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdlib>
#include <utility>

#include "page/html_parse.h"
#include "sheets/expected_answer.h"
#include "sheets/mark_texts.h"
#include "sheets/worksheet_parts.h"

namespace tally {
namespace {

std::vector<HtmlNode*> elementsWhere(HtmlNode& root, bool (*wanted)(const HtmlNode&)) {
    std::vector<HtmlNode*> found;
    forEachElement(root, [&](HtmlNode& element, int) {
        if (wanted(element)) found.push_back(&element);
        return false;
    });
    return found;
}

bool isInput(const HtmlNode& element) { return element.tagName == "input"; }
bool isFinishButton(const HtmlNode& element) { return element.attribute("name") == "finish"; }
bool isFractionMark(const HtmlNode& element) { return element.attribute("id").starts_with("fenshupl"); }

// A lesson page practises below its text; on paper only the practice counts.
void dropLessonText(HtmlNode& root) {
    auto& nodes = root.children;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i]->isElement() && nodes[i]->attribute("class") == "practice") {
            nodes.erase(nodes.begin(), nodes.begin() + static_cast<std::ptrdiff_t>(i));
            return;
        }
    }
}

// The score and time lines follow the finish button, and the re-drill line
// comes after everything: on paper the sheet ends where the button stood,
// also when the button sits inside a paragraph.
void dropFinishAndAfter(HtmlNode& root) {
    const std::vector<HtmlNode*> buttons = elementsWhere(root, isFinishButton);
    if (buttons.empty()) return;
    HtmlNode* parent = buttons.front()->parent;
    std::size_t from = buttons.front()->positionInParent();
    while (parent) {
        parent->children.erase(parent->children.begin() + static_cast<std::ptrdiff_t>(from), parent->children.end());
        if (parent == &root || !parent->parent) break;
        from = parent->positionInParent() + 1;
        parent = parent->parent;
    }
}

// A marked sheet carries its marks as spans right after the fields, and its
// score above the questions.
bool isMarking(const HtmlNode& element) {
    const std::string cssClass = element.attribute("class");
    return cssClass == kMarkClass || cssClass == kScoreClass;
}

void dropElement(HtmlNode& element) {
    auto& siblings = element.parent->children;
    siblings.erase(siblings.begin() + static_cast<std::ptrdiff_t>(element.positionInParent()));
}

// A fraction's mark has a wide table cell of its own: on paper it goes with it.
void dropFractionMark(HtmlNode& mark) {
    HtmlNode& gone = mark.parent->tagName == "td" ? *mark.parent : mark;
    auto& siblings = gone.parent->children;
    siblings.erase(siblings.begin() + static_cast<std::ptrdiff_t>(gone.positionInParent()));
}

std::unique_ptr<HtmlNode> span(const std::string& cssClass, const std::string& text) {
    auto node = HtmlNode::element("span");
    node->setAttribute("class", cssClass);
    if (!text.empty()) {
        HtmlNodes inner;
        inner.push_back(HtmlNode::textNode(text));
        node->replaceChildren(std::move(inner));
    }
    return node;
}

// The box a field becomes, about as wide as the field was.
std::string blankClass(const HtmlNode& input) {
    const int size = std::atoi(input.attribute("size").c_str());
    if (size > 0 && size <= 3) return "blank short";
    if (size >= 10) return "blank wide";
    return "blank";
}

// The worked solution as a child reads it on paper.
std::string workingText(const std::string& working) { return "列式：" + workingAsWritten(working); }

HtmlNodes replacementFor(const HtmlNode& input, const FieldAnswer& field, WorksheetPart part) {
    HtmlNodes nodes;
    // A question answered on its picture is answered on paper in the picture
    // itself (the hands drawn, the parts shaded): its place stays, with no box.
    if (input.findAttribute("hidden")) {
        nodes.push_back(span(kOnPictureClass, ""));
        return nodes;
    }
    if (part == WorksheetPart::Questions) {
        nodes.push_back(span(blankClass(input), ""));
        return nodes;
    }
    nodes.push_back(span(blankClass(input) == "blank wide" ? "filled wide" : "filled", field.answer));
    return nodes;
}

// Replaces the node; the working, when there is one, follows the words
// printed right after the box (a unit the child does not write).
void replaceNode(HtmlNode& node, HtmlNodes replacement, const std::string& working) {
    HtmlNode& parent = *node.parent;
    const std::size_t at = node.positionInParent();
    parent.children.erase(parent.children.begin() + static_cast<std::ptrdiff_t>(at));
    const std::size_t after = at + replacement.size();
    parent.insertChildren(at, std::move(replacement));
    if (working.empty()) return;
    const bool wordsAfter = after < parent.children.size() && !parent.children[after]->isElement();
    HtmlNodes workingNodes;
    workingNodes.push_back(span("working", workingText(working)));
    parent.insertChildren(wordsAfter ? after + 1 : after, std::move(workingNodes));
}

}  // namespace

std::unique_ptr<HtmlNode> cleanSheet(const std::string& bodyHtml) {
    auto root = HtmlNode::element("div");
    root->replaceChildren(parseHtmlFragment(bodyHtml));
    dropLessonText(*root);
    dropFinishAndAfter(*root);
    for (HtmlNode* marking : elementsWhere(*root, isMarking)) dropElement(*marking);
    for (HtmlNode* mark : elementsWhere(*root, isFractionMark)) dropFractionMark(*mark);
    return root;
}

std::vector<FieldAnswer> fillFields(HtmlNode& root, AnswerStyle style, WorksheetPart part) {
    std::vector<FieldAnswer> fields;
    for (HtmlNode* input : elementsWhere(root, isInput)) {
        const auto field = fieldAnswer(style, input->attribute("name"), input->attribute("type"),
                                       input->attribute("tag"));
        HtmlNodes replacement;
        std::string working;
        if (field) {
            replacement = replacementFor(*input, *field, part);
            if (part == WorksheetPart::Key) working = field->working;
            fields.push_back(*field);
        }
        replaceNode(*input, std::move(replacement), working);
    }
    return fields;
}

}  // namespace tally
