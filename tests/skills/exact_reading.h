// SPDX-License-Identifier: GPL-3.0-or-later
// The draw tests' own exact arithmetic: a question's text read with
// fractions of the test's own, the answer's key read back, and the one fitted
// to the other, whatever the generators did.
#pragma once
#include <gtest/gtest.h>

#include <numeric>
#include <optional>
#include <regex>
#include <string>

#include "skills/skill_question.h"

namespace tally::reading {

struct Ratio {
    long long n = 0;
    long long d = 1;  // 0 after a division by 0
    bool operator==(const Ratio&) const = default;
};
inline Ratio lowest(long long n, long long d) {
    if (d < 0) n = -n, d = -d;
    const long long g = std::gcd(n, d);
    return g == 0 ? Ratio{n, d} : Ratio{n / g, d / g};
}
inline Ratio operator+(Ratio a, Ratio b) { return lowest(a.n * b.d + b.n * a.d, a.d * b.d); }
inline Ratio operator-(Ratio a, Ratio b) { return lowest(a.n * b.d - b.n * a.d, a.d * b.d); }
inline Ratio operator*(Ratio a, Ratio b) { return lowest(a.n * b.n, a.d * b.d); }
inline Ratio operator/(Ratio a, Ratio b) { return lowest(a.n * b.d, a.d * b.n); }
inline bool operator<(Ratio a, Ratio b) { return a.n * b.d < b.n * a.d; }
inline long long tenTo(std::size_t k) { return k == 0 ? 1 : 10 * tenTo(k - 1); }

// Reads the text's arithmetic, the textbook's signs turned into one letter each.
class Reader {
public:
    Reader(std::string text, Ratio x) : x_(x) {
        const std::pair<const char*, const char*> signs[] = {{"＋", "+"}, {"－", "-"}, {"×", "*"}, {"÷", ":"},
                                                             {"∶", ":"}, {"（", "("}, {"）", ")"}, {"□", "x"}};
        for (const auto& [sign, ascii] : signs) {
            for (auto at = text.find(sign); at != std::string::npos; at = text.find(sign)) {
                text.replace(at, std::string(sign).size(), ascii);
            }
        }
        text_ = text;
    }
    std::optional<Ratio> value() {
        const Ratio v = sum();
        return at_ == text_.size() && v.d != 0 ? std::optional(v) : std::nullopt;
    }

private:
    std::string text_;
    std::size_t at_ = 0;
    Ratio x_;
    char peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
    Ratio sum() {
        Ratio v = product();
        while (peek() == '+' || peek() == '-') v = text_[at_++] == '+' ? v + product() : v - product();
        return v;
    }
    Ratio product() {
        Ratio v = factor();
        for (;;) {
            if (peek() == '*' || peek() == ':') v = text_[at_++] == '*' ? v * factor() : v / factor();
            else if (peek() == 'x' || peek() == '(') v = v * factor();
            else return v;
        }
    }
    Ratio factor() {
        if (peek() == '-') return ++at_, Ratio{0, 1} - factor();
        if (peek() == 'x') return ++at_, x_;
        if (peek() == '(') {
            ++at_;
            const Ratio v = sum();
            return peek() == ')' ? (++at_, v) : Ratio{0, 0};
        }
        return number();
    }
    std::string digits() {
        const std::size_t from = at_;
        while (std::isdigit(static_cast<unsigned char>(peek()))) ++at_;
        return text_.substr(from, at_ - from);
    }
    Ratio number() {
        const std::string whole = digits();
        if (whole.empty()) return {0, 0};
        Ratio v{std::stoll(whole), 1};
        if (peek() == '.') {
            ++at_;
            const std::string places = digits();
            if (!places.empty()) v = v + Ratio{std::stoll(places), tenTo(places.size())};
        } else if (peek() == '/') {
            ++at_;
            v = v / Ratio{std::stoll(digits()), 1};
        }
        if (peek() == '%') ++at_, v = v / Ratio{100, 1};
        return lowest(v.n, v.d);
    }
};

inline std::optional<Ratio> read(const std::string& text, Ratio x = {}) { return Reader(text, x).value(); }

// A key's value: 3.25, 3/4, 25%, 3:4, -3, or 0.1(6) with its repeating digits.
inline std::optional<Ratio> keyValue(const std::string& key) {
    const auto opens = key.find('(');
    if (opens == std::string::npos) return read(key);
    const auto point = key.find('.');
    const std::string repeating = key.substr(opens + 1, key.size() - opens - 2);
    const auto start = read(key.substr(0, opens));
    const long long scale = tenTo(opens - point - 1);
    return *start + Ratio{std::stoll(repeating), scale * (tenTo(repeating.size()) - 1)};
}

inline std::string after(const std::string& text, const std::string& mark) {
    const auto at = text.rfind(mark);
    return at == std::string::npos ? text : text.substr(at + mark.size());
}

inline std::smatch match(const std::string& text, const char* pattern) {
    std::smatch parts;
    std::regex_match(text, parts, std::regex(pattern));
    return parts;
}
inline long long at(const std::smatch& parts, int i) { return std::stoll(parts[i]); }

inline bool rounds(const std::string& text, const std::string& key, Ratio exact, Ratio value) {
    const std::size_t places = text.starts_with("保留一位") ? 1 : 2;
    const Ratio off = (value - exact) * Ratio{2 * tenTo(places), 1};
    const bool halfUp = off.n == 1 && off.d == 1;
    return key.size() - key.find('.') - 1 == places && ((Ratio{-1, 1} < off && off < Ratio{1, 1}) || halfUp);
}

// The answer as the text asks it, worked out from the text alone: the □ (or
// x) given the answer makes both sides equal, a ○ holds the two sides'
// order, ≈ rounds half up to the places asked.
inline bool answerFitsText(const SkillQuestion& q, const std::string& key) {
    if (q.layout == QuestionLayout::worded) return true;  // read by the skill's own check
    const auto value = keyValue(key);
    if (q.layout == QuestionLayout::split) {
        const auto split = match(q.text, R"((\d+)可以分成(\d+)和□)");
        return !split.empty() && value && *value == Ratio{at(split, 1) - at(split, 2), 1};
    }
    const std::string text = after(q.text, "：");
    if (const auto circle = text.find("○"); circle != std::string::npos) {
        const auto a = read(text.substr(0, circle)), b = read(text.substr(circle + std::string("○").size()));
        return a && b && key == (*b < *a ? ">" : *a < *b ? "<" : "=");
    }
    if (!value) return false;
    if (q.box) {
        const std::string equation = text.ends_with("，x＝") ? text.substr(0, text.size() - std::string("，x＝").size()) : text;
        const auto equals = equation.find("＝");
        const auto left = read(equation.substr(0, equals), *value);
        return left && left == read(equation.substr(equals + std::string("＝").size()), *value);
    }
    const auto equals = text.find(text.find("≈") != std::string::npos ? "≈" : "＝");
    const auto exact = read(text.substr(0, equals));
    if (!exact || equals + std::string("＝").size() != text.size()) return false;
    if (q.remainder) return *exact == *value + Ratio{*q.remainder, 1} / *read(after(text.substr(0, equals), "÷"));
    return q.approximate ? rounds(q.text, key, *exact, *value) : *exact == *value;
}

}  // namespace tally::reading
