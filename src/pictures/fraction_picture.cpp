// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/fraction_picture.h"

#include <cmath>
#include <numbers>

#include "pictures/svg_parts.h"

namespace tally {
namespace {

using svg_parts::number;

constexpr const char* kShaded = "#ffa726";
constexpr const char* kPlain = "#ffffff";
constexpr const char* kInk = "#333";
constexpr const char* kCircled[] = {"①", "②", "③", "④", "⑤"};

const char* fill(const FractionShape& shape, int part) { return part < shape.shaded ? kShaded : kPlain; }

// The rest of a part's start tag; a part the child shades takes the focus,
// one part at a time in the Tab order (the arrow keys move it on).
std::string partEnd(const FractionShape& shape, int part, bool focusable) {
    const std::string focus = focusable ? " data-part=\"" + std::to_string(part) + "\" tabindex=\"" +
                                              (part == 0 ? "0" : "-1") + "\""
                                        : "";
    return "\"" + focus + " fill=\"" + fill(shape, part) + "\" stroke=\"" + kInk + "\" stroke-width=\"1.5\"/>";
}

std::string bar(const FractionShape& shape, double left, double top, double width, double height,
                bool focusable = false) {
    const double each = width / shape.parts;
    std::string html = "<g class=\"shape\" data-kind=\"bar\">";
    for (int part = 0; part < shape.parts; ++part) {
        html += "<rect class=\"part\" x=\"" + number(left + part * each) + "\" y=\"" + number(top) + "\" width=\"" +
                number(each) + "\" height=\"" + number(height) + partEnd(shape, part, focusable);
    }
    return html + "</g>";
}

std::string circle(const FractionShape& shape, double centreX, double centreY, double radius, bool focusable = false) {
    const auto around = [&](int k) {
        const double angle = 2 * std::numbers::pi * k / shape.parts - std::numbers::pi / 2;
        return number(centreX + radius * std::cos(angle)) + " " + number(centreY + radius * std::sin(angle));
    };
    const std::string r = number(radius);
    std::string html = "<g class=\"shape\" data-kind=\"circle\">";
    for (int part = 0; part < shape.parts; ++part) {
        html += "<path class=\"part\" d=\"M " + number(centreX) + " " + number(centreY) + " L " + around(part) + " A " +
                r + " " + r + " 0 0 1 " + around(part + 1) + " Z" + partEnd(shape, part, focusable);
    }
    return html + "</g>";
}

std::string shapeIn(const FractionShape& shape, double left, double top, double size) {
    if (shape.kind == FractionShape::Kind::circle) return circle(shape, left + size / 2, top + size / 2, size / 2 - 2);
    return bar(shape, left, top + size / 3, size, size / 3);
}

std::string described(const FractionShape& shape) {
    return "平均分成" + std::to_string(shape.parts) + "份，涂了" + std::to_string(shape.shaded) + "份";
}

}  // namespace

const char* shapeName(FractionShape::Kind kind) { return kind == FractionShape::Kind::circle ? "圆" : "长方形"; }

FractionPicture::FractionPicture(std::vector<FractionShape> shapes, FractionLayout layout, FractionUse use)
    : shapes_(std::move(shapes)), layout_(layout), use_(use) {}

// Larger than a shape to read, so that a child's click finds each part. The
// screen's picture names the colours its script paints with and how a
// focused part stands out.
std::string FractionPicture::toShade(PictureView view) const {
    FractionShape shape = shapes_.front();
    const bool onScreen = view == PictureView::screen;
    if (view != PictureView::key) shape.shaded = 0;
    const bool round = shape.kind == FractionShape::Kind::circle;
    const int width = round ? 164 : 364;
    const int height = round ? 164 : 72;
    const std::string title = std::string("一个") + shapeName(shape.kind) + "，平均分成" + std::to_string(shape.parts) + "份";
    const std::string description = view == PictureView::key ? "涂了" + std::to_string(shape.shaded) + "份"
                                    : onScreen ? "点一份就涂上颜色，再点一下就擦掉"
                                               : "一份也没有涂";
    const std::string attributes = onScreen ? std::string(" data-shade data-shaded=\"") + kShaded + "\" data-plain=\"" +
                                                  kPlain + "\" style=\"cursor:pointer\""
                                            : "";
    const std::string focusStyle =
        onScreen ? "<style>svg[data-shade] .part:focus{outline:none;stroke:#1d4ed8;stroke-width:4}</style>" : "";
    const std::string picture = round ? circle(shape, 82, 82, 78, onScreen) : bar(shape, 2, 8, 360, 56, onScreen);
    return svg_parts::open(width, height, title, description, attributes) + focusStyle + picture + svg_parts::kClose;
}

std::string FractionPicture::single() const {
    const FractionShape& shape = shapes_.front();
    const bool round = shape.kind == FractionShape::Kind::circle;
    const int width = round ? 104 : 244;
    const int height = round ? 104 : 64;
    const std::string picture = round ? circle(shape, 52, 52, 48) : bar(shape, 2, 12, 240, 40);
    return svg_parts::open(width, height, std::string("一个") + shapeName(shape.kind), described(shape)) + picture +
           svg_parts::kClose;
}

std::string FractionPicture::numbered() const {
    constexpr double kCell = 120;
    constexpr double kSize = 100;
    std::string words;
    std::string pictures;
    for (std::size_t i = 0; i < shapes_.size(); ++i) {
        const double left = 10 + kCell * static_cast<double>(i);
        words += std::string(i > 0 ? "；" : "") + "图" + kCircled[i] + described(shapes_[i]);
        pictures += shapeIn(shapes_[i], left, 4, kSize) + "<text x=\"" + number(left + kSize / 2) +
                    "\" y=\"126\" font-size=\"16\" text-anchor=\"middle\">" + kCircled[i] + "</text>";
    }
    const int width = 20 + static_cast<int>(kCell) * static_cast<int>(shapes_.size());
    const std::string title = "三个" + std::string(shapeName(shapes_.front().kind));
    return svg_parts::open(width, 134, title, words + "。") + pictures + svg_parts::kClose;
}

std::string FractionPicture::stacked() const {
    constexpr double kWidth = 300;
    std::string words;
    std::string pictures;
    for (std::size_t i = 0; i < shapes_.size(); ++i) {
        words += std::string(i == 0 ? "上面一条" : "；下面一条") + described(shapes_[i]);
        pictures += bar(shapes_[i], 4, 6 + 48 * static_cast<double>(i), kWidth, 36);
    }
    const int height = 12 + 48 * static_cast<int>(shapes_.size());
    return svg_parts::open(static_cast<int>(kWidth) + 8, height, "一样长的纸条", words + "。") + pictures +
           svg_parts::kClose;
}

std::string FractionPicture::svg(PictureView view) const {
    if (use_ == FractionUse::shade) return toShade(view);
    switch (layout_) {
        case FractionLayout::single: return single();
        case FractionLayout::numbered: return numbered();
        case FractionLayout::stacked: return stacked();
    }
    return single();
}

}  // namespace tally
