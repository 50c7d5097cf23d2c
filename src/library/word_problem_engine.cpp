// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/word_problem_engine.h"

#include <cmath>
#include <cstdint>

#include "sheets/expression.h"
#include "sheets/number_text.h"
#include "base/gbk.h"
#include "base/text.h"

namespace tally {
namespace {

using Whole = std::int64_t;

constexpr int kMostBoundDigits = 9;
constexpr double kLargestExactAnswer = 1e15;
constexpr int kMostQuotedCharacters = 30;

// A fault in a template: the reason, for the message to the parent.
struct Fault {
    std::string reason;
};

// A drawn value, or the fault that stopped the draw.
struct Drawn {
    Whole value = 0;
    std::optional<Fault> fault;
};

std::string firstCharacters(const std::string& text, int count) {
    std::size_t at = 0;
    for (int i = 0; i < count && at < text.size(); ++i) {
        do {
            ++at;
        } while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80);
    }
    return text.substr(0, at);
}

// Text of the template quoted in a message, cut to a few words.
std::string quoted(const std::string& text) {
    const std::string shown = firstCharacters(text, kMostQuotedCharacters);
    return "“" + shown + (shown.size() < text.size() ? "…" : "") + "”";
}

// The usual leading-number rule: blanks, an optional sign, then digits; text
// after the number is ignored. No digits or too many give nothing.
std::optional<Whole> readBound(const std::string& text, std::size_t from) {
    while (from < text.size() && text[from] == ' ') ++from;
    const bool negative = from < text.size() && text[from] == '-';
    if (negative) ++from;
    Whole value = 0;
    int digits = 0;
    for (; from < text.size() && text[from] >= '0' && text[from] <= '9'; ++from) {
        if (++digits > kMostBoundDigits) return std::nullopt;
        value = value * 10 + (text[from] - '0');
    }
    if (digits == 0) return std::nullopt;
    return negative ? -value : value;
}

// Int(a + (b - a) × R): a whole number from a to b - 1.
Whole drawFrom(Whole low, Whole high, RandomSource& random) {
    return drawInt(random, static_cast<double>(high - low), static_cast<int>(low));
}

// An even number from a to b - 1, each equally likely, drawn directly so that
// no range can keep the draw going.
std::optional<Whole> drawEven(Whole low, Whole high, RandomSource& random) {
    const Whole first = low % 2 == 0 ? low : low + 1;
    const Whole last = (high - 1) % 2 == 0 ? high - 1 : high - 2;
    if (last < first) return std::nullopt;
    return first + 2 * drawFrom(0, (last - first) / 2 + 1, random);
}

// The range inside a marker, "a_b" or "a#b", drawn.
Drawn drawRange(const std::string& marker, std::size_t valueAt, RandomSource& random) {
    const std::size_t whole = marker.find('_', valueAt);
    const std::size_t even = marker.find('#', valueAt);
    const std::size_t separator = whole != std::string::npos ? whole : even;
    if (separator == std::string::npos) return {0, Fault{quoted(marker) + "里没有“_”或“#”"}};
    const auto low = readBound(marker, valueAt);
    const auto high = readBound(marker, separator + 1);
    if (!low || !high) return {0, Fault{quoted(marker) + "里的数不对（最多九位数）"}};
    if (*high <= *low) return {0, Fault{quoted(marker) + "的范围里没有数"}};
    if (separator == whole) return {drawFrom(*low, *high, random), std::nullopt};
    const auto value = drawEven(*low, *high, random);
    if (!value) return {0, Fault{quoted(marker) + "的范围里没有双数"}};
    return {*value, std::nullopt};
}

// The marker that starts with `opening` and ends at the next ")".
std::optional<std::string> markerAt(const std::string& line, const std::string& opening) {
    const std::size_t begin = line.find(opening);
    if (begin == std::string::npos) return std::nullopt;
    const std::size_t end = line.find(')', begin);
    if (end == std::string::npos) return std::nullopt;
    return line.substr(begin, end - begin + 1);
}

// A number as it goes into an expression: negative ones in brackets.
std::string literal(Whole value) {
    const std::string text = std::to_string(value);
    return value < 0 ? "(" + text + ")" : text;
}


std::string withoutBlanks(std::string text) { return replaceAll(std::move(text), " ", ""); }

// The letters of a template and the numbers drawn for them.
struct Letters {
    Whole x = 0;
    std::optional<Whole> y;
    std::optional<Whole> l;
};

// A marker found in the line and the number drawn for it.
struct RangeDraw {
    std::string marker;
    Whole value = 0;
    std::optional<Fault> fault;
};

RangeDraw drawSpec(const std::string& line, const std::string& opening, RandomSource& random) {
    const auto marker = markerAt(line, opening);
    if (!marker) return {"", 0, Fault{quoted(opening) + "后面少了“)”"}};
    const Drawn drawn = drawRange(*marker, opening.size(), random);
    return {*marker, drawn.value, drawn.fault};
}

// x, then y (a multiple of x with "y=x*", else a range of its own), then l
// when the line has a y; each marker is replaced by its number.
std::optional<Fault> fillLetters(std::string& line, Letters& letters, RandomSource& random) {
    const RangeDraw x = drawSpec(line, "(x=", random);
    if (x.fault) return x.fault;
    letters.x = x.value;
    line = replaceAll(line, x.marker, std::to_string(x.value));

    const bool multiple = line.find("y=x*") != std::string::npos;
    if (!multiple && line.find("(y=") == std::string::npos) return std::nullopt;
    const RangeDraw y = drawSpec(line, multiple ? "(y=x*" : "(y=", random);
    if (y.fault) return y.fault;
    letters.y = multiple ? letters.x * y.value : y.value;
    line = replaceAll(line, y.marker, std::to_string(*letters.y));

    if (line.find("(l=") == std::string::npos) return std::nullopt;
    const RangeDraw l = drawSpec(line, "(l=", random);
    if (l.fault) return l.fault;
    letters.l = l.value;
    line = replaceAll(line, l.marker, std::to_string(l.value));
    return std::nullopt;
}

// The remainder form: z is what is left of x divided by y; the unit runs to
// the line's last "?".
FilledTemplate remainderAnswer(const Letters& letters, const std::string& textAfterZ) {
    if (!letters.y) return {std::nullopt, "求余数的题目里没有y"};
    if (*letters.y == 0) return {std::nullopt, "求余数时除数是0"};
    const std::string z = std::to_string(letters.x % *letters.y);
    const std::size_t mark = textAfterZ.rfind('?');
    const std::string unit = mark == std::string::npos ? answerUnit(textAfterZ) : textAfterZ.substr(0, mark);
    return {WordProblem{"", z + unit,
                        std::to_string(letters.x) + "除以" + std::to_string(*letters.y) + "的余数=" + z + unit},
            ""};
}

FilledTemplate expressionAnswer(const Letters& letters, const std::string& expression,
                                const std::string& textAfterZ) {
    std::string filled = replaceAll(expression, "x", literal(letters.x));
    if (letters.y) filled = replaceAll(filled, "y", literal(*letters.y));
    if (letters.l) filled = replaceAll(filled, "l", literal(*letters.l));
    filled = withoutBlanks(filled);
    const auto value = evaluateExpression(filled);
    if (!value) return {std::nullopt, "算式" + quoted(expression) + "算不出来"};
    if (std::fabs(*value) >= kLargestExactAnswer) return {std::nullopt, "算式" + quoted(expression) + "的得数太大"};
    const std::string unit = answerUnit(textAfterZ);
    const std::string z = numberText(*value);
    return {WordProblem{"", z + unit, filled + "=" + z + unit}, ""};
}

}  // namespace

