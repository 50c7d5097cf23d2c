// SPDX-License-Identifier: GPL-3.0-or-later
// 凑十 and 破十, as 20以内的进位加法 and 退位减法 teach them with a ten-frame.
#include <algorithm>

#include "skills/steps_builders.h"

namespace tally {

namespace {

std::string splitText(long long whole, long long first, long long second) {
    return "把" + std::to_string(whole) + "分成" + std::to_string(first) + "和" + std::to_string(second);
}

StepLine splitLine(long long whole, long long first, long long second) {
    return {splitText(whole, first, second), {whole, first, second}, ""};
}

StepLine equationLine(long long a, const char* sign, long long b, long long result, std::string note = "") {
    return {equationText(a, sign, b, result), {a, b, result}, std::move(note)};
}

}  // namespace

// 看大数，分小数: the smaller number gives the bigger what it needs to make ten.
QuestionSteps makeTenSteps(int a, int b) {
    const int bigger = std::max(a, b);
    const int smaller = std::min(a, b);
    const int toTen = 10 - bigger;
    const int rest = smaller - toTen;
    QuestionSteps steps;
    steps.kind = StepsKind::makeTen;
    steps.title = "凑十法";
    steps.lines = {splitLine(smaller, toTen, rest), equationLine(bigger, "＋", toTen, 10, "先凑成十"),
                   equationLine(10, "＋", rest, 10 + rest, "再加剩下的"), soLine(a, "＋", b, a + b)};
    steps.frame = TenFrameWork{bigger, toTen, 0, rest};
    return steps;
}

// The ten-something splits into 10 and its ones; the number is taken from
// the ten and what is left goes with the ones.
QuestionSteps breakTenSteps(int a, int b) {
    const int ones = a - 10;
    const int left = 10 - b;
    QuestionSteps steps;
    steps.kind = StepsKind::breakTen;
    steps.title = "破十法";
    steps.lines = {splitLine(a, 10, ones), equationLine(10, "－", b, left, "从10里减"),
                   equationLine(left, "＋", ones, left + ones, "再和" + std::to_string(ones) + "合起来"),
                   soLine(a, "－", b, a - b)};
    steps.frame = TenFrameWork{10, 0, b, ones};
    return steps;
}

}  // namespace tally
