// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/error_kinds.h"

#include <numeric>
#include <optional>
#include <regex>
#include <set>

#include "sheets/slip_rules.h"
#include "sheets/written_expression.h"

namespace tally {
namespace {

// A question's right value and the values one slipped step gives.
struct Outcomes {
    std::optional<long long> right;
    std::set<long long> oneSlip;
};

Outcomes outcomesOf(const WrittenExpression& expression) {
    if (expression.isNumber()) return {expression.number, {}};
    const Outcomes left = outcomesOf(*expression.left);
    const Outcomes right = outcomesOf(*expression.right);
    if (!left.right || !right.right) return {};
    Outcomes outcomes{stepValue(*left.right, expression.sign, *right.right), {}};
    if (!outcomes.right) return {};
    const auto keep = [&](std::optional<long long> value) {
        if (value && *value != *outcomes.right) outcomes.oneSlip.insert(*value);
    };
    for (long long slipped : left.oneSlip) keep(stepValue(slipped, expression.sign, *right.right));
    for (long long slipped : right.oneSlip) keep(stepValue(*left.right, expression.sign, slipped));
    const TwoTerms step{*left.right, expression.sign, *right.right};
    for (const SlipRule& rule : kStepSlips) {
        for (long long slipped : rule.answers(step)) keep(slipped);
    }
    return outcomes;
}

bool isStepOfTwoNumbers(const WrittenExpression& expression) {
    return !expression.isNumber() && expression.left->isNumber() && expression.right->isNumber();
}

// The wrong answers a kind's rule gives for the question, without the right one.
std::set<long long> wrongAnswers(ErrorKind kind, const WrittenExpression& expression) {
    std::set<long long> answers;
    if (kind == ErrorKind::OneStep) {
        if (!isStepOfTwoNumbers(expression) && !expression.isNumber()) answers = outcomesOf(expression).oneSlip;
        return answers;
    }
    if (!isStepOfTwoNumbers(expression)) return answers;
    const TwoTerms step{expression.left->number, expression.sign, expression.right->number};
    const std::optional<long long> right = stepValue(step.a, step.sign, step.b);
    if (!right) return answers;
    for (const SlipRule& rule : kStepSlips) {
        if (rule.kind == kind) answers = rule.answers(step);
    }
    answers.erase(*right);
    return answers;
}

struct Fraction {
    long long numerator = 0;
    long long denominator = 1;
};

std::optional<Fraction> fractionOf(const std::string& text) {
    static const std::regex written(R"((\d{1,9})(?:/(\d{1,9}))?)");
    std::smatch parts;
    if (!std::regex_match(text, parts, written)) return std::nullopt;
    const Fraction fraction{std::stoll(parts[1]), parts[2].matched ? std::stoll(parts[2]) : 1};
    if (fraction.denominator == 0) return std::nullopt;
    return fraction;
}

bool notReduced(const std::string& typed, const std::string& correct) {
    const std::optional<Fraction> given = fractionOf(typed);
    const std::optional<Fraction> right = fractionOf(correct);
    return given && right && typed.find('/') != std::string::npos &&
           std::gcd(given->numerator, given->denominator) > 1 &&
           given->numerator * right->denominator == right->numerator * given->denominator;
}

// The result of a question of fractions as it is first worked out, before
// any reducing: over the common denominator for ＋ and －, numerators times
// numerators for ×, times the flipped divisor for ÷; 约分's fraction itself.
std::optional<Fraction> unreducedResult(const std::string& question) {
    static const std::regex single(R"((?:.*：)?(\d{1,4})/(\d{1,4})＝?)");
    static const std::regex pair(R"((\d{1,4})(?:/(\d{1,4}))?(＋|－|×|÷|\+|-)(\d{1,4})(?:/(\d{1,4}))?(?:＝|=)?)");
    std::smatch parts;
    if (std::regex_match(question, parts, single)) return Fraction{std::stoll(parts[1]), std::stoll(parts[2])};
    if (!std::regex_match(question, parts, pair)) return std::nullopt;
    const auto part = [&](int at) { return parts[at].matched ? std::stoll(parts[at]) : 1LL; };
    const long long p = std::stoll(parts[1]), q = part(2), r = std::stoll(parts[4]), s = part(5);
    if (q == 0 || s == 0) return std::nullopt;
    const std::string sign = parts[3];
    if (sign == "×") return Fraction{p * r, q * s};
    if (sign == "÷") return r == 0 ? std::nullopt : std::optional<Fraction>(Fraction{p * s, q * r});
    const long long common = std::lcm(q, s);
    const long long first = p * (common / q), second = r * (common / s);
    if (sign == "＋" || sign == "+") return Fraction{first + second, common};
    return first >= second ? std::optional<Fraction>(Fraction{first - second, common}) : std::nullopt;
}

}  // namespace

ErrorKind classifyMiss(const std::string& question, const std::string& typed, const std::string& correct) {
    if (notReduced(typed, correct)) return ErrorKind::NotReduced;
    const std::optional<long long> given = typedWholeNumber(typed);
    const std::optional<WrittenExpression> expression = readWrittenExpression(question);
    if (!given || !expression || expression->isNumber()) return ErrorKind::None;
    if (!isStepOfTwoNumbers(*expression)) {
        return outcomesOf(*expression).oneSlip.count(*given) ? ErrorKind::OneStep : ErrorKind::None;
    }
    for (const SlipRule& rule : kStepSlips) {
        if (wrongAnswers(rule.kind, *expression).count(*given)) return rule.kind;
    }
    return ErrorKind::None;
}

bool kindCanHappen(ErrorKind kind, const std::string& question, const std::string& correct) {
    if (kind == ErrorKind::NotReduced) {
        const std::optional<Fraction> result = unreducedResult(question);
        return result && fractionOf(correct) && std::gcd(result->numerator, result->denominator) > 1;
    }
    const std::optional<WrittenExpression> expression = readWrittenExpression(question);
    return expression && !wrongAnswers(kind, *expression).empty();
}

}  // namespace tally