bool isWordProblemTemplate(const std::string& line) {
    return line.find("(x=") != std::string::npos && line.find("(z=") != std::string::npos;
}

FilledTemplate fillTemplate(const std::string& line, RandomSource& random) {
    if (line.size() > kLongestTemplateLine) {
        return {std::nullopt, "这一行太长了（一行最多" + std::to_string(kLongestTemplateLine / 3) + "个字）"};
    }
    // The answer box keeps the answer and its working joined by "|": a bar of
    // the parent's text is shown in its full-width form, which a child may type
    // either way, so the answer and the working are always told apart.
    std::string question = replaceAll(line, "|", "｜");
    Letters letters;
    if (auto fault = fillLetters(question, letters, random)) return {std::nullopt, fault->reason};

    const std::size_t zBegin = question.find("(z=");
    const std::size_t zEnd = question.rfind(')');
    if (zBegin == std::string::npos || zEnd == std::string::npos || zEnd < zBegin) {
        return {std::nullopt, "“(z=”后面少了“)”"};
    }
    const std::string opening = "(z=";
    const std::string textAfterZ = question.substr(zEnd + 1);
    FilledTemplate filled =
        question.find("qiuu") != std::string::npos
            ? remainderAnswer(letters, textAfterZ)
            : expressionAnswer(letters, question.substr(zBegin + opening.size(), zEnd - zBegin - opening.size()),
                               textAfterZ);
    if (filled.problem) filled.problem->question = question.replace(zBegin, zEnd - zBegin + 1, "多少");
    return filled;
}

std::string answerUnit(const std::string& textAfterZ) {
    const std::string first = firstCharacters(textAfterZ, 1);
    // A blank, a tab or another control character is no unit: nobody types it.
    if (first.size() == 1 && static_cast<unsigned char>(first[0]) <= ' ') return "";
    if (first == "千") return firstCharacters(textAfterZ, 2);
    if (first != "平") return first;
    const std::string three = firstCharacters(textAfterZ, 3);
    return three == "平方米" ? three : firstCharacters(textAfterZ, 4);
}

}  // namespace tally
