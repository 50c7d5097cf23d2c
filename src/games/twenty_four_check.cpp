#include "games/twenty_four_check.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "sheets/typed_answer.h"

namespace tally {
namespace {

// An exact fraction; the values of four cards up to 10 stay far from overflow.
struct Fraction {
    std::int64_t num = 0;
    std::int64_t den = 1;
};

Fraction reduced(std::int64_t num, std::int64_t den) {
    if (den < 0) num = -num, den = -den;
    const std::int64_t g = std::gcd(num, den);
    return g > 1 ? Fraction{num / g, den / g} : Fraction{num, den};
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
            if (take('+')) {
                auto right = product();
                if (!right) return std::nullopt;
                left = reduced(left->num * right->den + right->num * left->den, left->den * right->den);
            } else if (take('-')) {
                auto right = product();
                if (!right) return std::nullopt;
                left = reduced(left->num * right->den - right->num * left->den, left->den * right->den);
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
                left = reduced(left->num * right->num, left->den * right->den);
            } else if (take('/')) {
                auto right = factor();
                if (!right || right->num == 0) return std::nullopt;
                left = reduced(left->num * right->den, left->den * right->num);
            } else {
                break;
            }
        }
        return left;
    }

    std::optional<Fraction> factor() {
        if (take('(')) {
            auto inner = sum();
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
    const std::string text = withoutResult(asciiOperators(foldTypedAnswer(typed)));
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
