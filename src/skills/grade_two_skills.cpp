// SPDX-License-Identifier: GPL-3.0-or-later
// 二年级: two-digit sums within 100, the multiplication table and its
// division, mixed operations and division with a remainder.
#include <algorithm>

#include "skills/clock_skills.h"
#include "skills/column_arithmetic.h"
#include "skills/grade_skills.h"
#include "skills/number_line_skills.h"
#include "skills/question_forms.h"

namespace tally {

namespace {

using namespace skill_rules;

const char* const kHundredTwo = "100以内的加法和减法（二）";
const char* const kTableOne = "表内乘法（一）";
const char* const kTableTwo = "表内乘法（二）";
const char* const kTime = "认识时间";
const char* const kDivisionOne = "表内除法（一）";
const char* const kDivisionTwo = "表内除法（二）";
const char* const kMixed = "混合运算";
const char* const kRemainder = "有余数的除法";
const char* const kTenThousand = "万以内数的认识";

// Two two-digit numbers added within 100, carrying in the ones or not.
Maybe twoDigitSum(Values v, bool carrying) {
    if (carriesAt(v[0], v[1], 0) != carrying) return std::nullopt;
    return wholeQuestion({v[0], v[1]}, {Sign::plus}, carrying ? 100 : 99);
}

// A two-digit number taken from a larger one, borrowing in the ones or not.
Maybe twoDigitDifference(Values v, bool borrowing) {
    if (v[0] <= v[1] || borrowsAt(v[0], v[1], 0) != borrowing) return std::nullopt;
    return wholeQuestion({v[0], v[1]}, {Sign::minus}, 99);
}

// Three two-digit numbers added and taken away, every step within 0…100.
Maybe chainWithinHundred(Values v) {
    return wholeQuestion({v[0], v[2], v[4]}, {plusOrMinus(v[1]), plusOrMinus(v[3])}, 100);
}

Maybe product(int a, int b) { return wholeQuestion({a, b}, {Sign::times}, 81); }

// a × b ＋ c or a × b － c, the product from the table up to 6.
Maybe productPlusOrMinus(Values v) { return wholeQuestion({v[0], v[1], v[3]}, {Sign::times, plusOrMinus(v[2])}, 100); }

// divisor × quotient ÷ divisor: the quotient read off the table.
Maybe tableQuotient(int divisor, int quotient) {
    return wholeQuestion({divisor * quotient, divisor}, {Sign::divide}, 81);
}

// A division of the table: 2 ≤ divisor, quotient ≤ 9.
bool tableDivision(int dividend, int divisor) {
    return divisor >= 2 && dividend % divisor == 0 && dividend / divisor >= 1 && dividend / divisor <= 9;
}

// a × b ÷ c or a ÷ b × c, every step from the table.
Maybe timesAndDivide(Values v) {
    const int a = v[0];
    const int b = v[1];
    const int c = v[2];
    if (v[3] == 0) {
        if (a < 2 || a > 9 || b < 2 || !tableDivision(a * b, c)) return std::nullopt;
        return wholeQuestion({a, b, c}, {Sign::times, Sign::divide}, 81);
    }
    if (!tableDivision(a, b) || c < 2) return std::nullopt;
    return wholeQuestion({a, b, c}, {Sign::divide, Sign::times}, 81);
}

// The product or quotient of the table in a two-level question.
bool tablePair(int b, int c, Sign sign) {
    return sign == Sign::times ? b >= 2 && b <= 9 && c >= 2 : tableDivision(b, c);
}

// a ± b×c, a ± b÷c (form 0) or b×c ± a, b÷c ± a (form 1), within 100.
Maybe twoLevels(Values v) {
    const int a = v[0];
    const int b = v[1];
    const int c = v[2];
    const Sign inner = timesOrDivide(v[3]);
    const Sign outer = plusOrMinus(v[4]);
    if (!tablePair(b, c, inner)) return std::nullopt;
    if (v[5] == 0) return wholeQuestion({a, b, c}, {outer, inner}, 100);
    return wholeQuestion({b, c, a}, {inner, outer}, 100);
}

// （a ± b）× c, （a ± b）÷ c or c ×（a ± b）, the bracket worked out to a
// number the table takes.
Maybe withBrackets(Values v) {
    const auto inner = applySign(v[0], plusOrMinus(v[1]), v[2]);
    const int c = v[3];
    if (!inner || *inner < 1) return std::nullopt;
    const Sign outer = v[4] == 1 ? Sign::divide : Sign::times;
    if (outer == Sign::divide ? !tableDivision(*inner, c) : *inner < 2 || *inner > 9) return std::nullopt;
    if (v[4] == 2) return wholeQuestion({c, v[0], v[2]}, {Sign::times, plusOrMinus(v[1])}, 100, 1);
    return wholeQuestion({v[0], v[2], c}, {plusOrMinus(v[1]), outer}, 100, 0);
}

// dividend ÷ divisor with a remainder below the divisor.
Maybe leavesRemainder(Values v) {
    const int divisor = v[0];
    const int remainder = v[2];
    if (remainder >= divisor) return std::nullopt;
    return divisionWithRemainder(divisor * v[1] + remainder, divisor);
}

// 整百数 (unit 100) or 整千数 (unit 1000) added and taken away: two 整百数
// up to 900 and a sum past 1000 taken apart again; 整千数 within 10000.
Maybe roundHundredsOrThousands(Values v) {
    const int unit = v[3] == 0 ? 100 : 1000;
    const int a = v[0];
    const int b = v[2];
    const Sign sign = plusOrMinus(v[1]);
    const bool fits = unit == 100 ? (sign == Sign::plus ? a <= 9 : a <= 9 || a - b <= 9)
                                  : (sign == Sign::plus ? a + b <= 10 : a <= 10);
    if (!fits) return std::nullopt;
    const auto question = wholeQuestion({a * unit, b * unit}, {sign}, 10000);
    return question && question->result.numerator > 0 ? question : std::nullopt;
}

std::vector<SkillRow> firstTerm() {
    return {
        skillRow("k2161", 2, up, kHundredTwo, "看数轴算两位数加减整十数", {{11, 99}, {0, 1}, {1, 3}},
                 number_line_rules::twoDigitsAndTens),
        skillRow("k2101", 2, up, kHundredTwo, "两位数加两位数（不进位）", {{10, 99}, {10, 99}},
                 [](Values v) { return twoDigitSum(v, false); }),
        skillRow("k2102", 2, up, kHundredTwo, "两位数加两位数（进位）", {{10, 99}, {10, 99}},
                 [](Values v) { return twoDigitSum(v, true); }),
        skillRow("k2103", 2, up, kHundredTwo, "两位数减两位数（不退位）", {{10, 99}, {10, 99}},
                 [](Values v) { return twoDigitDifference(v, false); }),
        skillRow("k2104", 2, up, kHundredTwo, "两位数减两位数（退位）", {{10, 99}, {10, 99}},
                 [](Values v) { return twoDigitDifference(v, true); }),
        skillRow("k2105", 2, up, kHundredTwo, "连加、连减、加减混合（100以内）", {{10, 99}, {0, 1}, {10, 99}, {0, 1}, {10, 99}},
                 chainWithinHundred),
        skillRow("k2106", 2, up, kTableOne, "2～6的乘法口诀", {{1, 6}, {1, 6}},
                 [](Values v) { return v[0] == 1 && v[1] == 1 ? std::nullopt : product(v[0], v[1]); }),
        skillRow("k2107", 2, up, kTableOne, "乘加、乘减", {{2, 6}, {2, 6}, {0, 1}, {1, 9}}, productPlusOrMinus),
        skillRow("k2108", 2, up, kTableTwo, "7、8、9的乘法口诀", {{1, 9}, {1, 9}},
                 [](Values v) { return std::max(v[0], v[1]) >= 7 ? product(v[0], v[1]) : std::nullopt; }),
        skillRow("k2109", 2, up, kTableTwo, "□里填几（乘法口诀）", {{1, 9}, {1, 9}, {0, 1}},
                 [](Values v) { return Maybe(boxed(*product(v[0], v[1]), v[2])); }),
        skillRow("k2141", 2, up, kTime, "认识几时几分（五分五分地数）", {{1, 12}, {1, 11}},
                 [](Values v) { return clock_rules::readMinutes(v, 5); }),
        skillRow("k2142", 2, up, kTime, "认识几时几分", {{1, 12}, {1, 59}},
                 [](Values v) { return clock_rules::readMinutes(v, 1); }),
        skillRow("k2143", 2, up, kTime, "拨一拨：几时几分", {{1, 12}, {0, 59}},
                 [](Values v) { return clock_rules::setHands(v, 1); }),
    };
}

std::vector<SkillRow> secondTerm() {
    return {
        skillRow("k2201", 2, down, kDivisionOne, "用2～6的乘法口诀求商", {{2, 6}, {1, 6}},
                 [](Values v) { return tableQuotient(v[0], v[1]); }),
        skillRow("k2202", 2, down, kDivisionTwo, "用7、8、9的乘法口诀求商", {{2, 9}, {1, 9}},
                 [](Values v) { return std::max(v[0], v[1]) >= 7 ? tableQuotient(v[0], v[1]) : std::nullopt; }),
        skillRow("k2203", 2, down, kMixed, "同级运算", {{1, 81}, {1, 9}, {1, 9}, {0, 1}}, timesAndDivide),
        skillRow("k2204", 2, down, kMixed, "两级运算", {{1, 99}, {1, 81}, {1, 9}, {0, 1}, {0, 1}, {0, 1}}, twoLevels),
        skillRow("k2205", 2, down, kMixed, "含有小括号的混合运算", {{1, 99}, {0, 1}, {1, 99}, {2, 9}, {0, 2}},
                 withBrackets),
        skillRow("k2206", 2, down, kRemainder, "有余数的除法", {{2, 9}, {1, 9}, {1, 8}}, leavesRemainder),
        skillRow("k2207", 2, down, kTenThousand, "整百、整千数加减法", {{1, 18}, {0, 1}, {1, 9}, {0, 1}},
                 roundHundredsOrThousands),
    };
}

}  // namespace

std::vector<SkillRow> gradeTwoSkills() {
    auto rows = firstTerm();
    auto later = secondTerm();
    rows.insert(rows.end(), later.begin(), later.end());
    return rows;
}

}  // namespace tally
