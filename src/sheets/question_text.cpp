// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/question_text.h"

#include <cctype>
#include <utility>

#include "page/html_parse.h"
#include "progress/record_values.h"

namespace tally {
namespace {

using Piece = SheetQuestions::Piece;
using Kind = Piece::Kind;

bool isSpace(char c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r'; }

// A non-breaking space becomes a plain one: only the width of an indent matters.
std::string plainSpaces(const std::string& text) {
    const std::string nbsp = "\u00a0";
    std::string plain;
    std::size_t from = 0;
    for (std::size_t at = text.find(nbsp); at != std::string::npos; at = text.find(nbsp, from)) {
        plain.append(text, from, at - from).push_back(' ');
        from = at + nbsp.size();
    }
    return plain.append(text, from, std::string::npos);
}

// What an element adds where it opens; "p" is both a line and a question's start.
void opened(const HtmlNode& element, std::vector<Piece>& pieces) {
    const std::string type = element.attribute("type");
    if (element.tagName == "br") pieces.push_back({Kind::Break, ""});
    if (element.tagName == "p") pieces.push_back({Kind::Start, ""});
    if (element.tagName == "table") pieces.push_back({Kind::TableStart, ""});
    if (element.tagName == "input" && type != "hidden" && type != "button") {
        pieces.push_back({Kind::Field, element.attribute("name")});
    }
}

void closed(const HtmlNode& element, std::vector<Piece>& pieces) {
    if (element.tagName == "p") pieces.push_back({Kind::Start, ""});
    if (element.tagName == "td") pieces.push_back({Kind::CellEnd, ""});
    if (element.tagName == "tr") pieces.push_back({Kind::RowEnd, ""});
    if (element.tagName == "table") pieces.push_back({Kind::TableEnd, ""});
}

// The nodes in document order, walked without recursion.
std::vector<Piece> piecesOf(const HtmlNodes& nodes) {
    std::vector<Piece> pieces;
    std::vector<std::pair<const HtmlNodes*, std::size_t>> stack{{&nodes, 0}};
    std::vector<const HtmlNode*> open;
    while (!stack.empty()) {
        auto& [list, next] = stack.back();
        if (next == list->size()) {
            stack.pop_back();
            if (!open.empty() && stack.size() == open.size()) {
                closed(*open.back(), pieces);
                open.pop_back();
            }
            continue;
        }
        const HtmlNode& node = *(*list)[next++];
        if (!node.isElement()) {
            pieces.push_back({Kind::Text, plainSpaces(node.text)});
            continue;
        }
        // A question's picture stands above it: its words are not the question's.
        if (node.tagName == "svg") {
            pieces.push_back({Kind::Start, ""});
            continue;
        }
        opened(node, pieces);
        open.push_back(&node);
        stack.emplace_back(&node.children, 0);
    }
    return pieces;
}

// Two line breaks in a row end a question and start the next one.
bool isBreakPair(const std::vector<Piece>& pieces, std::size_t at) {
    return at + 1 < pieces.size() && pieces[at].kind == Kind::Break && pieces[at + 1].kind == Kind::Break;
}

std::string textOf(const Piece& piece) {
    switch (piece.kind) {
        case Kind::Text: return piece.text;
        case Kind::Break:
        case Kind::Start: return "\n";
        case Kind::Field: return kAnswerBlank;
        default: return "";
    }
}

// Drops "第N题：" or "N：" at the start.
std::string withoutNumber(std::string text) {
    for (const std::string& head : {std::string("第"), std::string()}) {
        if (text.compare(0, head.size(), head) != 0) continue;
        std::size_t digits = head.size();
        while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits]))) ++digits;
        if (digits == head.size()) continue;
        const std::string tail = head.empty() ? "：" : "题：";
        if (text.compare(digits, tail.size(), tail) == 0) return text.substr(digits + tail.size());
    }
    return text;
}

// The number goes, then blank lines and the blanks at the ends of lines; the
// indent inside a column sum stays.
std::string tidy(const std::string& text) {
    std::size_t lead = 0;
    while (lead < text.size() && isSpace(text[lead])) ++lead;
    const std::string body = withoutNumber(text.substr(lead));
    std::string joined;
    std::size_t from = 0;
    while (from <= body.size()) {
        const std::size_t end = std::min(body.find('\n', from), body.size());
        std::string line = body.substr(from, end - from);
        while (!line.empty() && isSpace(line.back())) line.pop_back();
        if (!line.empty()) joined += (joined.empty() ? "" : "\n") + line;
        from = end + 1;
    }
    return joined;
}

// A question's table (a fraction's) is the whole of it: the question after
// it starts behind it, though only one line break follows it.
bool endsQuestion(const std::vector<Piece>& pieces, std::size_t at) {
    return pieces[at].kind == Kind::Start || pieces[at].kind == Kind::TableEnd || (at >= 1 && isBreakPair(pieces, at - 1));
}

}  // namespace

SheetQuestions::SheetQuestions(const std::string& bodyHtml) : pieces_(piecesOf(parseHtmlFragment(bodyHtml))) {
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
        if (pieces_[i].kind == Kind::Field) fields_.emplace(pieces_[i].text, i);
    }
}

std::size_t SheetQuestions::fieldAt(const std::string& field) const {
    const auto found = fields_.find(field);
    return found == fields_.end() ? pieces_.size() : found->second;
}

std::string SheetQuestions::of(const std::string& field) const {
    const std::size_t at = fieldAt(field);
    if (at == pieces_.size()) return "";
    std::size_t start = at;
    while (start > 0 && !endsQuestion(pieces_, start - 1)) --start;
    std::string text;
    for (std::size_t i = start; i < pieces_.size() && !isBreakPair(pieces_, i); ++i) {
        if (pieces_[i].kind == Kind::TableEnd) break;
        text += textOf(pieces_[i]);
    }
    return tidy(text);
}

std::string SheetQuestions::fractionOf(const std::string& numeratorField) const {
    const std::size_t at = fieldAt(numeratorField);
    if (at == pieces_.size()) return "";
    std::size_t start = at;
    while (start > 0 && pieces_[start].kind != Kind::TableStart) --start;
    // Row one: number, numerator, sign, numerator, "=", field, mark; row two:
    // denominator, denominator, field.
    std::vector<std::vector<std::string>> rows(1);
    std::string cell;
    for (std::size_t i = start; i < pieces_.size() && pieces_[i].kind != Kind::TableEnd; ++i) {
        if (pieces_[i].kind == Kind::CellEnd) {
            rows.back().push_back(tidy(cell));
            cell.clear();
        } else if (pieces_[i].kind == Kind::RowEnd) {
            rows.emplace_back();
        } else {
            cell += textOf(pieces_[i]);
        }
    }
    if (rows.size() < 2 || rows[0].size() < 5 || rows[1].size() < 2) return "";
    return rows[0][1] + "/" + rows[1][0] + rows[0][2] + rows[0][3] + "/" + rows[1][1] + rows[0][4];
}

}  // namespace tally
