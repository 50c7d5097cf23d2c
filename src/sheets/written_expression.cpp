// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/written_expression.h"

#include <cctype>
#include <string_view>
#include <utility>

#include "progress/record_values.h"

namespace tally {
namespace {

// Terms of more digits than this are no question of a sheet; a typed answer
// may be longer.
constexpr std::size_t kMostDigits = 9;
constexpr std::size_t kMostTypedDigits = 15;

bool endsWith(const std::string& text, std::string_view end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The text without its final blank, its ＝ and the lines between: only the
// terms and signs are left, in one-byte signs.
std::optional<std::string> termsOf(std::string text) {
    const auto trimEnd = [&text] {
        static constexpr std::string_view kTrailing[] = {" ", "\n", "-", "=", "＝"};
        for (bool trimmed = true; trimmed;) {
            trimmed = false;
            for (std::string_view end : kTrailing) {
                if (endsWith(text, end)) {
                    text.resize(text.size() - end.size());
                    trimmed = true;
                }
            }
        }
    };
    trimEnd();
    if (!endsWith(text, kAnswerBlank)) return std::nullopt;
    text.resize(text.size() - std::string_view(kAnswerBlank).size());
    trimEnd();
    static const std::pair<std::string_view, char> kSigns[] = {
        {"＋", '+'}, {"－", '-'}, {"×", '*'}, {"÷", '/'}, {"（", '('}, {"）", ')'},
        {"+", '+'},  {"-", '-'},  {"(", '('}, {")", ')'}, {" ", 0},   {"\n", 0}};
    std::string terms;
    for (std::size_t at = 0; at < text.size();) {
        if (std::isdigit(static_cast<unsigned char>(text[at]))) {
            terms += text[at++];
            continue;
        }
        bool known = false;
        for (const auto& [written, sign] : kSigns) {
            if (text.compare(at, written.size(), written) != 0) continue;
            if (sign) terms += sign;
            at += written.size();
            known = true;
            break;
        }
        if (!known) return std::nullopt;
    }
    return terms;
}

// Recursive descent in the usual order: brackets, × ÷, then ＋ －, each left to right.
class Reader {
public:
    explicit Reader(std::string terms) : terms_(std::move(terms)) {}

    std::optional<WrittenExpression> whole() {
        auto read = sum();
        if (!read || at_ != terms_.size()) return std::nullopt;
        return read;
    }

private:
    std::string terms_;
    std::size_t at_ = 0;

    char next() const { return at_ < terms_.size() ? terms_[at_] : '\0'; }

    std::optional<WrittenExpression> chain(const char* signs, std::optional<WrittenExpression> (Reader::*part)()) {
        auto left = (this->*part)();
        while (left && next() != '\0' && std::string_view(signs).find(next()) != std::string_view::npos) {
            const char sign = terms_[at_++];
            auto right = (this->*part)();
            if (!right) return std::nullopt;
            WrittenExpression step;
            step.sign = sign;
            step.left = std::make_unique<WrittenExpression>(std::move(*left));
            step.right = std::make_unique<WrittenExpression>(std::move(*right));
            left = std::move(step);
        }
        return left;
    }
    std::optional<WrittenExpression> sum() { return chain("+-", &Reader::product); }
    std::optional<WrittenExpression> product() { return chain("*/", &Reader::term); }
    std::optional<WrittenExpression> term() {
        if (next() == '(') {
            ++at_;
            auto inside = sum();
            if (!inside || next() != ')') return std::nullopt;
            ++at_;
            return inside;
        }
        const std::size_t from = at_;
        while (std::isdigit(static_cast<unsigned char>(next()))) ++at_;
        if (at_ == from || at_ - from > kMostDigits) return std::nullopt;
        WrittenExpression number;
        number.number = std::stoll(terms_.substr(from, at_ - from));
        return number;
    }
};

}  // namespace

std::optional<WrittenExpression> readWrittenExpression(const std::string& question) {
    const std::optional<std::string> terms = termsOf(question);
    if (!terms) return std::nullopt;
    return Reader(*terms).whole();
}

std::optional<long long> stepValue(long long a, char sign, long long b) {
    long long value = 0;
    switch (sign) {
        case '+': return __builtin_add_overflow(a, b, &value) ? std::nullopt : std::optional<long long>(value);
        case '-': return a >= b ? std::optional<long long>(a - b) : std::nullopt;
        case '*': return __builtin_mul_overflow(a, b, &value) ? std::nullopt : std::optional<long long>(value);
        case '/': return b != 0 && a % b == 0 ? std::optional<long long>(a / b) : std::nullopt;
        default: return std::nullopt;
    }
}

std::optional<long long> typedWholeNumber(const std::string& typed) {
    if (typed.empty() || typed.size() > kMostTypedDigits) return std::nullopt;
    for (char c : typed) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    }
    return std::stoll(typed);
}

}  // namespace tally
