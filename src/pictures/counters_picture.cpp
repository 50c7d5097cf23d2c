// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/counters_picture.h"

#include <algorithm>
#include <optional>

#include "pictures/counting_svg.h"
#include "pictures/svg_parts.h"

namespace tally {
namespace {

constexpr double kCell = 21;
constexpr double kRadius = 7.5;
constexpr double kGap = 14;
constexpr double kPad = 6;
constexpr double kArrowRoom = 18;  // above the counters, where an arrow runs
constexpr int kFrameColumns = 5;
constexpr int kFrameRows = 2;

struct Point {
    double x = 0;
    double y = 0;
};

int columnsOf(const CounterGroup& group) {
    if (group.framed) return kFrameColumns;
    return std::max(1, std::min(group.perRow, static_cast<int>(group.counters.size())));
}

int rowsOf(const CounterGroup& group) {
    if (group.framed) return kFrameRows;
    const int count = static_cast<int>(group.counters.size());
    return std::max(1, (count + group.perRow - 1) / group.perRow);
}

Point cellCentre(Point origin, int place, int columns) {
    return {origin.x + (place % columns + 0.5) * kCell, origin.y + (place / columns + 0.5) * kCell};
}

std::string fillOf(CounterLook look) {
    switch (look) {
    case CounterLook::blue: return "#3a7bd5";
    case CounterLook::moved: return "#f2c230";
    case CounterLook::red:
    case CounterLook::crossed: break;
    }
    return "#d9534f";
}

const char* classOf(CounterLook look) {
    switch (look) {
    case CounterLook::moved: return "counter moved";
    case CounterLook::crossed: return "counter crossed";
    case CounterLook::red:
    case CounterLook::blue: break;
    }
    return "counter";
}

std::string counter(Point centre, CounterLook look) {
    std::string drawn = svgCircle(centre.x, centre.y, kRadius, fillOf(look), std::string(" class=\"") + classOf(look) + "\"");
    if (look == CounterLook::crossed) {
        const double reach = kRadius + 2;
        drawn += svgLine(centre.x - reach, centre.y + reach, centre.x + reach, centre.y - reach, "#000", 2, " class=cross");
    }
    return drawn;
}

std::string frameLines(Point origin) {
    std::string lines = svgRect(origin.x, origin.y, kFrameColumns * kCell, kFrameRows * kCell, "#fff");
    for (int column = 1; column < kFrameColumns; ++column) {
        const double x = origin.x + column * kCell;
        lines += svgLine(x, origin.y, x, origin.y + kFrameRows * kCell, "#333", 1);
    }
    return lines + svgLine(origin.x, origin.y + kCell, origin.x + kFrameColumns * kCell, origin.y + kCell, "#333", 1);
}

std::string groupSvg(const CounterGroup& group, Point origin) {
    std::string drawn = std::string("<g class=") + (group.framed ? "frame" : "row") + ">";
    if (group.framed) drawn += frameLines(origin);
    const int columns = columnsOf(group);
    for (std::size_t i = 0; i < group.counters.size(); ++i) {
        drawn += counter(cellCentre(origin, static_cast<int>(i), columns), group.counters[i]);
    }
    return drawn + "</g>";
}

// A curved arrow over the counters, from one place to another.
std::string arrow(Point from, Point to) {
    const double top = kPad;
    const double rise = from.y - kRadius - 2;
    std::string drawn = "<path d=\"M" + svg_parts::number(from.x) + " " + svg_parts::number(rise) + " Q" +
                        svg_parts::number((from.x + to.x) / 2) + " " + svg_parts::number(top - 4) + " " + svg_parts::number(to.x) + " " +
                        svg_parts::number(rise) + "\" fill=none stroke=\"#e08a00\" stroke-width=2 />";
    return drawn + "<polygon points=\"" + svg_parts::number(to.x - 4) + "," + svg_parts::number(rise - 6) + " " + svg_parts::number(to.x + 4) +
           "," + svg_parts::number(rise - 6) + " " + svg_parts::number(to.x) + "," + svg_parts::number(rise) + "\" fill=\"#e08a00\" />";
}

std::vector<CounterLook> looks(int count, CounterLook look) { return std::vector<CounterLook>(static_cast<std::size_t>(count), look); }

}  // namespace

CountersPicture::CountersPicture(std::vector<CounterGroup> groups, std::string title)
    : groups_(std::move(groups)), title_(std::move(title)) {}

std::string CountersPicture::svg(PictureView) const {
    const bool anyMoved = std::any_of(groups_.begin(), groups_.end(), [](const CounterGroup& g) {
        return std::find(g.counters.begin(), g.counters.end(), CounterLook::moved) != g.counters.end();
    });
    const double top = kPad + (anyMoved ? kArrowRoom : 0);
    double x = kPad;
    int rows = 1;
    std::string body;
    std::optional<Point> emptyPlace;
    std::optional<Point> firstMoved;
    for (const CounterGroup& group : groups_) {
        const Point origin{x, top};
        body += groupSvg(group, origin);
        const int columns = columnsOf(group);
        const int count = static_cast<int>(group.counters.size());
        const auto moved = std::find(group.counters.begin(), group.counters.end(), CounterLook::moved);
        const bool receives = group.framed && count < kFrameColumns * kFrameRows && moved == group.counters.end();
        if (receives && !emptyPlace) emptyPlace = cellCentre(origin, count, columns);
        if (moved != group.counters.end() && !firstMoved) {
            firstMoved = cellCentre(origin, static_cast<int>(moved - group.counters.begin()), columns);
        }
        rows = std::max(rows, rowsOf(group));
        x += columns * kCell + kGap;
    }
    if (firstMoved && emptyPlace) body += arrow(*firstMoved, *emptyPlace);
    const int width = static_cast<int>(x - kGap + kPad);
    const int height = static_cast<int>(top + rows * kCell + kPad);
    return svg_parts::open(width, height, title_, "") + body + svg_parts::kClose;
}

std::shared_ptr<const CountersPicture> CountersPicture::split(int first, int second) {
    const int row = first + second;
    return std::make_shared<const CountersPicture>(
        std::vector<CounterGroup>{{false, looks(first, CounterLook::red), row}, {false, looks(second, CounterLook::blue), row}},
        "一排圆点：左边" + std::to_string(first) + "个红的，右边" + std::to_string(second) + "个蓝的。");
}

std::shared_ptr<const CountersPicture> CountersPicture::makingTen(int inFrame, int beside) {
    const int moving = 10 - inFrame;
    std::vector<CounterLook> second = looks(moving, CounterLook::moved);
    const auto rest = looks(beside - moving, CounterLook::blue);
    second.insert(second.end(), rest.begin(), rest.end());
    return std::make_shared<const CountersPicture>(
        std::vector<CounterGroup>{{true, looks(inFrame, CounterLook::red)}, {true, second}},
        "两个十格框：左框" + std::to_string(inFrame) + "个圆点，空着" + std::to_string(moving) + "格；右框" +
            std::to_string(beside) + "个圆点，其中" + std::to_string(moving) + "个黄的移进左框凑成十。");
}

std::shared_ptr<const CountersPicture> CountersPicture::makingTenOfBigger(int smaller, int bigger) {
    const int moving = 10 - bigger;
    std::vector<CounterLook> first = looks(smaller - moving, CounterLook::red);
    const auto across = looks(moving, CounterLook::moved);
    first.insert(first.end(), across.begin(), across.end());
    return std::make_shared<const CountersPicture>(
        std::vector<CounterGroup>{{true, first}, {true, looks(bigger, CounterLook::blue)}},
        "两个十格框：左框" + std::to_string(smaller) + "个圆点，其中" + std::to_string(moving) + "个黄的移进右框；右框" +
            std::to_string(bigger) + "个圆点，空着" + std::to_string(moving) + "格，移进来就凑成十。");
}

std::shared_ptr<const CountersPicture> CountersPicture::breakingTen(int ones, int taken) {
    std::vector<CounterLook> ten = looks(taken, CounterLook::crossed);
    const auto kept = looks(10 - taken, CounterLook::red);
    ten.insert(ten.end(), kept.begin(), kept.end());
    return std::make_shared<const CountersPicture>(
        std::vector<CounterGroup>{{true, ten}, {false, looks(ones, CounterLook::blue)}},
        "一个满满的十格框和旁边" + std::to_string(ones) + "个圆点，框里划去了" + std::to_string(taken) + "个。");
}

}  // namespace tally
