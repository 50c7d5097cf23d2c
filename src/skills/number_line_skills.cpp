// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/number_line_skills.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "pictures/number_line_picture.h"
#include "skills/question_forms.h"

namespace tally::number_line_rules {
namespace {

std::string way(Sign sign) { return sign == Sign::plus ? "往右" : "往左"; }

// `count` jumps of `size` ticks each from `start`, right for ＋, left for －.
std::vector<LineJump> jumpsFrom(int start, int count, int size, Sign sign) {
    const int step = sign == Sign::plus ? size : -size;
    std::vector<LineJump> jumps;
    for (int i = 0; i < count; ++i) jumps.push_back({start + i * step, start + (i + 1) * step});
    return jumps;
}

// The sum or difference with its line: the prompt says the jumps, which
// the picture draws from the start.
Maybe onLine(int a, Sign sign, int b, int limit, const std::string& jumpsSaid, LineScale scale,
             std::vector<LineJump> jumps) {
    Maybe question = wholeQuestion({a, b}, {sign}, limit);
    if (!question) return std::nullopt;
    question->prompt = "看数轴，从" + std::to_string(a) + way(sign) + jumpsSaid + "：";
    const std::string description = "从" + std::to_string(a) + "起" + way(sign) + jumpsSaid + "。";
    question->picture = std::make_shared<NumberLinePicture>(scale, LineMarks{std::move(jumps), {}, {}}, description);
    return question;
}

SkillQuestion worded(std::string text, SkillNumber answer) {
    SkillQuestion question;
    question.layout = QuestionLayout::worded;
    question.prompt = std::move(text);
    question.result = answer;
    return question;
}

// Where a tick of −5…5 stands from 0, in the words of the textbook.
std::string placeOf(const std::string& name, int at) {
    if (at == 0) return "点" + name + "在0的位置";
    return "点" + name + "在0的" + (at < 0 ? "左边第" : "右边第") + std::to_string(std::abs(at)) + "格";
}

}  // namespace

Maybe jumpsWithinTwenty(Values v) {
    const int a = v[0];
    const Sign sign = plusOrMinus(v[1]);
    const int b = v[2];
    if (sign == Sign::minus && a > 10 && a - b < 10) return std::nullopt;
    return onLine(a, sign, b, 20, "跳" + std::to_string(b) + "次", {0, 20, 1, 1, 1}, jumpsFrom(a, b, 1, sign));
}

Maybe tensWithinHundred(Values v) {
    const int a = v[0] * 10;
    const Sign sign = plusOrMinus(v[1]);
    const int tens = v[2];
    return onLine(a, sign, tens * 10, 100, "跳" + std::to_string(tens) + "个十", {0, 10, 10, 1, 1},
                  jumpsFrom(v[0], tens, 1, sign));
}

Maybe twoDigitsAndTens(Values v) {
    const int a = v[0];
    const Sign sign = plusOrMinus(v[1]);
    const int tens = v[2];
    const int end = sign == Sign::plus ? a + tens * 10 : a - tens * 10;
    if (a % 10 == 0 || end < 1 || end > 99) return std::nullopt;
    const int low = std::min(a, end) / 10 * 10;
    const int high = (std::max(a, end) + 9) / 10 * 10;
    return onLine(a, sign, tens * 10, 99, "跳" + std::to_string(tens) + "个十", {low, high, 1, 1, 10},
                  jumpsFrom(a, tens, 10, sign));
}

Maybe tenthsOnLine(Values v) {
    const int tenths = v[0];
    if (tenths % 10 == 0) return std::nullopt;
    const std::string place = std::to_string(tenths / 10) + "右边第" + std::to_string(tenths % 10) + "小格";
    SkillQuestion question = worded("数轴上每一小格是0.1，箭头指在" + place + "，箭头指的数是□。", tenthsNumber(tenths));
    question.picture =
        std::make_shared<NumberLinePicture>(LineScale{0, 30, 1, 10, 10}, LineMarks{{}, {tenths}, {}}, "箭头指在" + place + "。");
    return question;
}

Maybe signedOnLine(Values v) {
    const int a = v[1];
    const int b = v[2];
    constexpr LineScale kScale{-5, 5, 1, 1, 1};
    if (v[0] == 0) {
        if (a == 0 || b != -5) return std::nullopt;
        SkillQuestion question = worded("数轴上" + placeOf("A", a) + "，点A表示的数是□。", wholeNumber(a));
        question.picture = std::make_shared<NumberLinePicture>(kScale, LineMarks{{}, {}, {{a, "A"}}}, placeOf("A", a) + "。");
        return question;
    }
    if (a >= 0 || b <= a) return std::nullopt;
    const std::string places = placeOf("A", a) + "，" + placeOf("B", b);
    SkillQuestion question = worded("数轴上" + places + "，A、B两点相距□个单位长度。", wholeNumber(b - a));
    question.picture = std::make_shared<NumberLinePicture>(kScale, LineMarks{{}, {}, {{a, "A"}, {b, "B"}}}, places + "。");
    return question;
}

}  // namespace tally::number_line_rules
