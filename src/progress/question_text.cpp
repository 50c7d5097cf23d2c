#include "progress/question_text.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <vector>

#include "progress/progress_record.h"

namespace tally {
namespace {

constexpr const char* kQuestionEnd = "<br><br>";

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

std::size_t SheetQuestions::fieldStart(const std::string& field) const {
    for (const std::string& form : {"name=" + field, "name=\"" + field + "\""}) {
        std::size_t at = 0;
        while ((at = html_.find(form, at)) != std::string::npos) {
            const std::size_t after = at + form.size();
            if (after < html_.size() && (isSpace(html_[after]) || html_[after] == '>' || html_[after] == '"')) {
                return html_.rfind('<', at);
            }
            at = after;
        }
    }
    return std::string::npos;
}

std::string SheetQuestions::segmentAround(std::size_t fieldAt) const {
    std::size_t start = 0;
    const std::string before = html_.substr(0, fieldAt);
    for (const std::string& boundary : {std::string(kQuestionEnd), std::string("</p>"), std::string("<p>")}) {
        const std::size_t found = before.rfind(boundary);
        if (found != std::string::npos) start = std::max(start, found + boundary.size());
    }
    const std::size_t end = html_.find(kQuestionEnd, fieldAt);
    return html_.substr(start, end == std::string::npos ? std::string::npos : end - start);
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
