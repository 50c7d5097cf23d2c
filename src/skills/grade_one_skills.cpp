// SPDX-License-Identifier: GPL-3.0-or-later
// 一年级: adding and taking away within 5, 10 and 20, then within 100; counters,
// ten-frames, 计数器, 小棒 and 人民币 drawn where the textbook draws them.
#include "skills/clock_skills.h"
#include "skills/column_arithmetic.h"
#include "skills/counting_skills.h"
#include "skills/grade_skills.h"
#include "skills/money_skills.h"
#include "skills/place_value_skills.h"
#include "skills/number_line_skills.h"
#include "skills/question_forms.h"

namespace tally {

namespace {

using namespace skill_rules;

const char* const kUpToFive = "1～5的认识和加减法";
const char* const kUpToTen = "6～10的认识和加减法";
const char* const kUpToTwenty = "11～20各数的认识";
const char* const kClock = "认识钟表";
const char* const kCarrying = "20以内的进位加法";
const char* const kBorrowing = "20以内的退位减法";
const char* const kHundredNumbers = "100以内数的认识";
const char* const kMoney = "认识人民币";
const char* const kHundredOne = "100以内的加法和减法（一）";

// a ＋ b or a － b (sign 0 or 1) with every number within 0…limit.
Maybe addOrTakeAway(Values v, int limit) { return wholeQuestion({v[0], v[2]}, {plusOrMinus(v[1])}, limit); }

// n split into a and the □: the terms are the parts, the result the whole.
Maybe splitOfTen(Values v) {
    const int whole = v[0];
    const int part = v[1];
    if (part >= whole) return std::nullopt;
    SkillQuestion question = boxed(*wholeQuestion({part, whole - part}, {Sign::plus}, 10), 1);
    question.layout = QuestionLayout::split;
    return question;
}

Maybe boxedWithinTen(Values v) {
    const auto question = addOrTakeAway(v, 10);
    return question ? Maybe(boxed(*question, v[3])) : std::nullopt;
}

// Three numbers from 1 to 10, every step within 10.
Maybe chainWithinTen(Values v) {
    return wholeQuestion({v[0], v[2], v[4]}, {plusOrMinus(v[1]), plusOrMinus(v[3])}, 10);
}

// 10＋几, 十几＋几 and 十几－几 without carrying or borrowing, 十几－10.
Maybe teensWithoutCarrying(Values v) {
    const int teen = v[0];
    const int other = v[2];
    const bool plus = v[1] == 0;
    if (plus) {
        if (other == 10 || additionCarries(teen, other)) return std::nullopt;
    } else if (teen == 10 || (other != 10 && borrowsAt(teen, other, 0))) {
        return std::nullopt;
    }
    return wholeQuestion({teen, other}, {plusOrMinus(v[1])}, 20);
}

// 十加几, 几加十, 十几加几 and 几加十几 without carrying: one addend a 十几 or
// 10, the other one digit, the ones adding up to at most 9.
Maybe teenSumWithoutCarrying(Values v) {
    const bool oneTeen = (v[0] >= 10) != (v[1] >= 10);
    if (!oneTeen || additionCarries(v[0], v[1])) return std::nullopt;
    return wholeQuestion({v[0], v[1]}, {Sign::plus}, 19);
}

// 几＋几 past ten: the first addend is the one the skill names.
Maybe pastTen(int first, int second) {
    return first + second > 10 ? wholeQuestion({first, second}, {Sign::plus}, 20) : std::nullopt;
}

// 十几－几 with borrowing.
Maybe teenBorrowing(int teen, int taken) {
    return borrowsAt(teen, taken, 0) ? wholeQuestion({teen, taken}, {Sign::minus}, 20) : std::nullopt;
}

// 30＋5, 5＋30, 35－5 and 35－30 (forms 0 to 3).
Maybe tensAndOnes(Values v) {
    const int tens = v[0] * 10;
    const int ones = v[1];
    switch (v[2]) {
    case 0: return wholeQuestion({tens, ones}, {Sign::plus}, 99);
    case 1: return wholeQuestion({ones, tens}, {Sign::plus}, 99);
    case 2: return wholeQuestion({tens + ones, ones}, {Sign::minus}, 99);
    default: return wholeQuestion({tens + ones, tens}, {Sign::minus}, 99);
    }
}

// 整十数 ± 整十数 within 100, nothing left at 0.
Maybe tensAndTens(Values v) {
    const auto question = wholeQuestion({v[0] * 10, v[2] * 10}, {plusOrMinus(v[1])}, 100);
    return question && question->result.numerator > 0 ? question : std::nullopt;
}

// A two-digit number (not 整十) with a one-digit number (kind 0) or a 整十数
// (kind 1).
int secondOperand(Values v) { return v[2] == 0 ? v[1] : v[1] * 10; }

Maybe addWithoutCarrying(Values v) {
    const int second = secondOperand(v);
    if (v[0] % 10 == 0 || additionCarries(v[0], second)) return std::nullopt;
    return wholeQuestion({v[0], second}, {Sign::plus}, 99);
}

Maybe subtractWithoutBorrowing(Values v) {
    const int second = secondOperand(v);
    if (v[0] % 10 == 0 || second > v[0] || borrowsAt(v[0], second, 0)) return std::nullopt;
    return wholeQuestion({v[0], second}, {Sign::minus}, 99);
}

Maybe addOneDigitCarrying(Values v) {
    return carriesAt(v[0], v[1], 0) ? wholeQuestion({v[0], v[1]}, {Sign::plus}, 100) : std::nullopt;
}

Maybe subtractOneDigitBorrowing(Values v) {
    return borrowsAt(v[0], v[1], 0) ? wholeQuestion({v[0], v[1]}, {Sign::minus}, 99) : std::nullopt;
}

std::vector<SkillRow> firstTerm() {
    return {
        skillRow("k1101", 1, up, kUpToFive, "5以内加减", {{0, 5}, {0, 1}, {0, 5}},
                 [](Values v) { return addOrTakeAway(v, 5); }),
        skillRow("k1102", 1, up, kUpToTen, "10以内的分与合", {{2, 10}, {1, 9}}, splitOfTen),
        skillRow("k1151", 1, up, kUpToTen, "看图分与合（10以内）", {{2, 10}, {1, 9}, {0, 1}}, splitWithCounters),
        skillRow("k1103", 1, up, kUpToTen, "10以内加减", {{0, 10}, {0, 1}, {0, 10}},
                 [](Values v) { return addOrTakeAway(v, 10); }),
        skillRow("k1104", 1, up, kUpToTen, "□里填几（10以内）", {{0, 10}, {0, 1}, {0, 10}, {0, 1}}, boxedWithinTen),
        skillRow("k1105", 1, up, kUpToTen, "连加、连减、加减混合（10以内）", {{1, 10}, {0, 1}, {1, 9}, {0, 1}, {1, 9}},
                 chainWithinTen),
        skillRow("k1106", 1, up, kUpToTwenty, "十加几、十几加几、十几减几", {{10, 19}, {0, 1}, {1, 10}},
                 teensWithoutCarrying),
        skillRow("k1111", 1, up, kUpToTwenty, "20以内不进位加法", {{1, 19}, {1, 19}}, teenSumWithoutCarrying),
        skillRow("k1141", 1, up, kClock, "认识整时和半时", {{1, 12}, {0, 1}}, clock_rules::readWholeOrHalf),
        skillRow("k1142", 1, up, kClock, "拨一拨：整时和半时", {{1, 12}, {0, 1}},
                 [](Values v) { return clock_rules::setHands(v, 30); }),
        skillRow("k1107", 1, up, kCarrying, "9加几", {{2, 9}}, [](Values v) { return pastTen(9, v[0]); }),
        skillRow("k1152", 1, up, kCarrying, "看图凑十（9加几）", {{2, 9}},
                 [](Values v) { return makeTenWithFrames(9, v[0]); }),
        skillRow("k1108", 1, up, kCarrying, "8、7、6加几", {{6, 8}, {2, 9}},
                 [](Values v) { return pastTen(v[0], v[1]); }),
        skillRow("k1153", 1, up, kCarrying, "看图凑十（8、7、6加几）", {{6, 8}, {2, 9}},
                 [](Values v) { return makeTenWithFrames(v[0], v[1]); }),
        skillRow("k1109", 1, up, kCarrying, "5、4、3、2加几", {{2, 5}, {2, 9}},
                 [](Values v) { return pastTen(v[0], v[1]); }),
        skillRow("k1154", 1, up, kCarrying, "看图凑十（5、4、3、2加几）", {{2, 5}, {6, 9}},
                 [](Values v) { return makeTenOfBigger(v[0], v[1]); }),
        skillRow("k1110", 1, up, kCarrying, "20以内进位加法", {{2, 9}, {2, 9}},
                 [](Values v) { return pastTen(v[0], v[1]); }),
        skillRow("k1161", 1, up, kCarrying, "看数轴算加减（20以内）", {{1, 20}, {0, 1}, {1, 9}},
                 number_line_rules::jumpsWithinTwenty),
    };
}

std::vector<SkillRow> secondTerm() {
    return {
        skillRow("k1201", 1, down, kBorrowing, "十几减9", {{11, 18}}, [](Values v) { return teenBorrowing(v[0], 9); }),
        skillRow("k1251", 1, down, kBorrowing, "看图破十（十几减9）", {{11, 18}},
                 [](Values v) { return breakTenWithFrame(v[0], 9); }),
        skillRow("k1202", 1, down, kBorrowing, "十几减8、7、6", {{11, 17}, {6, 8}},
                 [](Values v) { return teenBorrowing(v[0], v[1]); }),
        skillRow("k1252", 1, down, kBorrowing, "看图破十（十几减8、7、6）", {{11, 17}, {6, 8}},
                 [](Values v) { return breakTenWithFrame(v[0], v[1]); }),
        skillRow("k1203", 1, down, kBorrowing, "十几减5、4、3、2", {{11, 14}, {2, 5}},
                 [](Values v) { return teenBorrowing(v[0], v[1]); }),
        skillRow("k1204", 1, down, kBorrowing, "20以内退位减法", {{11, 18}, {2, 9}},
                 [](Values v) { return teenBorrowing(v[0], v[1]); }),
        skillRow("k1205", 1, down, kHundredNumbers, "整十数加一位数及相应的减法", {{1, 9}, {1, 9}, {0, 3}},
                 tensAndOnes),
        skillRow("k1253", 1, down, kHundredNumbers, "看计数器读数", {{10, 100}},
                 [](Values v) { return readBeadCounter(v[0]); }),
        skillRow("k1254", 1, down, kHundredNumbers, "数小棒", {{10, 100}}, [](Values v) { return readSticks(v[0]); }),
        skillRow("k1255", 1, down, kHundredNumbers, "在计数器上拨数", {{10, 99}},
                 [](Values v) { return setBeadCounter(v[0]); }),
        skillRow("k1256", 1, down, kMoney, "数一数一共多少钱", {{0, 2}, {0, 3}, {0, 4}, {0, 1}, {0, 5}}, countMoney),
        skillRow("k1257", 1, down, kMoney, "人民币换一换", {{0, 1}, {1, 3}, {0, 7}, {0, 7}}, changeMoney),
        skillRow("k1258", 1, down, kMoney, "找零钱", {{0, 7}, {0, 89}, {1, 9}, {0, 1}}, giveChange),
        skillRow("k1206", 1, down, kHundredOne, "整十数加、减整十数", {{1, 10}, {0, 1}, {1, 9}}, tensAndTens),
        skillRow("k1261", 1, down, kHundredOne, "看数轴算整十数加减", {{1, 10}, {0, 1}, {1, 9}},
                 number_line_rules::tensWithinHundred),
        skillRow("k1207", 1, down, kHundredOne, "两位数加一位数、整十数（不进位）", {{11, 99}, {1, 9}, {0, 1}},
                 addWithoutCarrying),
        skillRow("k1208", 1, down, kHundredOne, "两位数加一位数（进位）", {{11, 99}, {1, 9}}, addOneDigitCarrying),
        skillRow("k1209", 1, down, kHundredOne, "两位数减一位数、整十数（不退位）", {{11, 99}, {1, 9}, {0, 1}},
                 subtractWithoutBorrowing),
        skillRow("k1210", 1, down, kHundredOne, "两位数减一位数（退位）", {{20, 99}, {1, 9}},
                 subtractOneDigitBorrowing),
    };
}

}  // namespace

std::vector<SkillRow> gradeOneSkills() {
    auto rows = firstTerm();
    auto later = secondTerm();
    rows.insert(rows.end(), later.begin(), later.end());
    return rows;
}

}  // namespace tally
