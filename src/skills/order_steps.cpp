// SPDX-License-Identifier: GPL-3.0-or-later
// 脱式: one operation a line in the order of operations, the bracket first,
// then × and ÷, then ＋ and －, each from left to right. The first line is
// the question; each line after it starts with ＝ and states the terms left.
#include <algorithm>
#include <optional>

#include "skills/steps_builders.h"

namespace tally {

namespace {

struct Expression {
    std::vector<long long> terms;
    std::vector<Sign> signs;
    std::optional<int> bracketFrom;
};

bool firstLevel(Sign sign) { return sign == Sign::times || sign == Sign::divide; }

std::string expressionText(const Expression& e) {
    std::string text;
    for (std::size_t i = 0; i < e.terms.size(); ++i) {
        if (i > 0) text += signText(e.signs[i - 1]);
        if (e.bracketFrom && static_cast<std::size_t>(*e.bracketFrom) == i) text += "（";
        text += std::to_string(e.terms[i]);
        if (e.bracketFrom && static_cast<std::size_t>(*e.bracketFrom) + 1 == i) text += "）";
    }
    return text;
}

std::optional<long long> apply(long long a, Sign sign, long long b) {
    switch (sign) {
        case Sign::plus: return a + b;
        case Sign::minus: return a >= b ? std::optional(a - b) : std::nullopt;
        case Sign::times: return a * b;
        default: return b != 0 && a % b == 0 ? std::optional(a / b) : std::nullopt;
    }
}

// Which operation comes next, and the rule that says so.
std::pair<std::size_t, std::string> nextOperation(const Expression& e, bool bracketDone, bool mixedLevels) {
    if (e.bracketFrom) return {static_cast<std::size_t>(*e.bracketFrom), "先算括号里面的"};
    const auto first = std::find_if(e.signs.begin(), e.signs.end(), firstLevel);
    if (first != e.signs.end()) {
        const std::size_t at = static_cast<std::size_t>(first - e.signs.begin());
        return {at, mixedLevels ? (bracketDone ? "再算乘除" : "先算乘除") : "从左往右依次计算"};
    }
    return {0, mixedLevels || bracketDone ? "最后算加减" : "从左往右依次计算"};
}

}  // namespace

std::optional<QuestionSteps> orderOfOperationsSteps(const SkillQuestion& question) {
    Expression e;
    for (const SkillNumber& term : question.terms) e.terms.push_back(term.numerator);
    e.signs = question.signs;
    e.bracketFrom = question.bracketFrom;
    const bool mixedLevels = std::any_of(e.signs.begin(), e.signs.end(), firstLevel) &&
                             !std::all_of(e.signs.begin(), e.signs.end(), firstLevel);
    QuestionSteps steps;
    steps.kind = StepsKind::orderOfOps;
    steps.title = "脱式计算";
    steps.lines.push_back({expressionText(e), e.terms, ""});
    bool bracketDone = false;
    std::string lastRule;
    while (e.terms.size() > 1) {
        auto [at, rule] = nextOperation(e, bracketDone, mixedLevels);
        const auto value = apply(e.terms[at], e.signs[at], e.terms[at + 1]);
        if (!value) return std::nullopt;
        bracketDone = bracketDone || e.bracketFrom.has_value();
        e.bracketFrom.reset();
        e.terms[at] = *value;
        e.terms.erase(e.terms.begin() + static_cast<long>(at) + 1);
        e.signs.erase(e.signs.begin() + static_cast<long>(at));
        steps.lines.push_back({"＝" + expressionText(e), e.terms, rule == lastRule ? "" : rule});
        lastRule = rule;
    }
    return steps;
}

}  // namespace tally
