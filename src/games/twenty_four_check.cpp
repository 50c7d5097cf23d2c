// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/twenty_four_check.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "sheets/typed_answer.h"

namespace tally {
namespace {

// What is read at all: a right answer is a few dozen characters, and
// brackets nest no deeper than a person writes them.
constexpr std::size_t kLongestAnswer = 200;
constexpr int kDeepestBrackets = 100;

// An exact fraction. Four cards keep it small; a typed answer may not, so
// every step checks for overflow and a value too large to hold is no answer.
struct Fraction {
    std::int64_t num = 0;
    std::int64_t den = 1;
};

using MaybeFraction = std::optional<Fraction>;

MaybeFraction reduced(std::int64_t num, std::int64_t den) {
    constexpr std::int64_t kLowest = std::numeric_limits<std::int64_t>::min();
    if (den == 0 || num == kLowest || den == kLowest) return std::nullopt;
    if (den < 0) num = -num, den = -den;
    const std::int64_t g = std::gcd(num, den);
    return g > 1 ? Fraction{num / g, den / g} : Fraction{num, den};
}

// a*b + sign*c*d, or nothing when a step overflows.
MaybeFraction crossed(std::int64_t a, std::int64_t b, int sign, std::int64_t c, std::int64_t d, std::int64_t den) {
    std::int64_t left = 0;
    std::int64_t right = 0;
    std::int64_t total = 0;
    if (__builtin_mul_overflow(a, b, &left) || __builtin_mul_overflow(c, d, &right)) return std::nullopt;
    if (sign > 0 ? __builtin_add_overflow(left, right, &total) : __builtin_sub_overflow(left, right, &total)) {
        return std::nullopt;
    }
    return reduced(total, den);
}

MaybeFraction added(const Fraction& l, const Fraction& r, int sign) {
    std::int64_t den = 0;
    if (__builtin_mul_overflow(l.den, r.den, &den)) return std::nullopt;
    return crossed(l.num, r.den, sign, r.num, l.den, den);
}

MaybeFraction multiplied(std::int64_t num1, std::int64_t num2, std::int64_t den1, std::int64_t den2) {
    std::int64_t num = 0;
    std::int64_t den = 0;
    if (__builtin_mul_overflow(num1, num2, &num) || __builtin_mul_overflow(den1, den2, &den)) return std::nullopt;
    return reduced(num, den);
}

// The operators a child may type, as the four ASCII ones.
std::string asciiOperators(std::string text) {
    const std::pair<std::string_view, char> words[] = {{"×", '*'}, {"÷", '/'}, {"−", '-'}};
    for (const auto& [from, to] : words) {
        for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + 1)) {
            text.replace(at, from.size(), 1, to);
        }
    }
    std::replace(text.begin(), text.end(), 'x', '*');
    std::replace(text.begin(), text.end(), 'X', '*');
    return text;
}

// Recursive descent over + - * / and brackets; no unary signs, no decimals.
class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::optional<Fraction> parse() {
        auto value = sum();
        skipBlanks();
        if (!value || at_ != text_.size()) return std::nullopt;
        return value;
    }
    const std::vector<int>& numbers() const { return numbers_; }

private:
    std::string_view text_;
    size_t at_ = 0;
    int depth_ = 0;
    std::vector<int> numbers_;

    void skipBlanks() {
        while (at_ < text_.size() && text_[at_] == ' ') ++at_;
    }
    bool take(char c) {
        skipBlanks();
        if (at_ < text_.size() && text_[at_] == c) return ++at_, true;
        return false;
    }

    std::optional<Fraction> sum() {
        auto left = product();
        while (left) {
            const int sign = take('+') ? 1 : take('-') ? -1 : 0;
            if (sign != 0) {
                auto right = product();
                if (!right) return std::nullopt;
                left = added(*left, *right, sign);
            } else {
                break;
            }
        }
        return left;
    }

    std::optional<Fraction> product() {
        auto left = factor();
        while (left) {
            if (take('*')) {
                auto right = factor();
                if (!right) return std::nullopt;
                left = multiplied(left->num, right->num, left->den, right->den);
            } else if (take('/')) {
                auto right = factor();
                if (!right || right->num == 0) return std::nullopt;
                left = multiplied(left->num, right->den, left->den, right->num);
            } else {
                break;
            }
        }
        return left;
    }

    std::optional<Fraction> factor() {
        if (take('(')) {
            if (++depth_ > kDeepestBrackets) return std::nullopt;
            auto inner = sum();
            --depth_;
            if (!inner || !take(')')) return std::nullopt;
            return inner;
        }
        skipBlanks();
        int value = 0;
        size_t digits = 0;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9' && digits < 3) {
            value = value * 10 + (text_[at_++] - '0');
            ++digits;
        }
        if (digits == 0 || (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9')) return std::nullopt;
        numbers_.push_back(value);
        return Fraction{value, 1};
    }
};

// "…=24" at the end, as a child writes a sum down, is no part of the expression.
std::string withoutResult(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    if (text.size() < 3 || text.compare(text.size() - 2, 2, "24") != 0) return text;
    size_t at = text.size() - 2;
    while (at > 0 && text[at - 1] == ' ') --at;
    if (at == 0 || text[at - 1] != '=') return text;
    text.resize(at - 1);
    return text;
}

}  // namespace

bool makesTwentyFour(std::string_view typed, const std::array<int, 4>& cards) {
    if (typed.size() > 4 * kLongestAnswer) return false;
    const std::string text = withoutResult(asciiOperators(foldTypedAnswer(typed)));
    if (text.size() > kLongestAnswer) return false;
    Parser parser(text);
    const auto value = parser.parse();
    if (!value || value->num != 24 || value->den != 1) return false;
    std::vector<int> used = parser.numbers();
    std::vector<int> dealt(cards.begin(), cards.end());
    std::sort(used.begin(), used.end());
    std::sort(dealt.begin(), dealt.end());
    return used == dealt;
}

}  // namespace tally
