// SPDX-License-Identifier: GPL-3.0-or-later
// 四年级: three-digit by two-digit products, two-digit divisors, the order of
// operations, the laws of operations, and sums of two-place decimals.
#include "skills/column_arithmetic.h"
#include "skills/grade_skills.h"
#include "skills/question_forms.h"

namespace tally {

namespace {

using namespace skill_rules;

const char* const kThreeByTwo = "三位数乘两位数";
const char* const kTwoDigitDivisor = "除数是两位数的除法";
const char* const kFourOperations = "四则运算";
const char* const kLaws = "运算定律";
const char* const kDecimalMeaning = "小数的意义和性质";
const char* const kDecimalSums = "小数的加法和减法";

// 几百几十 (not 整百) times one digit: 120×4, 250×8.
Maybe hundredsAndTensTimesDigit(Values v) {
    if (v[0] % 10 == 0) return std::nullopt;
    return wholeQuestion({v[0] * 10, v[1]}, {Sign::times}, 9000);
}

// A three-digit number times a two-digit one; `withZero`: a 0 inside or at
// the end of either factor, else none.
Maybe threeByTwo(Values v, bool withZero) {
    if ((hasZeroDigit(v[0]) || v[1] % 10 == 0) != withZero) return std::nullopt;
    return wholeQuestion({v[0], v[1]}, {Sign::times}, 99000);
}

// 整十数 divisors: a one-digit quotient, or 整十 (v[2] 1) within 90 × 90.
Maybe roundTensDivisor(Values v) {
    const int divisor = v[0] * 10;
    const int quotient = v[2] == 0 ? v[1] : v[1] * 10;
    return wholeQuestion({divisor * quotient, divisor}, {Sign::divide}, 8100);
}

// A two-digit divisor whose ones are among `ones` (1–4 rounded down to the
// tens, 6–9 up), a one-digit quotient, with a remainder or none.
Maybe trialQuotient(Values v, int lowestOnes, int highestOnes) {
    const int divisor = v[0];
    const int dividend = v[1];
    const int ones = divisor % 10;
    if (ones < lowestOnes || ones > highestOnes || dividend < divisor || dividend >= 10 * divisor) return std::nullopt;
    return divisionMaybeRemainder(dividend, divisor);
}

// A three-digit dividend, a two-digit divisor and quotient.
Maybe twoDigitQuotient(Values v) {
    const int quotient = v[1] / v[0];
    if (quotient < 10 || quotient > 99) return std::nullopt;
    return divisionMaybeRemainder(v[1], v[0]);
}

// a ± b×c, a ± b÷c, b×c ± a or b÷c ± a, the product or quotient from
// k × c; the result within 1000.
Maybe twoLevelsNoBracket(Values v) {
    const bool productFirst = v[0] == 1;
    const Sign inner = timesOrDivide(v[1]);
    const Sign outer = plusOrMinus(v[2]);
    const int a = v[3];
    const int b = inner == Sign::times ? v[4] : v[4] * v[5];
    const int c = v[5];
    if (productFirst) return wholeQuestion({b, c, a}, {inner, outer}, 1000);
    return wholeQuestion({a, b, c}, {outer, inner}, 1000);
}

// （a ± b）× c, （a ± b）÷ c or c ×（a ± b）, within 2000.
Maybe twoLevelsBracket(Values v) {
    const bool bracketFirst = v[0] == 0;
    const Sign inner = plusOrMinus(v[1]);
    const Sign outer = timesOrDivide(v[2]);
    if (!bracketFirst && outer == Sign::divide) return std::nullopt;
    if (bracketFirst) return wholeQuestion({v[3], v[4], v[5]}, {inner, outer}, 2000, 0);
    return wholeQuestion({v[5], v[3], v[4]}, {outer, inner}, 2000, 1);
}

// Two addends making 100 beside a third: t＋p＋(100－p), p＋t＋(100－p),
// or t－p－(100－p).
Maybe additionLaws(Values v) {
    const int p = v[1];
    const int t = v[2];
    if (p % 10 == 0 || t % 100 == 0) return std::nullopt;
    if (v[0] == 0) return wholeQuestion({t, p, 100 - p}, {Sign::plus, Sign::plus}, 1000);
    if (v[0] == 1) return wholeQuestion({p, t, 100 - p}, {Sign::plus, Sign::plus}, 1000);
    return wholeQuestion({t, p, 100 - p}, {Sign::minus, Sign::minus}, 1000);
}

struct RoundPair {
    int first;
    int second;
};
constexpr RoundPair kRoundPairs[] = {{25, 4}, {125, 8}, {5, 2}, {50, 2}, {20, 5}, {25, 8}};

// p×n×q, n×p×q, q×n×p, or (n×p×q)÷p÷q, p×q being 整十、整百 or 整千.
Maybe multiplicationLaws(Values v) {
    const auto [p, q] = kRoundPairs[v[0]];
    const int n = v[2];
    if (n % 10 == 0) return std::nullopt;
    switch (v[1]) {
    case 0: return wholeQuestion({p, n, q}, {Sign::times, Sign::times}, 99000);
    case 1: return wholeQuestion({n, p, q}, {Sign::times, Sign::times}, 99000);
    case 2: return wholeQuestion({q, n, p}, {Sign::times, Sign::times}, 99000);
    default: return wholeQuestion({n * p * q, p, q}, {Sign::divide, Sign::divide}, 99000);
    }
}

std::vector<SkillNumber> wholes(std::initializer_list<int> values) {
    std::vector<SkillNumber> numbers;
    for (const int value : values) numbers.push_back(wholeNumber(value));
    return numbers;
}

// a×b＋a×(100－b), a×(100＋b)－a×b, a×101, a×99, a×99＋a.
Maybe distributiveLaw(Values v) {
    const int a = v[1];
    const int b = v[2];
    if (v[0] >= 2 ? b != 1 : b % 10 == 0 || (v[0] == 0 && b < 11)) return std::nullopt;
    switch (v[0]) {
    case 0: return exactQuestion(wholes({a, b, a, 100 - b}), {Sign::times, Sign::plus, Sign::times}, asWhole);
    case 1: return exactQuestion(wholes({a, 100 + b, a, b}), {Sign::times, Sign::minus, Sign::times}, asWhole);
    case 2: return wholeQuestion({a, 101}, {Sign::times}, 99000);
    case 3: return wholeQuestion({a, 99}, {Sign::times}, 99000);
    default: return wholeQuestion({a, 99, a}, {Sign::times, Sign::plus}, 99000);
    }
}

int powerOfTen(int zeros) { return zeros == 1 ? 10 : zeros == 2 ? 100 : 1000; }

// A number of hundredths times or divided by 10, 100 or 1000.
Maybe pointMoves(Values v) {
    return exactQuestion({decimalNumber(v[2], 2), wholeNumber(powerOfTen(v[1]))}, {timesOrDivide(v[0])}, asDecimal);
}

bool wholeHundredths(int hundredths) { return hundredths % 100 == 0; }
bool twoPlaces(int hundredths) { return hundredths % 10 != 0; }

// a ± b in hundredths, neither whole, one of them with two places; worked in
// whole hundredths, as the columns are.
Maybe hundredthsQuestion(int a, Sign sign, int b) {
    if (wholeHundredths(a) || wholeHundredths(b) || !(twoPlaces(a) || twoPlaces(b))) return std::nullopt;
    SkillQuestion question;
    question.terms = {decimalNumber(a, 2), decimalNumber(b, 2)};
    question.signs = {sign};
    question.result = decimalNumber(sign == Sign::plus ? a + b : a - b, 2);
    return question;
}

std::vector<SkillRow> firstTerm() {
    return {
        skillRow("k4101", 4, up, kThreeByTwo, "几百几十数乘一位数", {{11, 99}, {2, 9}}, hundredsAndTensTimesDigit),
        skillRow("k4102", 4, up, kThreeByTwo, "三位数乘两位数", {{100, 999}, {10, 99}},
                 [](Values v) { return threeByTwo(v, false); }),
        skillRow("k4103", 4, up, kThreeByTwo, "因数中间或末尾有0的三位数乘两位数", {{100, 999}, {10, 99}},
                 [](Values v) { return threeByTwo(v, true); }),
        skillRow("k4104", 4, up, kTwoDigitDivisor, "口算除法（除数是整十数）", {{1, 9}, {1, 9}, {0, 1}},
                 roundTensDivisor),
        skillRow("k4105", 4, up, kTwoDigitDivisor, "用“四舍”法试商", {{11, 94}, {11, 999}},
                 [](Values v) { return trialQuotient(v, 1, 4); }),
        skillRow("k4106", 4, up, kTwoDigitDivisor, "用“五入”法试商", {{16, 99}, {16, 999}},
                 [](Values v) { return trialQuotient(v, 6, 9); }),
        skillRow("k4107", 4, up, kTwoDigitDivisor, "商是两位数的笔算除法", {{11, 99}, {110, 999}}, twoDigitQuotient),
    };
}

std::vector<SkillRow> secondTerm() {
    return {
        skillRow("k4201", 4, down, kFourOperations, "不含括号的四则混合运算",
                 {{0, 1}, {0, 1}, {0, 1}, {10, 99}, {2, 30}, {2, 9}}, twoLevelsNoBracket),
        skillRow("k4202", 4, down, kFourOperations, "含有小括号的四则混合运算",
                 {{0, 1}, {0, 1}, {0, 1}, {10, 99}, {2, 40}, {2, 9}}, twoLevelsBracket),
        skillRow("k4203", 4, down, kLaws, "加法运算定律（简便计算）", {{0, 2}, {11, 89}, {101, 499}}, additionLaws),
        skillRow("k4204", 4, down, kLaws, "乘法运算定律（简便计算）", {{0, 5}, {0, 3}, {3, 99}}, multiplicationLaws),
        skillRow("k4205", 4, down, kLaws, "乘法分配律（简便计算）", {{0, 4}, {11, 99}, {1, 89}}, distributiveLaw),
        skillRow("k4206", 4, down, kDecimalMeaning, "小数点移动引起小数大小的变化", {{0, 1}, {1, 3}, {1, 9999}},
                 pointMoves),
        skillRow("k4207", 4, down, kDecimalSums, "小数加法（两位小数）", {{1, 499}, {1, 499}},
                 [](Values v) { return hundredthsQuestion(v[0], Sign::plus, v[1]); }),
        skillRow("k4208", 4, down, kDecimalSums, "小数减法（两位小数）", {{1, 499}, {1, 499}},
                 [](Values v) { return hundredthsQuestion(v[0] + v[1], Sign::minus, v[0]); }),
    };
}

}  // namespace

std::vector<SkillRow> gradeFourSkills() {
    auto rows = firstTerm();
    auto later = secondTerm();
    rows.insert(rows.end(), later.begin(), later.end());
    return rows;
}

}  // namespace tally
