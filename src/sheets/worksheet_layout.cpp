// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <utility>

#include "page/html_serialize.h"
#include "sheets/worksheet_parts.h"

namespace tally {
namespace {

// A question of the sheet: top-level nodes between two line breaks in a row,
// or one block element (a fraction's table, a paragraph).
using Block = std::vector<std::size_t>;

// Half the line of an A4 page at the sheet's type size, less the gap.
constexpr double kColumnEm = 16.0;
// At 96 pixels an inch and 14pt type.
constexpr double kPixelsPerEm = 14 * 96 / 72.0;

bool isOneOf(const std::string& tag, std::initializer_list<std::string_view> tags) {
    return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

bool isBreak(const HtmlNode& node) { return node.isElement() && node.tagName == "br"; }

bool isBlank(const HtmlNode& node) {
    if (node.isElement()) return false;
    std::string_view text = node.text;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 2) == "\xC2\xA0") {
            ++i;
        } else if (text[i] != ' ' && text[i] != '\n' && text[i] != '\t' && text[i] != '\r') {
            return false;
        }
    }
    return true;
}

bool isBlockElement(const HtmlNode& node) {
    return node.isElement() && isOneOf(node.tagName, {"p", "table", "div", "h1", "h2", "h3", "h4", "ul", "ol"});
}

std::string classOf(const HtmlNode& node) {
    const HtmlAttribute* found = node.findAttribute("class");
    return found ? found->value : std::string();
}

bool isPicture(const HtmlNode& node) { return node.isElement() && node.tagName == "div" && classOf(node) == "picture"; }

bool isField(const HtmlNode& node) {
    const std::string cssClass = classOf(node);
    return node.tagName == "span" && (cssClass.starts_with("blank") || cssClass.starts_with("filled"));
}

bool holdsField(const HtmlNode& node) {
    if (isField(node)) return true;
    bool found = false;
    forEachElement(node, [&](const HtmlNode& element, int) { return found = isField(element); });
    return found;
}

// Breaks and blanks at either end of a question carry nothing on paper.
void trim(const HtmlNode& root, Block& block) {
    const auto empty = [&](std::size_t i) { return isBreak(*root.children[i]) || isBlank(*root.children[i]); };
    while (!block.empty() && empty(block.back())) block.pop_back();
    const auto first = std::find_if_not(block.begin(), block.end(), empty);
    block.erase(block.begin(), first);
}

bool endsWithBreak(const HtmlNode& root, const Block& block) {
    for (auto it = block.rbegin(); it != block.rend(); ++it) {
        if (!isBlank(*root.children[*it])) return isBreak(*root.children[*it]);
    }
    return false;
}

std::vector<Block> splitBlocks(const HtmlNode& root) {
    std::vector<Block> blocks;
    Block current;
    const auto close = [&] {
        trim(root, current);
        if (!current.empty()) blocks.push_back(std::move(current));
        current.clear();
    };
    for (std::size_t i = 0; i < root.children.size(); ++i) {
        const HtmlNode& node = *root.children[i];
        if (isPicture(node)) {
            // A question's picture starts its question and stays with it.
            close();
            current.push_back(i);
        } else if (isBlockElement(node)) {
            close();
            current.push_back(i);
            close();
        } else if (isBreak(node) && endsWithBreak(root, current)) {
            close();
        } else {
            current.push_back(i);
        }
    }
    close();
    return blocks;
}

// The printed width of text, in em: CJK characters are a full em, Latin a
// little over half.
double textWidth(std::string_view text) {
    double width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        width += length == 1 ? (lead == ' ' ? 0.3 : 0.55) : length == 2 ? 0.6 : 1.0;
        i += length;
    }
    return width;
}

double boxWidth(const HtmlNode& field) {
    const std::string cssClass = classOf(field);
    if (cssClass == kOnPictureClass) return 0;
    if (cssClass.ends_with("short")) return 2.5;
    if (cssClass.ends_with("wide")) return 7.5;
    return 5.0;
}

struct LineMeasure {
    double widest = 0;
    double current = 0;
    bool allInline = true;

    void add(double width) {
        current += width;
        widest = std::max(widest, current);
    }
};

void measure(const HtmlNode& node, LineMeasure& line) {
    if (!node.isElement()) return line.add(textWidth(node.text));
    if (isBreak(node)) {
        line.current = 0;
    } else if (isField(node)) {
        line.add(boxWidth(node));
    } else if (!isOneOf(node.tagName, {"span", "b", "i", "u", "font", "sub", "sup", "small"})) {
        line.allInline = false;
    } else {
        for (const auto& child : node.children) measure(*child, line);
    }
}

