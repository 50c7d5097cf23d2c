// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/counting_skills.h"

#include <string>

#include "pictures/counters_picture.h"
#include "skills/pictured_question.h"

namespace tally {

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
    return picturedQuestion("看图凑十：左框" + a + "个，右框" + b + "个，移" + std::to_string(moving) + "个到左框凑成十，" +
                                a + "＋" + b + "＝□。",
                            inFrame + beside, CountersPicture::makingTen(inFrame, beside));
}

std::optional<SkillQuestion> breakTenWithFrame(int teen, int taken) {
    const int ones = teen - 10;
    if (ones < 1 || ones > 9 || taken <= ones || taken > 9) return std::nullopt;
    const std::string t = std::to_string(taken);
    return picturedQuestion("看图破十：满框10个，旁边" + std::to_string(ones) + "个，从十个里划去" + t + "个，" +
                                std::to_string(teen) + "－" + t + "＝□。",
                            teen - taken, CountersPicture::breakingTen(ones, taken));
}

}  // namespace tally
