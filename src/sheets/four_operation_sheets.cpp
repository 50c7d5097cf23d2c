// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/four_operation_sheets.h"

#include <optional>
#include <string>

#include "base/text.h"
#include "sheets/marking.h"
#include "sheets/number_text.h"
#include "sheets/sheet.h"

namespace tally {
namespace {

using std::to_string;

constexpr int kQuestions = 10;

// Operands Int(R × span) + base: 2..21, 20..69, 50..149.
struct OperandRange {
    double span;
    int base;
};
constexpr OperandRange kSimple{20, 2};
constexpr OperandRange kMedium{50, 20};
constexpr OperandRange kHard{100, 50};

struct FourOperationTopic {
    OperandRange range;
    bool divisionSet;
    bool wholeResult;
    // A division sheet whose answers need not be whole: "得数保留两位小数".
    bool twoDecimals() const { return divisionSet && !wholeResult; }
};

std::optional<FourOperationTopic> fourOperationTopic(int topic) {
    switch (topic) {
        case 9002: return FourOperationTopic{kSimple, false, false};
        case 9003: return FourOperationTopic{kMedium, false, false};
        case 9004: return FourOperationTopic{kHard, false, false};
        case 9005: return FourOperationTopic{kSimple, true, true};
        case 9006: return FourOperationTopic{kMedium, true, true};
        case 9007: return FourOperationTopic{kHard, true, true};
        case 9008: return FourOperationTopic{kSimple, true, false};
        case 9009: return FourOperationTopic{kMedium, true, false};
        case 9001: return FourOperationTopic{kHard, true, false};
        default: return std::nullopt;
    }
}

struct Operands {
    int a, b, c, d;
};

// The exact value of an expression, numerator over a positive denominator.
struct Quotient {
    long long numerator;
    long long denominator;
    bool whole() const { return numerator % denominator == 0; }
};

// Each template of a set comes as two halves: its condition and exact value,
// decided on the drawn whole numbers alone, and its text, written only for a
// draw that is kept. So a rejected draw costs a few multiplications.
std::optional<Quotient> divisionValue(int question, const Operands& n) {
    const long long a = n.a, b = n.b, c = n.c, d = n.d;
    switch ((question - 1) / 2) {
        case 0:
            if (a <= b || c <= d) return std::nullopt;
            return Quotient{a - b, c - d};
        case 1:
            if (c <= d) return std::nullopt;
            return Quotient{a + b, c - d};
        case 2: return Quotient{a, d};  // (a + b×c − b×c) ÷ d
        case 3:
            if (c * d == 0) return std::nullopt;
            return Quotient{a * b, c * d};
        default:
            if (d == 0) return std::nullopt;
            return Quotient{a + b * c, d};
    }
}

std::string divisionText(int question, const Operands& n) {
    const auto [a, b, c, d] = n;
    switch ((question - 1) / 2) {
        case 0: return "(" + to_string(a) + "-" + to_string(b) + ")/(" + to_string(c) + "-" + to_string(d) + ")";
        case 1: return "(" + to_string(a) + "+" + to_string(b) + ")/(" + to_string(c) + "-" + to_string(d) + ")";
        case 2: return "(" + to_string(a + b * c) + "-" + to_string(b) + "*" + to_string(c) + ")/" + to_string(d);
        case 3: return "(" + to_string(a) + "*" + to_string(b) + ")/(" + to_string(c) + "*" + to_string(d) + ")";
        default: return "(" + to_string(a) + "+" + to_string(b) + "*" + to_string(c) + ")/" + to_string(d);
    }
}

std::optional<Quotient> productValue(int question, const Operands& n) {
    const long long a = n.a, b = n.b, c = n.c, d = n.d;
    switch ((question - 1) / 2) {
        case 0:
            if (a * b - c * d < 0) return std::nullopt;
            return Quotient{a * b - c * d, 1};
        case 1: return Quotient{a * b + c * d, 1};
        case 2:
            if (a <= b || c <= d) return std::nullopt;
            return Quotient{(a - b) * (c - d), 1};
        case 3:
            if (c < d) return std::nullopt;
            return Quotient{(a + b) * (c - d), 1};
        default: return Quotient{(a + b) * (c + d), 1};
    }
}

std::string productText(int question, const Operands& n) {
    const auto [a, b, c, d] = n;
    switch ((question - 1) / 2) {
        case 0: return to_string(a) + "*" + to_string(b) + "-" + to_string(c) + "*" + to_string(d);
        case 1: return to_string(a) + "*" + to_string(b) + "+" + to_string(c) + "*" + to_string(d);
        case 2: return "(" + to_string(a) + "-" + to_string(b) + ")*(" + to_string(c) + "-" + to_string(d) + ")";
        case 3: return "(" + to_string(a) + "+" + to_string(b) + ")*(" + to_string(c) + "-" + to_string(d) + ")";
        default: return "(" + to_string(a) + "+" + to_string(b) + ")*(" + to_string(c) + "+" + to_string(d) + ")";
    }
}

struct Question {
    std::string shown;
    std::string answer;
};

// One attempt at question i; nothing when it must be drawn again.
std::optional<Question> tryQuestion(FamilyContext& context, const FourOperationTopic& topic, int question,
                                    const std::string& history) {
    const OperandRange r = topic.range;
    const Operands n{context.draw(r.span, r.base), context.draw(r.span, r.base), context.draw(r.span, r.base),
                     context.draw(r.span, r.base)};
    const auto value = topic.divisionSet ? divisionValue(question, n) : productValue(question, n);
    if (!value || (topic.wholeResult && !value->whole())) return std::nullopt;

    std::string shown = replaceAll(topic.divisionSet ? divisionText(question, n) : productText(question, n), "*", "×");
    if (topic.divisionSet) shown = replaceAll(shown, "/", "÷");
    // Also refuses a text that is part of an earlier, longer one.
    if (topic.divisionSet && history.find(shown) != std::string::npos) return std::nullopt;
    // The quotient of two exact whole numbers, divided once as the script
    // engine divides; a sheet that asks for two decimals takes them as its key
    // (3.00, 0.60), and the marking accepts 3 and 0.6 beside them.
    const std::string answer =
        numberText(static_cast<double>(value->numerator) / static_cast<double>(value->denominator));
    return Question{shown, topic.twoDecimals() ? roundDecimalText(answer, 2) : answer};
}

}  // namespace

// Ten expressions over four drawn numbers. Every template has thousands of
// acceptable texts and the history holds at most nine, so a redraw always
// finds a new question.
bool FourOperationFamily::builds(const TopicTagParts& tag) const {
    return tag.sigil == "{" && (tag.number == 900 || between(tag.number, 9001, 9009));
}

bool FourOperationFamily::marks(const std::string& gradingKey) const {
    return gradingKey.starts_with("q9") && gradingKey.size() >= 4;
}

void FourOperationFamily::build(FamilyContext& context, const TopicClick& click, Sheet& sheet) {
    const auto topic = fourOperationTopic(click.tag.number);
    if (!topic) return;
    std::string history;
    if (topic->twoDecimals()) sheet.html += sheetNote("得数保留两位小数。");
    for (int i = 1; i <= kQuestions; ++i) {
        std::optional<Question> question;
        do {
            question = tryQuestion(context, *topic, i, history);
        } while (!question);
        if (topic->divisionSet) history += question->shown;
        sheet.html += questionHead(i) + question->shown + "= " + answerField(i, question->answer) + "<br><br>";
    }
    sheet.html += std::string(kFinishButton) + "<br><br>";
}

std::optional<MarkedSheet> FourOperationFamily::mark(FamilyContext& context, const std::string&) {
    return markEachQuestion(context.page, context.thinkSeconds);
}

TopicSections FourOperationFamily::topics(const std::string& tab, const DataDirectory& /*data*/) const {
    if (tab != "T8") return {};
    return {{{
        {"q900", "四则运算", "{900", ""},
        {"q9002", "加减乘简单", "{9002", "q900"},
        {"q9003", "加减乘中等", "{9003", "q900"},
        {"q9004", "加减乘较难", "{9004", "q900"},
        {"q9005", "加减乘除简单", "{9005", "q900"},
        {"q9006", "加减乘除中等", "{9006", "q900"},
        {"q9007", "加减乘除较难", "{9007", "q900"},
        {"q9008", "结果小数的加减乘除简单", "{9008", "q900"},
        {"q9009", "结果小数的加减乘除中等", "{9009", "q900"},
        {"q9001", "结果小数的加减乘除较难", "{9001", "q900"},
    }}};
}

}  // namespace tally
