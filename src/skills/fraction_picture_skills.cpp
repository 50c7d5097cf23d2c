// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/fraction_picture_skills.h"

#include <algorithm>
#include <memory>

#include "pictures/fraction_picture.h"

namespace tally::fraction_picture_rules {
namespace {

constexpr const char* kCircled[] = {"①", "②", "③"};

SkillQuestion worded(std::string text, SkillNumber answer, std::shared_ptr<const QuestionPicture> picture) {
    SkillQuestion question;
    question.layout = QuestionLayout::worded;
    question.prompt = std::move(text);
    question.result = answer;
    question.picture = std::move(picture);
    return question;
}

FractionShape::Kind kindOf(int choice) { return choice == 0 ? FractionShape::Kind::bar : FractionShape::Kind::circle; }

std::string fraction(int numerator, int denominator) {
    return std::to_string(numerator) + "/" + std::to_string(denominator);
}

std::string said(const FractionShape& shape) {
    return "平均分成" + std::to_string(shape.parts) + "份，涂了" + std::to_string(shape.shaded) + "份";
}

bool sameValue(const FractionShape& a, const FractionShape& b) { return a.shaded * b.parts == b.shaded * a.parts; }

// Pictures a child might take for m/n: the unshaded part, a part more or
// less, a part more or less in all; each a proper fraction of its own value.
std::vector<FractionShape> nearMisses(const FractionShape& right) {
    const int m = right.shaded;
    const int n = right.parts;
    const FractionShape tries[] = {{right.kind, n, n - m}, {right.kind, n, m + 1}, {right.kind, n, m - 1},
                                   {right.kind, n + 1, m}, {right.kind, n - 1, m}};
    std::vector<FractionShape> kept;
    for (const FractionShape& shape : tries) {
        if (shape.shaded < 1 || shape.shaded >= shape.parts || sameValue(shape, right)) continue;
        if (std::none_of(kept.begin(), kept.end(), [&](const FractionShape& k) { return sameValue(k, shape); })) {
            kept.push_back(shape);
        }
    }
    return kept;
}

}  // namespace

Maybe shadedPart(Values v) {
    const FractionShape shape{kindOf(v[0]), v[1], v[2]};
    if (shape.shaded >= shape.parts || (shape.kind == FractionShape::Kind::circle && shape.parts > 8)) return std::nullopt;
    const std::string name = shapeName(shape.kind);
    const std::string text = "把一个" + name + said(shape) + "，涂色部分是这个" + name + "的几分之几？";
    return worded(text, fractionNumber(shape.shaded, shape.parts),
                  std::make_shared<FractionPicture>(std::vector{shape}, FractionLayout::single));
}

Maybe shadeParts(Values v) {
    const FractionShape shape{kindOf(v[0]), v[1], v[2]};
    if (shape.shaded >= shape.parts || (shape.kind == FractionShape::Kind::circle && shape.parts > 8)) return std::nullopt;
    const std::string text = std::string("涂一涂：把一个") + shapeName(shape.kind) + "平均分成" +
                             std::to_string(shape.parts) + "份，涂色表示" + fraction(shape.shaded, shape.parts) + "。";
    SkillQuestion question = worded(text, wholeNumber(shape.shaded),
                                    std::make_shared<FractionPicture>(std::vector{shape}, FractionLayout::single,
                                                                      FractionUse::shade));
    question.setOnPicture = std::to_string(shape.shaded);
    return question;
}

Maybe whichPicture(Values v) {
    const FractionShape right{kindOf(v[0]), v[1], v[2]};
    const int place = v[3];
    const auto pair = static_cast<std::size_t>(v[4]);
    if (right.shaded >= right.parts) return std::nullopt;
    const std::vector<FractionShape> misses = nearMisses(right);
    if (misses.size() < pair + 2) return std::nullopt;
    std::vector<FractionShape> shown{misses[pair], misses[pair + 1]};
    shown.insert(shown.begin() + place, right);
    std::string text = std::string("三个") + shapeName(right.kind) + "：";
    for (std::size_t i = 0; i < shown.size(); ++i) text += std::string(i > 0 ? "；" : "") + "图" + kCircled[i] + said(shown[i]);
    text += "。哪个图的涂色部分是" + fraction(right.shaded, right.parts) + "？第□个。";
    return worded(text, wholeNumber(place + 1), std::make_shared<FractionPicture>(shown, FractionLayout::numbered));
}

Maybe equalBars(Values v) {
    const int b = v[0];
    const int a = v[1];
    const int d = v[2];
    if (a >= b || d == b || a * d % b != 0) return std::nullopt;
    const int c = a * d / b;
    const FractionShape top{FractionShape::Kind::bar, b, a};
    const FractionShape bottom{FractionShape::Kind::bar, d, c};
    const std::string text = "两条一样长的纸条，上面一条" + said(top) + "，下面一条平均分成" + std::to_string(d) +
                             "份，涂色部分一样长：" + fraction(a, b) + "＝□/" + std::to_string(d);
    return worded(text, wholeNumber(c), std::make_shared<FractionPicture>(std::vector{top, bottom}, FractionLayout::stacked));
}

}  // namespace tally::fraction_picture_rules