// A table that gives the widths of its first row's cells (a fraction's):
// their sum, at 96 pixels an inch and 14pt type; nothing for any other.
std::optional<double> tableWidth(const HtmlNode& table) {
    const HtmlNode* firstRow = nullptr;
    forEachElement(table, [&](const HtmlNode& element, int) {
        if (element.tagName == "tr") firstRow = &element;
        return firstRow != nullptr;
    });
    if (!firstRow) return std::nullopt;
    double pixels = 0;
    for (const auto& cell : firstRow->children) {
        if (!cell->isElement()) continue;
        const HtmlAttribute* width = cell->findAttribute("width");
        if (!width || std::atoi(width->value.c_str()) <= 0) return std::nullopt;
        pixels += std::atoi(width->value.c_str());
    }
    return pixels / kPixelsPerEm;
}

// The width of a picture's drawing, in em; nothing when it gives none.
std::optional<double> pictureWidth(const HtmlNode& picture) {
    std::optional<double> width;
    forEachElement(picture, [&](const HtmlNode& element, int) {
        const HtmlAttribute* given = element.tagName == "svg" ? element.findAttribute("width") : nullptr;
        if (given && std::atoi(given->value.c_str()) > 0) width = std::atoi(given->value.c_str()) / kPixelsPerEm;
        return width.has_value();
    });
    return width;
}

// A question under its picture fits a column when the picture does and its
// words wrap to two lines at most: clock faces go two a row.
bool isShortPictured(const HtmlNode& root, const Block& block) {
    const auto width = pictureWidth(*root.children[block[0]]);
    LineMeasure line;
    for (std::size_t i = 1; i < block.size(); ++i) measure(*root.children[block[i]], line);
    return width && *width <= kColumnEm && line.allInline && line.widest <= 2 * kColumnEm;
}

bool isShortQuestion(const HtmlNode& root, const Block& block) {
    if (isPicture(*root.children[block[0]])) return isShortPictured(root, block);
    if (block.size() == 1 && root.children[block[0]]->tagName == "table") {
        const auto width = tableWidth(*root.children[block[0]]);
        return width && *width <= kColumnEm;
    }
    LineMeasure line;
    for (std::size_t i : block) measure(*root.children[i], line);
    return line.allInline && line.widest <= kColumnEm;
}

bool blockHoldsField(const HtmlNode& root, const Block& block) {
    return std::any_of(block.begin(), block.end(), [&](std::size_t i) { return holdsField(*root.children[i]); });
}

std::size_t fieldsIn(const HtmlNode& node) {
    if (isField(node)) return 1;
    std::size_t count = 0;
    forEachElement(node, [&](const HtmlNode& element, int) {
        count += isField(element) ? 1 : 0;
        return false;
    });
    return count;
}

std::string blockHtml(HtmlNode& root, const Block& block) {
    auto container = HtmlNode::element("div");
    HtmlNodes nodes;
    for (std::size_t i : block) nodes.push_back(std::move(root.children[i]));
    container->replaceChildren(std::move(nodes));
    return serializeChildren(*container);
}

}  // namespace

std::vector<QuestionBlock> questionsOnly(HtmlNode& root) {
    std::vector<QuestionBlock> questions;
    for (const Block& block : splitBlocks(root)) {
        if (!blockHoldsField(root, block)) continue;
        std::size_t fields = 0;
        for (std::size_t i : block) fields += fieldsIn(*root.children[i]);
        questions.push_back({blockHtml(root, block), fields});
    }
    std::erase(root.children, nullptr);
    return questions;
}

bool fitsTwoColumns(const HtmlNode& root) {
    bool anyQuestion = false;
    for (const Block& block : splitBlocks(root)) {
        if (!blockHoldsField(root, block)) continue;
        if (!isShortQuestion(root, block)) return false;
        anyQuestion = true;
    }
    return anyQuestion;
}

std::string questionBlocks(HtmlNode& root, bool twoColumns) {
    std::string html = twoColumns ? "<div class=\"questions two\">" : "<div class=\"questions\">";
    for (const Block& block : splitBlocks(root)) {
        const bool question = blockHoldsField(root, block);
        html += question ? "<div class=\"question\">" : "<div class=\"note\">";
        html += blockHtml(root, block) + "</div>";
    }
    std::erase(root.children, nullptr);
    return html + "</div>";
}

}  // namespace tally
