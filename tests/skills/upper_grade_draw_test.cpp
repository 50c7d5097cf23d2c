// SPDX-License-Identifier: GPL-3.0-or-later
// Grades 4 to 6: every draw's answer worked out again from its text alone
// with exact fractions of the test's own, and each skill's bounds.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <numeric>
#include <regex>
#include <set>

#include "even_draws.h"
#include "exact_reading.h"
#include "skills/skill_table.h"

namespace tally {
namespace {

using namespace reading;

bool neverEnds(long long d) {
    while (d % 2 == 0) d /= 2;
    while (d % 5 == 0) d /= 5;
    return d > 1;
}

// The repeating digits as few as they can be and starting as early as they can.
bool shortestRepeat(const std::string& key) {
    const auto opens = key.find('(');
    const std::string digits = key.substr(opens + 1, key.size() - opens - 2);
    for (std::size_t length = 1; length < digits.size(); ++length) {
        std::string repeated;
        while (repeated.size() < digits.size()) repeated += digits.substr(0, length);
        if (repeated == digits) return false;
    }
    return key[opens - 1] == '.' || key[opens - 1] != digits.back();
}

// The key's own form: fractions and ratios in lowest terms, a recurring
// decimal that never ends, a percent where one is asked for.
bool keyInItsForm(const SkillQuestion& q, const std::string& key) {
    static const std::regex pair(R"((\d+)[/:](\d+))");
    std::smatch parts;
    if (std::regex_match(key, parts, pair) && std::gcd(std::stoll(parts[1]), std::stoll(parts[2])) != 1) return false;
    if (q.text.starts_with("化简比") != (key.find(':') != std::string::npos)) return false;
    if (q.text.starts_with("化成百分数") || q.text.ends_with("百分之几？")) return key.ends_with("%");
    if (key.find('(') != std::string::npos) {
        return q.text.starts_with("用循环小数") && neverEnds(keyValue(key)->d) && shortestRepeat(key);
    }
    return !q.text.starts_with("用循环小数");
}

using Check = std::function<bool(const SkillQuestion&, Ratio)>;
long long t(const SkillQuestion& q, std::size_t i) { return q.terms.at(i).numerator; }
Ratio v(const SkillQuestion& q, std::size_t i) { return lowest(q.terms.at(i).numerator, q.terms.at(i).denominator); }
bool in(long long value, long long low, long long high) { return low <= value && value <= high; }
bool in(Ratio value, long long low, long long high) { return !(value < Ratio{low, 1}) && !(Ratio{high, 1} < value); }
bool whole(Ratio r) { return r.d == 1; }
bool zeroDigit(long long n) { return std::to_string(n).find('0') != std::string::npos; }
bool signs(const SkillQuestion& q, std::vector<Sign> s) { return q.signs == s; }
bool places(Ratio r, long long most) { return whole(r * Ratio{tenTo(static_cast<std::size_t>(most)), 1}); }
bool twoPlaces(Ratio r) { return places(r, 2) && !places(r, 1); }
// Neither whole, one of them with two places, the second and `small` at most 5.
bool decimalTerms(const SkillQuestion& q, Ratio small) {
    const Ratio a = v(q, 0), b = v(q, 1);
    return !whole(a) && !whole(b) && in(small, 0, 5) && in(b, 0, 5) && (twoPlaces(a) || twoPlaces(b));
}
bool properLowest(Ratio r) { return r.n > 0 && r.n < r.d && r.d > 1; }
bool divides(const SkillQuestion& q, int lowOnes, int highOnes) {
    const long long quotient = q.result.numerator, divisor = t(q, 1);
    return signs(q, {Sign::divide}) && in(divisor % 10, lowOnes, highOnes) && in(quotient, 1, 9) && in(divisor, 11, 99);
}

const std::map<std::string, Check>& skillChecks() {
    static const std::map<std::string, Check> checks = {
        {"k4101", [](auto& q, auto) { return t(q, 0) % 100 && t(q, 0) % 10 == 0 && in(t(q, 0), 110, 990) && in(t(q, 1), 2, 9); }},
        {"k4102", [](auto& q, auto) { return in(t(q, 0), 100, 999) && !zeroDigit(t(q, 0)) && in(t(q, 1), 11, 99) && t(q, 1) % 10; }},
        {"k4103", [](auto& q, auto) { return in(t(q, 0), 100, 999) && in(t(q, 1), 10, 99) &&
                                             (zeroDigit(t(q, 0)) || t(q, 1) % 10 == 0); }},
        {"k4104", [](auto& q, auto a) { return t(q, 1) % 10 == 0 && in(t(q, 1), 10, 90) &&
                                               (in(a, 1, 9) || (a.n % 10 == 0 && in(a, 10, 90))); }},
        {"k4105", [](auto& q, auto) { return divides(q, 1, 4); }},
        {"k4106", [](auto& q, auto) { return divides(q, 6, 9); }},
        {"k4107", [](auto& q, auto a) { return in(t(q, 0), 100, 999) && in(t(q, 1), 11, 99) && in(a, 10, 99); }},
        {"k4201", [](auto& q, auto a) { return q.signs.size() == 2 && !q.bracketFrom && in(a, 0, 1000) &&
                                               (q.signs[0] < Sign::times) != (q.signs[1] < Sign::times); }},
        {"k4202", [](auto& q, auto a) { return q.bracketFrom && q.signs[*q.bracketFrom] < Sign::times && in(a, 0, 2000); }},
        {"k4203", [](auto& q, auto) { return t(q, 1) + t(q, 2) == 100 || t(q, 0) + t(q, 2) == 100; }},
        {"k4204", [](auto& q, auto) { const std::set<long long> round{10, 100, 200, 1000};
                                      return round.count(t(q, 0) * t(q, 1)) + round.count(t(q, 0) * t(q, 2)) +
                                             round.count(t(q, 1) * t(q, 2)) > 0; }},
        {"k4205", [](auto& q, auto) { if (q.terms.size() < 4) return t(q, 1) == 99 || t(q, 1) == 101;
                                      const long long other = q.signs[1] == Sign::plus ? t(q, 3) : -t(q, 3);
                                      return t(q, 0) == t(q, 2) && std::abs(t(q, 1) + other) == 100; }},
        {"k4206", [](auto& q, auto) { return std::set<long long>{10, 100, 1000}.count(t(q, 1)) > 0; }},
        {"k4207", [](auto& q, auto) { return signs(q, {Sign::plus}) && decimalTerms(q, v(q, 0)); }},
        {"k4208", [](auto& q, auto a) { return signs(q, {Sign::minus}) && decimalTerms(q, a); }},
        {"k5101", [](auto& q, auto) { return !whole(v(q, 0)) && places(v(q, 0), 2) && in(t(q, 1), 2, 12); }},
        {"k5102", [](auto& q, auto) { return !whole(v(q, 0)) && !whole(v(q, 1)) && in(v(q, 0), 0, 10) && in(v(q, 1), 0, 10); }},
        {"k5103", [](auto& q, auto) { return signs(q, {Sign::times}) && q.approximate; }},
        {"k5104", [](auto& q, auto a) { return whole(v(q, 1)) && in(t(q, 1), 2, 12) && !whole(a) && places(a, 2); }},
        {"k5105", [](auto& q, auto) { return !whole(v(q, 1)) && in(v(q, 1), 0, 10) && places(v(q, 0), 3); }},
        {"k5106", [](auto& q, auto) { return signs(q, {Sign::divide}) && in(t(q, 1), 3, 9) && q.approximate; }},
        {"k5107", [](auto& q, auto) { return in(t(q, 0), 1, 99) && in(t(q, 1), 3, 15); }},
        {"k5108", [](auto& q, auto) { return q.signs.size() == 1 && q.box; }},
        {"k5109", [](auto& q, auto a) { return q.signs.size() == 2 && q.box == 1 && in(a, 1, 20); }},
        {"k5201", [](auto& q, auto a) { return properLowest(a) && v(q, 0) == a && q.terms[0].denominator != a.d; }},
        {"k5202", [](auto& q, auto a) { const auto p = match(q.text, R"(把(\d+)/(\d+)和(\d+)/(\d+)通分：(\d+)/(\d+)＝□/(\d+))");
                                        return !p.empty() && at(p, 7) == std::lcm(at(p, 2), at(p, 4)) && at(p, 7) <= 60 &&
                                               at(p, 7) != at(p, 6) && a * Ratio{at(p, 6), 1} == Ratio{at(p, 5) * at(p, 7), 1}; }},
        {"k5261", [](auto& q, auto a) { const auto p = match(q.text, R"(两条一样长的纸条，上面一条平均分成(\d+)份，涂了(\d+)份，下面一条平均分成(\d+)份，涂色部分一样长：(\d+)/(\d+)＝□/(\d+))");
                                        return !p.empty() && at(p, 1) == at(p, 5) && at(p, 2) == at(p, 4) && at(p, 3) == at(p, 6) &&
                                               lowest(at(p, 4), at(p, 5)) == lowest(a.n, at(p, 6)) && whole(a); }},
        {"k5203", [](auto& q, auto) { const long long n = q.terms[0].denominator, b = q.terms[1].numerator;
                                      const long long sum = q.terms[0].numerator + (q.signs[0] == Sign::plus ? b : -b);
                                      return q.terms[1].denominator == n && std::gcd(sum, n) > 1; }},
        {"k5204", [](auto& q, auto a) { return properLowest(v(q, 0)) && properLowest(v(q, 1)) && v(q, 0).d != v(q, 1).d &&
                                               std::lcm(v(q, 0).d, v(q, 1).d) <= 30 && Ratio{0, 1} < a; }},
        {"k6101", [](auto& q, auto) { return signs(q, {Sign::times}) && (properLowest(v(q, 0)) != properLowest(v(q, 1))); }},
        {"k6102", [](auto& q, auto) { return signs(q, {Sign::times}) && properLowest(v(q, 0)) && properLowest(v(q, 1)); }},
        {"k6103", [](auto& q, auto) { return signs(q, {Sign::divide}) && properLowest(v(q, 0)) && in(t(q, 1), 2, 12); }},
        {"k6104", [](auto& q, auto) { return signs(q, {Sign::divide}) && properLowest(v(q, 1)); }},
        {"k6105", [](auto& q, auto) { return q.text.starts_with("求比值：") && signs(q, {Sign::ratio}); }},
        {"k6106", [](auto& q, auto) { return q.text.starts_with("化简比：") && signs(q, {Sign::ratio}); }},
        {"k6107", [](auto&, auto a) { return in(a, 0, 2) && places(a, 3) && (places(a, 2) || in(a, 0, 1)); }},
        {"k6108", [](auto&, auto a) { return properLowest(a) && places(a, 3); }},
        {"k6109", [](auto& q, auto a) { const auto p = match(q.text, R"((\d+)是(\d+)的百分之几？)");
                                        return !p.empty() && a == lowest(at(p, 1), at(p, 2)) && at(p, 1) != at(p, 2) &&
                                               at(p, 1) <= 2 * at(p, 2); }},
        {"k6201", [](auto& q, auto a) { const auto p = match(q.text, R"(如果.+记作＋\d+(元|℃|米)，那么\D+(\d+)(元|℃|米)记作□(元|℃|米)。)");
                                        return !p.empty() && a == Ratio{-at(p, 2), 1}; }},
        {"k6202", [](auto& q, auto) { return v(q, 0).n < 0 || v(q, 1).n < 0; }},
        {"k6261", [](auto& q, auto a) { static const std::regex place(R"(点[AB]在0的(左边第|右边第|位置)(\d?))");
                                        std::vector<long long> at;
                                        for (std::sregex_iterator i(q.text.begin(), q.text.end(), place), end; i != end; ++i) {
                                            const long long n = (*i)[2].length() ? std::stoll((*i)[2]) : 0;
                                            at.push_back((*i)[1] == "左边第" ? -n : n);
                                        }
                                        return at.size() == 1 ? a == Ratio{at[0], 1} : at.size() == 2 && a == Ratio{at[1] - at[0], 1}; }},
        {"k6203", [](auto& q, auto a) { static const std::map<std::string, long long> percent = {
                                            {"五", 50}, {"六", 60}, {"七", 70}, {"七五", 75},
                                            {"八", 80}, {"八五", 85}, {"九", 90}, {"九五", 95}};
                                        const auto p = match(q.text, R"(原价(\d+)元，打(.+)折后是□元。)");
                                        return !p.empty() && a == lowest(at(p, 1) * percent.at(p[2]), 100); }},
        {"k6204", [](auto& q, auto) { return q.box && q.text.ends_with("，x＝"); }},
    };
    return checks;
}

// Every draw of grades 4 to 6: the answer fits the text, the key is in its
// form, the skill's bounds hold, the draws are even.
TEST(UpperGradeDraws, EveryDrawKeepsItsSkillAndDrawsAreEven) {
    for (const auto& row : skillTable()) {
        if (row.grade < 4) continue;
        const auto check = skillChecks().find(row.key);
        ASSERT_NE(check, skillChecks().end()) << row.key;
        expectDrawsKeep(row, [&](const SkillQuestion& q) {
            const std::string key = numberText(q.answer());
            const Ratio answer = keyValue(key).value_or(Ratio{0, 0});  // a relation has none
            return answerFitsText(q, key) && keyInItsForm(q, key) && check->second(q, answer);
        });
    }
}

}  // namespace
}  // namespace tally
