// SPDX-License-Identifier: GPL-3.0-or-later
// Every question of the number-line skills answered again from its picture
// alone: the ticks and their labels give each mark's number.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>

#include "exact_reading.h"
#include "skills/skill_table.h"
#include "svg_reading.h"

namespace tally {
namespace {

using namespace picture_reading;
using reading::Ratio;

// The line as drawn: where its ticks stand and the numbers under them.
class LineReading {
public:
    explicit LineReading(const std::vector<Element>& picture) : picture_(picture) {
        for (const Element& tick : ofClass(picture, "tick")) ticks_.push_back(tick.number("x1"));
        for (const Element& label : ofClass(picture, "label")) {
            std::string words = label.words;
            if (words.starts_with("\u2212")) words = "-" + words.substr(std::string("\u2212").size());
            labelled_.emplace(tickAt(label.number("x")), *reading::read(words));
        }
    }

    // The number at x, counted in ticks from the first two labels.
    Ratio at(double x) const {
        EXPECT_GE(labelled_.size(), 2u);
        const auto [first, low] = *labelled_.begin();
        const auto [second, high] = *std::next(labelled_.begin());
        return low + (high - low) * Ratio{tickAt(x) - first, second - first};
    }
    const std::vector<Element>& picture() const { return picture_; }

private:
    std::vector<Element> picture_;
    std::vector<double> ticks_;
    std::map<int, Ratio> labelled_;  // tick index -> its label

    int tickAt(double x) const {
        for (std::size_t i = 0; i < ticks_.size(); ++i) {
            if (std::abs(ticks_[i] - x) < 0.5) return static_cast<int>(i);
        }
        ADD_FAILURE() << "nothing stands on a tick at " << x;
        return -1000;
    }
};

// The jumps from the start the text names: each lands where the next
// starts, all of one size and way; the answer is where the last lands.
Ratio landing(const SkillQuestion& q, const LineReading& line) {
    const auto said = reading::match(q.text, R"(看数轴，从(\d+)往(右|左)跳(\d+)(次|个十)：.*)");
    EXPECT_FALSE(said.empty()) << q.text;
    const long long size = (said[4] == "次" ? 1 : 10) * (said[2] == "右" ? 1 : -1);
    const auto jumps = ofClass(line.picture(), "jump");
    EXPECT_EQ(static_cast<long long>(jumps.size()), reading::at(said, 3)) << q.text;
    Ratio end{reading::at(said, 1), 1};
    for (const Element& jump : jumps) {
        const std::vector<double> d = numbersIn(jump.of("d"));  // M x y Q cx cy x y
        EXPECT_EQ(line.at(d[0]), end) << q.text;
        end = line.at(d[4]);
        EXPECT_EQ(end - line.at(d[0]), (Ratio{size, 1})) << q.text;
    }
    return end;
}

Ratio arrowTip(const SkillQuestion&, const LineReading& line) {
    const auto arrows = ofClass(line.picture(), "arrow");
    EXPECT_EQ(arrows.size(), 1u);
    return line.at(numbersIn(arrows.at(0).of("points"))[0]);
}

// One point: its number; two: how far apart they are, A left of 0 and of B.
Ratio pointsRead(const SkillQuestion& q, const LineReading& line) {
    std::map<std::string, Ratio> points;
    const auto dots = ofClass(line.picture(), "point");
    const auto names = ofClass(line.picture(), "name");
    EXPECT_EQ(dots.size(), names.size());
    for (std::size_t i = 0; i < dots.size(); ++i) points[names[i].words] = line.at(dots[i].number("cx"));
    if (points.size() == 1) return points.at("A");
    EXPECT_TRUE(points.at("A") < (Ratio{0, 1}) && points.at("A") < points.at("B")) << q.text;
    return points.at("B") - points.at("A");
}

TEST(NumberLineSkills, EveryAnswerIsReadOffItsLine) {
    const std::pair<const char*, std::function<Ratio(const SkillQuestion&, const LineReading&)>> cases[] = {
        {"k1161", landing},   {"k1261", landing},    {"k2161", landing},
        {"k3261", arrowTip},  {"k6261", pointsRead},
    };
    for (const auto& [key, read] : cases) {
        const SkillRow* row = findSkill(key);
        ASSERT_NE(row, nullptr) << key;
        for (std::size_t i = 0; i < row->questions->size(); ++i) {
            const SkillQuestion q = row->questions->question(i);
            ASSERT_TRUE(q.picture) << q.text;
            const LineReading line(elementsOf(q.picture->svg(PictureView::screen)));
            EXPECT_EQ(read(q, line), *reading::keyValue(numberText(q.answer()))) << key << " " << q.text;
        }
    }
}

}  // namespace
}  // namespace tally
