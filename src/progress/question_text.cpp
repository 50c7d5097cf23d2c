#include "progress/question_text.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <vector>

#include "progress/progress_record.h"

namespace tally {
namespace {

bool isSpace(char c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r'; }

// The value of an attribute inside one tag's text ("" when absent).
std::string attributeIn(const std::string& tag, const std::string& name) {
    std::size_t at = 0;
    while ((at = tag.find(name + "=", at)) != std::string::npos) {
        const bool startsWord = at > 0 && isSpace(tag[at - 1]);
        at += name.size() + 1;
        if (!startsWord) continue;
        if (at < tag.size() && (tag[at] == '"' || tag[at] == '\'')) {
            const std::size_t close = tag.find(tag[at], at + 1);
            return tag.substr(at + 1, close == std::string::npos ? std::string::npos : close - at - 1);
        }
        std::size_t end = at;
        while (end < tag.size() && !isSpace(tag[end]) && tag[end] != '>') ++end;
        return tag.substr(at, end - at);
    }
    return "";
}

std::string tagName(const std::string& tag) {
    std::size_t end = tag.size() > 1 && tag[1] == '/' ? 2 : 1;
    while (end < tag.size() && !isSpace(tag[end]) && tag[end] != '>' && tag[end] != '/') ++end;
    std::string name = tag.substr(1, end - 1);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    return name;
}

void appendCodePoint(std::string& out, unsigned long cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes the entities the page writer uses; a non-breaking space becomes a
// plain one, since only the width of the indent matters in a column sum.
std::string decodeText(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t semi = text[i] == '&' ? text.find(';', i) : std::string::npos;
        if (semi == std::string::npos || semi - i > 8) {
            out += text[i];
            continue;
        }
        const std::string entity = text.substr(i + 1, semi - i - 1);
        if (entity == "nbsp") out += ' ';
        else if (entity == "lt") out += '<';
        else if (entity == "gt") out += '>';
        else if (entity == "amp") out += '&';
        else if (entity == "quot") out += '"';
        else if (entity.size() > 1 && entity[0] == '#') appendCodePoint(out, std::strtoul(entity.c_str() + 1, nullptr, 10));
        else out += text.substr(i, semi - i + 1);
        i = semi;
    }
    return out;
}

// A piece of a question: text, or an answer field.
struct Piece {
    std::string text;
    bool blank = false;
    bool cellEnd = false;
    bool rowEnd = false;
};

std::vector<Piece> piecesOf(const std::string& html) {
    std::vector<Piece> pieces;
    std::size_t at = 0;
    while (at < html.size()) {
        const std::size_t open = html.find('<', at);
        if (open != at) {
            pieces.push_back({decodeText(html.substr(at, open - at))});
            if (open == std::string::npos) break;
        }
        const std::size_t close = html.find('>', open);
        if (close == std::string::npos) break;
        const std::string tag = html.substr(open, close - open + 1);
        const std::string name = tagName(tag);
        if (name == "br" || name == "p") {
            pieces.push_back({"\n"});
        } else if (name == "input" && attributeIn(tag, "type") != "hidden" && attributeIn(tag, "type") != "button") {
            pieces.push_back({kAnswerBlank, true});
        } else if (name == "/td") {
            pieces.push_back({"", false, true});
        } else if (name == "/tr") {
            pieces.push_back({"", false, false, true});
        }
        at = close + 1;
    }
    return pieces;
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

}  // namespace

SheetQuestions::SheetQuestions(std::string bodyHtml) : html_(std::move(bodyHtml)) {
    for (std::size_t at = html_.find('<'); at != std::string::npos; at = html_.find('<', at + 1)) {
        const std::size_t close = html_.find('>', at);
        if (close == std::string::npos) break;
        const std::string tag = html_.substr(at, close - at + 1);
        const std::string name = tagName(tag);
        if (name == "p" || name == "/p") starts_.push_back(close + 1);
        if (name == "br" && html_.compare(close + 1, 4, "<br>") == 0) {
            ends_.push_back(at);
            starts_.push_back(close + 5);
        }
        if (const std::string field = attributeIn(tag, "name"); !field.empty()) fields_.emplace(field, at);
    }
}

std::size_t SheetQuestions::fieldStart(const std::string& field) const {
    const auto found = fields_.find(field);
    return found == fields_.end() ? std::string::npos : found->second;
}

std::string SheetQuestions::segmentAround(std::size_t fieldAt) const {
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), fieldAt);
    const std::size_t start = after == starts_.begin() ? 0 : *std::prev(after);
    const auto end = std::upper_bound(ends_.begin(), ends_.end(), fieldAt);
    return html_.substr(start, end == ends_.end() ? std::string::npos : *end - start);
}

std::string SheetQuestions::of(const std::string& field) const {
    const std::size_t at = fieldStart(field);
    if (at == std::string::npos) return "";
    std::string text;
    for (const Piece& piece : piecesOf(segmentAround(at))) text += piece.text;
    return tidy(text);
}

std::string SheetQuestions::fractionOf(const std::string& numeratorField) const {
    const std::size_t at = fieldStart(numeratorField);
    if (at == std::string::npos) return "";
    const std::size_t table = html_.rfind("<table", at);
    const std::size_t end = html_.find("</table>", at);
    if (table == std::string::npos || end == std::string::npos) return "";
    // Row one: number, numerator, sign, numerator, "=", field, mark; row two:
    // denominator, denominator, field.
    std::vector<std::vector<std::string>> rows(1);
    std::string cell;
    for (const Piece& piece : piecesOf(html_.substr(table, end - table))) {
        if (piece.cellEnd) {
            rows.back().push_back(tidy(cell));
            cell.clear();
        } else if (piece.rowEnd) {
            rows.emplace_back();
        } else {
            cell += piece.text;
        }
    }
    if (rows.size() < 2 || rows[0].size() < 5 || rows[1].size() < 2) return "";
    return rows[0][1] + "/" + rows[1][0] + rows[0][2] + rows[0][3] + "/" + rows[1][1] + rows[0][4];
}

}  // namespace tally
