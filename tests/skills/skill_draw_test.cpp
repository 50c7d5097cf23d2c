// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <regex>
#include <set>

#include "even_draws.h"
#include "exact_reading.h"
#include "skills/skill_table.h"

namespace tally {
namespace {

using Check = std::function<bool(const SkillQuestion&)>;

// The checks below work every number out again on paper, column by column,
// without the generators' rules.

int term(const SkillQuestion& q, std::size_t i) { return q.terms.at(i).numerator; }
int result(const SkillQuestion& q) { return q.result.numerator; }
bool between(int value, int low, int high) { return low <= value && value <= high; }
int ones(int n) { return n % 10; }

// Whether each column carries, ones first, as written on paper.
std::vector<bool> addColumns(int a, int b) {
    std::vector<bool> carries;
    for (int carry = 0; a > 0 || b > 0; a /= 10, b /= 10) {
        carry = a % 10 + b % 10 + carry >= 10;
        carries.push_back(carry == 1);
    }
    return carries;
}

std::vector<bool> subtractColumns(int a, int b) {
    std::vector<bool> borrows;
    for (int borrow = 0; a > 0; a /= 10, b /= 10) {
        borrow = a % 10 - borrow < b % 10;
        borrows.push_back(borrow == 1);
    }
    return borrows;
}

bool any(const std::vector<bool>& columns) { return std::find(columns.begin(), columns.end(), true) != columns.end(); }
bool column(const std::vector<bool>& columns, std::size_t place) { return place < columns.size() && columns[place]; }

bool multiplyCarries(int n, int digit) {
    bool carried = false;
    for (int carry = 0; n > 0; n /= 10) {
        carry = (n % 10 * digit + carry) / 10;
        carried = carried || carry > 0;
    }
    return carried;
}

bool longMultiplyCarries(int a, int b) {
    return multiplyCarries(a, b % 10) || multiplyCarries(a, b / 10) || any(addColumns(a * (b % 10), a * (b / 10) * 10));
}

bool noZeroDigit(int n) { return std::to_string(n).find('0') == std::string::npos; }
bool zeroInTensOrOnes(int n) { return n >= 100 && n % 100 != 0 && (n / 10 % 10 == 0 || n % 10 == 0); }
bool roundTens(int n) { return n % 10 == 0 && between(n, 10, 90); }
bool oneDigitOrRoundTens(int n) { return between(n, 1, 9) || roundTens(n); }
bool every(const SkillQuestion& q, int low, int high) {
    return std::all_of(q.terms.begin(), q.terms.end(), [&](const SkillNumber& n) { return between(n.numerator, low, high); })
        && between(result(q), low, high);
}
// ＋ and － from left to right, every step within low…high.
bool stepsWithin(const SkillQuestion& q, int low, int high) {
    int value = term(q, 0);
    for (std::size_t i = 0; i < q.signs.size(); ++i) {
        if (q.signs[i] != Sign::plus && q.signs[i] != Sign::minus) return false;
        value += q.signs[i] == Sign::plus ? term(q, i + 1) : -term(q, i + 1);
        if (!between(value, low, high)) return false;
    }
    return value == result(q);
}
bool only(const SkillQuestion& q, Sign sign) { return q.signs == std::vector<Sign>{sign}; }
bool pastTen(const SkillQuestion& q, std::set<int> firsts) {
    return only(q, Sign::plus) && firsts.count(term(q, 0)) && between(term(q, 1), 2, 9) && result(q) > 10;
}
bool teenBorrow(const SkillQuestion& q, int low, int high) {
    return only(q, Sign::minus) && between(term(q, 0), 11, 19) && between(term(q, 1), low, high) && ones(term(q, 0)) < term(q, 1);
}
// A question read off a picture: worded, its answer within low…high, and the
// sum or difference it names (if any) worked out again.
bool pictured(const SkillQuestion& q, int low, int high) {
    std::smatch parts;
    const bool named = std::regex_search(q.text, parts, std::regex(R"((\d+)(＋|－)(\d+)＝□)"));
    const int a = named ? std::stoi(parts[1]) : 0, b = named ? std::stoi(parts[3]) : 0;
    return q.picture && q.layout == QuestionLayout::worded && between(result(q), low, high) &&
           (!named || result(q) == (parts[2] == "＋" ? a + b : a - b));
}
bool twoBoxes(const SkillQuestion& q, int low, int high) { return pictured(q, low, high) && between(*q.secondBox, 0, 9); }
bool tableDivision(int dividend, int divisor) {
    return between(divisor, 2, 9) && dividend % divisor == 0 && between(dividend / divisor, 1, 9);
}

const std::map<std::string, Check>& skillChecks() {
    static const std::map<std::string, Check> checks = {
        {"k1101", [](auto& q) { return every(q, 0, 5); }},
        // The clock skills' answers are read off their faces in clock_skills_test.
        {"k1141", [](auto& q) { return q.picture != nullptr; }},
        {"k1142", [](auto& q) { return q.picture != nullptr && !q.setOnPicture.empty(); }},
        {"k2141", [](auto& q) { return q.picture != nullptr && q.secondBox.value_or(0) % 5 == 0; }},
        {"k2142", [](auto& q) { return q.picture != nullptr && q.secondBox.has_value(); }},
        {"k2143", [](auto& q) { return q.picture != nullptr && !q.setOnPicture.empty(); }},
        {"k3141", [](auto& q) { return q.picture != nullptr && q.secondBox.has_value(); }},
        {"k3142", [](auto& q) { return q.picture != nullptr && result(q) % 5 == 0 && between(result(q), 5, 55); }},
        {"k3241", [](auto& q) { return q.picture != nullptr && between(result(q), 6, 23); }},
        {"k1102", [](auto& q) { return q.layout == QuestionLayout::split && term(q, 0) + term(q, 1) == result(q) &&
                                       every(q, 1, 10); }},
        {"k1151", [](auto& q) { return pictured(q, 1, 10); }},
        {"k1152", [](auto& q) { return pictured(q, 11, 18) && q.text.find("9＋") != std::string::npos; }},
        {"k1153", [](auto& q) { return pictured(q, 11, 17) && std::regex_search(q.text, std::regex("[678]＋")); }},
        {"k1154", [](auto& q) { return pictured(q, 11, 14) && std::regex_search(q.text, std::regex("[2345]＋")); }},
        {"k1251", [](auto& q) { return pictured(q, 2, 9) && q.text.find("－9＝") != std::string::npos; }},
        {"k1252", [](auto& q) { return pictured(q, 2, 9) && std::regex_search(q.text, std::regex("－[678]＝")); }},
        {"k1253", [](auto& q) { return pictured(q, 10, 100); }},
        {"k1254", [](auto& q) { return pictured(q, 10, 100); }},
        {"k1255", [](auto& q) { return twoBoxes(q, 1, 9); }},
        {"k1256", [](auto& q) { return twoBoxes(q, 1, 100) && *q.secondBox > 0; }},
        {"k1257", [](auto& q) { return pictured(q, 2, 40) && !q.secondBox; }},
        {"k1258", [](auto& q) { return twoBoxes(q, 1, 99) && *q.secondBox > 0; }},
        {"k1103", [](auto& q) { return every(q, 0, 10) && !q.box; }},
        {"k1104", [](auto& q) { return every(q, 0, 10) && q.box; }},
        {"k1105", [](auto& q) { return q.terms.size() == 3 && stepsWithin(q, 0, 10) && term(q, 1) > 0 && term(q, 2) > 0; }},
        {"k1106", [](auto& q) { const int a = term(q, 0), b = term(q, 1);
                                return between(a, 10, 19) && (only(q, Sign::plus) ? b <= 9 && ones(a) + b <= 9
                                                                         : a > 10 && (b == 10 || b <= ones(a))); }},
        {"k1111", [](auto& q) { const int a = term(q, 0), b = term(q, 1);
                                const bool teenAndDigit = (between(a, 10, 19) && between(b, 1, 9)) ||
                                                          (between(a, 1, 9) && between(b, 10, 19));
                                return only(q, Sign::plus) && teenAndDigit && !any(addColumns(a, b)) && result(q) <= 19; }},
        {"k1107", [](auto& q) { return pastTen(q, {9}); }},
        {"k1108", [](auto& q) { return pastTen(q, {8, 7, 6}); }},
        {"k1109", [](auto& q) { return pastTen(q, {5, 4, 3, 2}); }},
        {"k1110", [](auto& q) { return pastTen(q, {2, 3, 4, 5, 6, 7, 8, 9}); }},
        {"k1201", [](auto& q) { return teenBorrow(q, 9, 9); }},
        {"k1202", [](auto& q) { return teenBorrow(q, 6, 8); }},
        {"k1203", [](auto& q) { return teenBorrow(q, 2, 5); }},
        {"k1204", [](auto& q) { return teenBorrow(q, 2, 9); }},
        {"k1205", [](auto& q) { const int a = term(q, 0), b = term(q, 1);
                                return only(q, Sign::plus) ? (roundTens(a) && between(b, 1, 9)) || (roundTens(b) && between(a, 1, 9))
                                                   : between(a, 11, 99) && ones(a) != 0 && (b == ones(a) || b == a - ones(a)); }},
        {"k1206", [](auto& q) { return (roundTens(term(q, 0)) || term(q, 0) == 100) && roundTens(term(q, 1)) &&
                                       between(result(q), 10, 100); }},
        {"k1207", [](auto& q) { return only(q, Sign::plus) && ones(term(q, 0)) != 0 && oneDigitOrRoundTens(term(q, 1)) &&
                                       !any(addColumns(term(q, 0), term(q, 1))) && result(q) <= 99; }},
        {"k1208", [](auto& q) { return only(q, Sign::plus) && between(term(q, 1), 1, 9) && column(addColumns(term(q, 0), term(q, 1)), 0) &&
                                       between(term(q, 0), 10, 99) && result(q) <= 100; }},
        {"k1209", [](auto& q) { return only(q, Sign::minus) && ones(term(q, 0)) != 0 && oneDigitOrRoundTens(term(q, 1)) &&
                                       !any(subtractColumns(term(q, 0), term(q, 1))); }},
        {"k1210", [](auto& q) { return only(q, Sign::minus) && between(term(q, 0), 20, 99) && between(term(q, 1), 1, 9) &&
                                       column(subtractColumns(term(q, 0), term(q, 1)), 0); }},
        {"k2101", [](auto& q) { return only(q, Sign::plus) && every(q, 10, 99) && !any(addColumns(term(q, 0), term(q, 1))); }},
        {"k2102", [](auto& q) { return only(q, Sign::plus) && every(q, 10, 100) && term(q, 0) < 100 && term(q, 1) < 100 &&
                                       column(addColumns(term(q, 0), term(q, 1)), 0); }},
        {"k2103", [](auto& q) { return only(q, Sign::minus) && between(term(q, 0), 10, 99) && between(term(q, 1), 10, 99) &&
                                       result(q) > 0 && !any(subtractColumns(term(q, 0), term(q, 1))); }},
        {"k2104", [](auto& q) { return only(q, Sign::minus) && between(term(q, 1), 10, 99) && result(q) > 0 && term(q, 0) <= 99 &&
                                       column(subtractColumns(term(q, 0), term(q, 1)), 0); }},
        {"k2105", [](auto& q) { return q.terms.size() == 3 && stepsWithin(q, 0, 100) &&
                                       std::all_of(q.terms.begin(), q.terms.end(), [](auto& n) { return between(n.numerator, 10, 99); }); }},
        {"k2106", [](auto& q) { return only(q, Sign::times) && between(term(q, 0), 1, 6) && between(term(q, 1), 1, 6); }},
        {"k2107", [](auto& q) { return q.signs[0] == Sign::times && between(term(q, 0), 2, 6) && between(term(q, 1), 2, 6) &&
                                       between(term(q, 2), 1, 9) && q.signs[1] != Sign::times && q.signs[1] != Sign::divide; }},
        {"k2108", [](auto& q) { return only(q, Sign::times) && every(q, 1, 81) && std::max(term(q, 0), term(q, 1)) >= 7 &&
                                       term(q, 0) <= 9 && term(q, 1) <= 9; }},
        {"k2109", [](auto& q) { return only(q, Sign::times) && q.box && between(term(q, 0), 1, 9) && between(term(q, 1), 1, 9); }},
        {"k2201", [](auto& q) { return only(q, Sign::divide) && between(term(q, 1), 2, 6) && between(result(q), 1, 6); }},
        {"k2202", [](auto& q) { return only(q, Sign::divide) && tableDivision(term(q, 0), term(q, 1)) &&
                                       std::max(term(q, 1), result(q)) >= 7; }},
        {"k2203", [](auto& q) { const bool first = q.signs == std::vector<Sign>{Sign::times, Sign::divide};
                                const bool second = q.signs == std::vector<Sign>{Sign::divide, Sign::times};
                                return (first && tableDivision(term(q, 0) * term(q, 1), term(q, 2))) ||
                                       (second && tableDivision(term(q, 0), term(q, 1))); }},
        {"k2204", [](auto& q) { const auto level = [](Sign s) { return s == Sign::times || s == Sign::divide; };
                                return q.signs.size() == 2 && level(q.signs[0]) != level(q.signs[1]) && !q.bracketFrom &&
                                       result(q) <= 100; }},
        {"k2205", [](auto& q) { return q.bracketFrom && q.terms.size() == 3 && result(q) <= 100; }},
        {"k2206", [](auto& q) { return only(q, Sign::divide) && between(term(q, 1), 2, 9) && q.remainder &&
                                       between(*q.remainder, 1, term(q, 1) - 1) && between(result(q), 1, 9); }},
        {"k2207", [](auto& q) { const int unit = term(q, 0) % 1000 == 0 && term(q, 1) % 1000 == 0 ? 1000 : 100;
                                return term(q, 0) % unit == 0 && term(q, 1) % unit == 0 && between(result(q), 100, 10000); }},
        {"k3101", [](auto& q) { return between(term(q, 0), 10, 99) && between(term(q, 1), 10, 99) && result(q) > 0; }},
        {"k3102", [](auto& q) { const auto tensOf = [](int n) { return n % 10 == 0 && between(n, 100, 990); };
                                return tensOf(term(q, 0)) && tensOf(term(q, 1)) && between(result(q), 10, 990) &&
                                       (term(q, 0) % 100 != 0 || term(q, 1) % 100 != 0); }},
        {"k3103", [](auto& q) { const auto c = addColumns(term(q, 0), term(q, 1));
                                return only(q, Sign::plus) && every(q, 100, 1998) && term(q, 1) < 1000 && c[0] && c[1]; }},
        {"k3104", [](auto& q) { const auto b = subtractColumns(term(q, 0), term(q, 1));
                                return only(q, Sign::minus) && between(term(q, 1), 100, 999) && result(q) > 0 && b[0] && b[1]; }},
        {"k3105", [](auto& q) { return only(q, Sign::minus) && between(term(q, 0), 100, 999) && term(q, 0) / 10 % 10 == 0 &&
                                       column(subtractColumns(term(q, 0), term(q, 1)), 0) && term(q, 1) >= 100; }},
        {"k3106", [](auto& q) { const int a = term(q, 0);
                                return only(q, Sign::times) && (roundTens(a) || (a % 100 == 0 && between(a, 100, 900))) &&
                                       between(term(q, 1), 2, 9); }},
        {"k3107", [](auto& q) { return only(q, Sign::times) && noZeroDigit(term(q, 0)) && term(q, 0) >= 10 &&
                                       !multiplyCarries(term(q, 0), term(q, 1)); }},
        {"k3108", [](auto& q) { return only(q, Sign::times) && noZeroDigit(term(q, 0)) && term(q, 0) >= 10 &&
                                       multiplyCarries(term(q, 0), term(q, 1)); }},
        {"k3109", [](auto& q) { return only(q, Sign::times) && zeroInTensOrOnes(term(q, 0)) && between(term(q, 1), 2, 9); }},
        {"k3110", [](auto& q) { const int n = q.terms[1].denominator;
                                const auto& first = q.terms[0];
                                const bool one = first.form == NumberForm::whole && first.numerator == 1 && only(q, Sign::minus);
                                const bool answer = q.result == SkillNumber{1, 1, NumberForm::whole} ||
                                                    (q.result.denominator == n && q.result.numerator < n);
                                return between(n, 2, 10) && (one || first.denominator == n) && answer; }},
        {"k1161", [](auto& q) { return q.picture && stepsWithin(q, 0, 20) && between(term(q, 1), 1, 9) &&
                                       (only(q, Sign::plus) || term(q, 0) <= 10 || result(q) >= 10); }},
        {"k1261", [](auto& q) { return q.picture && stepsWithin(q, 0, 100) && roundTens(term(q, 1)) &&
                                       term(q, 0) % 10 == 0 && term(q, 0) > 0; }},
        {"k2161", [](auto& q) { return q.picture && stepsWithin(q, 1, 99) && ones(term(q, 0)) != 0 &&
                                       roundTens(term(q, 1)) && term(q, 1) <= 30; }},
        {"k3161", [](auto& q) { const auto p = reading::match(q.text, R"(把一个(长方形|圆)平均分成(\d+)份，涂了(\d+)份，涂色部分是这个\1的几分之几？)");
                                return !p.empty() && q.result == fractionNumber(std::stoi(p[3]), std::stoi(p[2])); }},
        {"k3162", [](auto& q) { const auto p = reading::match(q.text, R"(三个(长方形|圆)：图①(.+)；图②(.+)；图③(.+)。哪个图的涂色部分是(\d+)/(\d+)？第□个。)");
                                const std::string shown = "平均分成" + std::string(p[6]) + "份，涂了" + std::string(p[5]) + "份";
                                return !p.empty() && between(result(q), 1, 3) && p[1 + result(q)] == shown; }},
        // The shape to shade is counted off its key in fraction_picture_skills_test.
        {"k3163", [](auto& q) { return q.picture != nullptr && q.setOnPicture == std::to_string(result(q)); }},
        {"k3261", [](auto& q) { const auto p = reading::match(q.text, R"(数轴上每一小格是0.1，箭头指在(\d)右边第([1-9])小格，箭头指的数是□。)");
                                return !p.empty() && q.result == tenthsNumber(std::stoi(p[1]) * 10 + std::stoi(p[2])); }},
        {"k3201", [](auto& q) { return only(q, Sign::divide) && term(q, 0) % 10 == 0 && between(term(q, 1), 2, 9) &&
                                       (roundTens(result(q)) || (result(q) % 100 == 0 && between(result(q), 100, 900))); }},
        {"k3202", [](auto& q) { return only(q, Sign::divide) && between(result(q), 10, 99) && noZeroDigit(result(q)); }},
        {"k3203", [](auto& q) { return only(q, Sign::divide) && between(result(q), 100, 999) && noZeroDigit(result(q)); }},
        {"k3204", [](auto& q) { return only(q, Sign::divide) && zeroInTensOrOnes(result(q)) && term(q, 0) <= 999; }},
        {"k3205", [](auto& q) { return only(q, Sign::divide) && q.remainder && between(*q.remainder, 1, term(q, 1) - 1) &&
                                       result(q) >= 10 && term(q, 0) <= 999 && between(term(q, 1), 2, 9); }},
        {"k3206", [](auto& q) { return only(q, Sign::times) && roundTens(term(q, 0)) && roundTens(term(q, 1)); }},
        {"k3207", [](auto& q) { return only(q, Sign::times) && every(q, 11, 9801) && noZeroDigit(term(q, 0)) &&
                                       noZeroDigit(term(q, 1)) && term(q, 0) < 100 && term(q, 1) < 100 &&
                                       !longMultiplyCarries(term(q, 0), term(q, 1)); }},
        {"k3208", [](auto& q) { return only(q, Sign::times) && noZeroDigit(term(q, 0)) && noZeroDigit(term(q, 1)) &&
                                       between(term(q, 0), 11, 99) && between(term(q, 1), 11, 99) &&
                                       longMultiplyCarries(term(q, 0), term(q, 1)); }},
        {"k3209", [](auto& q) { return q.terms[0].form == NumberForm::tenths && ones(term(q, 0)) != 0 &&
                                       ones(term(q, 1)) != 0 && between(result(q), 1, 99); }},
    };
    return checks;
}

// Every draw of grades 1 to 3 keeps its skill's rule, its answer worked out
// again from its text, and the draws are even.
TEST(SkillDraws, EveryDrawKeepsItsSkillAndDrawsAreEven) {
    for (const auto& row : skillTable()) {
        if (row.grade > 3) continue;
        const auto check = skillChecks().find(row.key);
        ASSERT_NE(check, skillChecks().end()) << row.key;
        expectDrawsKeep(row, [&](const SkillQuestion& q) {
            return check->second(q) && reading::answerFitsText(q, numberText(q.answer()));
        });
    }
}

}  // namespace
}  // namespace tally
