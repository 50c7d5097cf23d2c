// SPDX-License-Identifier: GPL-3.0-or-later
// 六年级: multiplying and dividing fractions, ratios, percents, negative
// numbers and proportions.
#include <numeric>

#include "skills/grade_skills.h"
#include "skills/number_line_skills.h"
#include "skills/question_forms.h"

namespace tally {

namespace {

using namespace skill_rules;

const char* const kFractionTimes = "分数乘法";
const char* const kFractionDivide = "分数除法";
const char* const kRatio = "比";
const char* const kPercentOne = "百分数（一）";
const char* const kNegative = "负数";
const char* const kPercentTwo = "百分数（二）";
const char* const kProportion = "比例";

bool lowestProper(int numerator, int denominator) {
    return numerator < denominator && std::gcd(numerator, denominator) == 1;
}

Maybe fractionQuestion(std::vector<SkillNumber> terms, Sign sign) {
    return exactQuestion(std::move(terms), {sign}, asFraction);
}

// a/b × n (order 0) or n × a/b.
Maybe fractionTimesWhole(Values v) {
    if (!lowestProper(v[1], v[2])) return std::nullopt;
    const SkillNumber fraction = fractionNumber(v[1], v[2]);
    if (v[0] == 0) return fractionQuestion({fraction, wholeNumber(v[3])}, Sign::times);
    return fractionQuestion({wholeNumber(v[3]), fraction}, Sign::times);
}

// a/b sign c/d, both proper in lowest terms.
Maybe twoFractions(Values v, Sign sign) {
    if (!lowestProper(v[0], v[1]) || !lowestProper(v[2], v[3])) return std::nullopt;
    return fractionQuestion({fractionNumber(v[0], v[1]), fractionNumber(v[2], v[3])}, sign);
}

Maybe fractionByWhole(Values v) {
    if (!lowestProper(v[0], v[1])) return std::nullopt;
    return fractionQuestion({fractionNumber(v[0], v[1]), wholeNumber(v[2])}, Sign::divide);
}

// n ÷ a/b (form 0, n from the third range, the fourth fixed) or a/b ÷ c/d.
Maybe byFraction(Values v) {
    if (v[0] == 1) return twoFractions(v.subspan(1), Sign::divide);
    if (v[4] != 2 || !lowestProper(v[1], v[2])) return std::nullopt;
    return fractionQuestion({wholeNumber(v[3]), fractionNumber(v[1], v[2])}, Sign::divide);
}

SkillQuestion prompted(SkillQuestion question, std::string prompt) {
    question.prompt = std::move(prompt);
    return question;
}

// a∶b of whole numbers with a common factor (kind 0) or of tenths (kind 1,
// not both whole): the value of the ratio as a fraction in lowest terms, or a
// whole number.
Maybe ratioValue(Values v) {
    const bool tenths = v[0] == 1;
    if (tenths ? v[1] % 10 == 0 && v[2] % 10 == 0 : std::gcd(v[1], v[2]) == 1) return std::nullopt;
    const auto term = [tenths](int value) { return tenths ? decimalNumber(value, 1) : wholeNumber(value); };
    const auto question = fractionQuestion({term(v[1]), term(v[2])}, Sign::ratio);
    return question ? Maybe(prompted(*question, "求比值：")) : std::nullopt;
}

SkillQuestion ratioQuestion(SkillNumber first, SkillNumber second, const Exact& value) {
    SkillQuestion question;
    question.terms = {first, second};
    question.signs = {Sign::ratio};
    question.result = ratioNumber(static_cast<int>(value.numerator), static_cast<int>(value.denominator));
    question.prompt = "化简比：";
    return question;
}

// p·k∶q·k in whole numbers (kind 0) or tenths (kind 1, not both whole), the
// fourth range fixed; or a/b∶c/d (kind 2). The answer is the ratio of whole
// numbers in lowest terms.
Maybe simplestRatio(Values v) {
    const int kind = v[0];
    if (kind == 2) {
        if (!lowestProper(v[1], v[3]) || !lowestProper(v[2], v[4]) || v[1] * v[4] == v[2] * v[3]) return std::nullopt;
        const auto value = exact(v[1] * v[4], v[3] * v[2]);
        return ratioQuestion(fractionNumber(v[1], v[3]), fractionNumber(v[2], v[4]), value);
    }
    const int p = v[1], q = v[2], k = v[3];
    if (v[4] != 2 || p == q || std::gcd(p, q) != 1) return std::nullopt;
    if (kind == 0) return ratioQuestion(wholeNumber(p * k), wholeNumber(q * k), exact(p, q));
    if (p * k % 10 == 0 && q * k % 10 == 0) return std::nullopt;
    return ratioQuestion(decimalNumber(p * k, 1), decimalNumber(q * k, 1), exact(p, q));
}

SkillQuestion conversion(SkillNumber from, SkillNumber to, std::string prompt) {
    SkillQuestion question;
    question.terms = {from};
    question.result = to;
    question.prompt = std::move(prompt);
    return question;
}

// 0.01…2, or 0.001…0.999 with three places, written as a percent
// (direction 0) or a percent as a decimal.
Maybe percentAndDecimal(Values v) {
    if (v[1] % 10 != 0 && v[1] >= 1000) return std::nullopt;
    const SkillNumber decimal = decimalNumber(v[1], 3);
    const SkillNumber percent = percentNumber(v[1], 1);
    return v[0] == 0 ? conversion(decimal, percent, "化成百分数：") : conversion(percent, decimal, "化成小数：");
}

// A proper fraction in lowest terms whose percent has at most one decimal
// place, written as a percent (direction 0), or that percent as the fraction.
Maybe percentAndFraction(Values v) {
    const int a = v[1], b = v[2];
    if (!lowestProper(a, b) || a * 1000 % b != 0) return std::nullopt;
    const SkillNumber fraction = fractionNumber(a, b);
    const SkillNumber percent = percentNumber(a * 1000 / b, 1);
    return v[0] == 0 ? conversion(fraction, percent, "化成百分数：") : conversion(percent, fraction, "化成分数：");
}

SkillQuestion worded(std::string text, SkillNumber answer) {
    SkillQuestion question;
    question.result = answer;
    question.layout = QuestionLayout::worded;
    question.prompt = std::move(text);
    return question;
}

// a is what percent of b, at most twice b, to at most one decimal place of
// the percent.
Maybe percentOf(Values v) {
    const int a = v[0], b = v[1];
    if (a == b || a > 2 * b || a * 1000 % b != 0) return std::nullopt;
    return worded(std::to_string(a) + "是" + std::to_string(b) + "的百分之几？", percentNumber(a * 1000 / b, 1));
}

struct OppositeQuantities {
    const char* positive;  // 收入
    const char* negative;  // 支出
    const char* unit;
    int step;
};
constexpr OppositeQuantities kOpposites[] = {
    {"收入", "支出", "元", 10},
    {"零上", "零下", "℃", 1},
    {"高于海平面", "低于海平面", "米", 10},
    {"向东走", "向西走", "米", 10},
};

// "如果收入50元记作＋50元，那么支出30元记作□元。"
Maybe oppositeQuantity(Values v) {
    const auto& words = kOpposites[v[0]];
    const std::string a = std::to_string(v[1] * words.step);
    const std::string b = std::to_string(v[2] * words.step);
    if (a == b) return std::nullopt;
    const std::string unit = words.unit;
    return worded(std::string("如果") + words.positive + a + unit + "记作＋" + a + unit + "，那么" + words.negative + b +
                      unit + "记作□" + unit + "。",
                  wholeNumber(-v[2] * words.step));
}

// Two different numbers from －20 to 20 (kind 0) or －2.0 to 2.0 (kind 1, one
// of them not whole), one at least below 0: ＞, ＜ or ＝.
Maybe compareSigned(Values v) {
    const int a = v[1], b = v[2];
    if (a == b || (a >= 0 && b >= 0)) return std::nullopt;
    if (v[0] == 1 && a % 10 == 0 && b % 10 == 0) return std::nullopt;
    SkillQuestion question;
    question.terms = v[0] == 0 ? std::vector{wholeNumber(a), wholeNumber(b)}
                               : std::vector{decimalNumber(a, 1), decimalNumber(b, 1)};
    question.result = relationNumber(a > b ? 1 : -1);
    question.layout = QuestionLayout::compare;
    return question;
}

struct Discount {
    const char* name;
    int percent;
};
constexpr Discount kDiscounts[] = {{"五折", 50}, {"六折", 60}, {"七折", 70}, {"七五折", 75},
                                   {"八折", 80}, {"八五折", 85}, {"九折", 90}, {"九五折", 95}};

// "原价200元，打八折后是□元。"
Maybe discountPrice(Values v) {
    const auto& discount = kDiscounts[v[0]];
    const int price = v[1] * 10;
    const auto now = asDecimal(exact(price * discount.percent, 100));
    return worded("原价" + std::to_string(price) + "元，打" + discount.name + "后是□元。", *now);
}

// u·m∶v·m＝u·n∶v·n with u∶v in lowest terms, x for the first or second term.
Maybe solveProportion(Values v) {
    const int u = v[0], w = v[1], m = v[2], n = v[3];
    if (u == w || m == n || std::gcd(u, w) != 1) return std::nullopt;
    SkillQuestion question;
    question.terms = {wholeNumber(u * m), wholeNumber(w * m)};
    question.signs = {Sign::ratio};
    question.result = ratioNumber(u * n, w * n);
    question.box = v[4];
    question.layout = QuestionLayout::unknown;
    return question;
}

std::vector<SkillRow> firstTerm() {
    return {
        skillRow("k6101", 6, up, kFractionTimes, "分数乘整数", {{0, 1}, {1, 11}, {2, 12}, {2, 20}}, fractionTimesWhole),
        skillRow("k6102", 6, up, kFractionTimes, "分数乘分数", {{1, 11}, {2, 12}, {1, 11}, {2, 12}},
                 [](Values v) { return twoFractions(v, Sign::times); }),
        skillRow("k6103", 6, up, kFractionDivide, "分数除以整数", {{1, 11}, {2, 12}, {2, 12}}, fractionByWhole),
        skillRow("k6104", 6, up, kFractionDivide, "一个数除以分数", {{0, 1}, {1, 11}, {2, 12}, {1, 11}, {2, 12}},
                 byFraction),
        skillRow("k6105", 6, up, kRatio, "求比值", {{0, 1}, {1, 99}, {1, 99}}, ratioValue),
        skillRow("k6106", 6, up, kRatio, "化简比", {{0, 2}, {1, 12}, {1, 12}, {2, 12}, {2, 12}}, simplestRatio),
        skillRow("k6107", 6, up, kPercentOne, "百分数和小数的互化", {{0, 1}, {1, 2000}}, percentAndDecimal),
        skillRow("k6108", 6, up, kPercentOne, "百分数和分数的互化", {{0, 1}, {1, 19}, {2, 20}}, percentAndFraction),
        skillRow("k6109", 6, up, kPercentOne, "求一个数是另一个数的百分之几", {{1, 100}, {2, 100}}, percentOf),
    };
}

std::vector<SkillRow> secondTerm() {
    return {
        skillRow("k6201", 6, down, kNegative, "用负数表示相反意义的量", {{0, 3}, {1, 20}, {1, 20}}, oppositeQuantity),
        skillRow("k6202", 6, down, kNegative, "正数、负数比较大小", {{0, 1}, {-20, 20}, {-20, 20}}, compareSigned),
        skillRow("k6261", 6, down, kNegative, "在数轴上读正数、负数", {{0, 1}, {-5, 5}, {-5, 5}},
                 number_line_rules::signedOnLine),
        skillRow("k6203", 6, down, kPercentTwo, "折扣", {{0, 7}, {1, 50}}, discountPrice),
        skillRow("k6204", 6, down, kProportion, "解比例", {{1, 9}, {1, 9}, {1, 9}, {1, 9}, {0, 1}}, solveProportion),
    };
}

}  // namespace

std::vector<SkillRow> gradeSixSkills() {
    auto rows = firstTerm();
    auto later = secondTerm();
    rows.insert(rows.end(), later.begin(), later.end());
    return rows;
}

}  // namespace tally
