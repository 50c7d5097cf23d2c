// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/counting_skills.h"

#include <string>

#include "pictures/counters_picture.h"
#include "skills/pictured_question.h"

namespace tally {
namespace {

SkillQuestion namingItsSum(SkillQuestion question, int a, Sign sign, int b) {
    question.terms = {wholeNumber(a), wholeNumber(b)};
    question.signs = {sign};
    return question;
}

}  // namespace

std::optional<SkillQuestion> splitWithCounters(std::span<const int> v) {
    const int whole = v[0];
    const int part = v[1];
    if (part >= whole) return std::nullopt;
    const std::string first = std::to_string(part);
    const std::string second = std::to_string(whole - part);
    auto picture = CountersPicture::split(part, whole - part);
    if (v[2] == 0) {
        return picturedQuestion("看图分一分：一排" + std::to_string(whole) + "个圆点，左边" + first + "个红的，" +
                                    std::to_string(whole) + "可以分成" + first + "和□。",
                                whole - part, std::move(picture));
    }
    return picturedQuestion("看图合一合：左边" + first + "个红的，右边" + second + "个蓝的，" + first + "和" + second +
                                "合成□。",
                            whole, std::move(picture));
}

std::optional<SkillQuestion> makeTenWithFrames(int inFrame, int beside) {
    const int moving = 10 - inFrame;
    if (moving <= 0 || beside <= moving || beside > 9) return std::nullopt;
    const std::string a = std::to_string(inFrame);
    const std::string b = std::to_string(beside);
    const SkillQuestion question =
        picturedQuestion("看图凑十：左框" + a + "个，右框" + b + "个，移" + std::to_string(moving) + "个到左框凑成十，" + a +
                             "＋" + b + "＝□。",
                         inFrame + beside, CountersPicture::makingTen(inFrame, beside));
    return namingItsSum(question, inFrame, Sign::plus, beside);
}

std::optional<SkillQuestion> makeTenOfBigger(int smaller, int bigger) {
    const int moving = 10 - bigger;
    if (smaller >= bigger || moving <= 0 || smaller <= moving) return std::nullopt;
    const std::string a = std::to_string(smaller);
    const std::string b = std::to_string(bigger);
    const SkillQuestion question =
        picturedQuestion("看图凑十：左框" + a + "个，右框" + b + "个，从左框移" + std::to_string(moving) +
                             "个到右框凑成十，" + a + "＋" + b + "＝□。",
                         smaller + bigger, CountersPicture::makingTenOfBigger(smaller, bigger));
    return namingItsSum(question, smaller, Sign::plus, bigger);
}

std::optional<SkillQuestion> breakTenWithFrame(int teen, int taken) {
    const int ones = teen - 10;
    if (ones < 1 || ones > 9 || taken <= ones || taken > 9) return std::nullopt;
    const std::string t = std::to_string(taken);
    const SkillQuestion question =
        picturedQuestion("看图破十：满框10个，旁边" + std::to_string(ones) + "个，从十个里划去" + t + "个，" +
                             std::to_string(teen) + "－" + t + "＝□。",
                         teen - taken, CountersPicture::breakingTen(ones, taken));
    return namingItsSum(question, teen, Sign::minus, taken);
}

}  // namespace tally
