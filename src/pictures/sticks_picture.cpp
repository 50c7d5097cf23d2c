// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/sticks_picture.h"

#include <algorithm>

#include "pictures/counting_svg.h"
#include "pictures/svg_parts.h"

namespace tally {
namespace {

constexpr double kPad = 6;
constexpr double kStickLength = 50;
constexpr double kBundleSpacing = 2.6;  // between the sticks of a bundle
constexpr double kBundleSlot = 36;
constexpr double kRowHeight = 62;
constexpr double kSingleSpacing = 9;
constexpr int kBundlesPerRow = 5;
constexpr const char* kWood = "#c58b3a";

std::string stick(double x, double top) { return svgLine(x, top, x, top + kStickLength, kWood, 2.2, " class=stick"); }

std::string bundle(double left, double top) {
    std::string drawn = "<g class=bundle>";
    for (int i = 0; i < 10; ++i) drawn += stick(left + i * kBundleSpacing, top);
    const double width = 9 * kBundleSpacing;
    return drawn + svgRect(left - 3, top + kStickLength / 2 - 3, width + 6, 6, "#d9534f") + "</g>";
}

}  // namespace

SticksPicture::SticksPicture(int number) : number_(number) {}

std::string SticksPicture::svg(PictureView) const {
    const int bundles = number_ / 10;
    const int singles = number_ % 10;
    std::string body;
    for (int i = 0; i < bundles; ++i) {
        body += bundle(kPad + 4 + i % kBundlesPerRow * kBundleSlot, kPad + i / kBundlesPerRow * kRowHeight);
    }
    const double singlesLeft = kPad + 4 + std::min(bundles, kBundlesPerRow) * kBundleSlot;
    body += "<g class=singles>";
    for (int i = 0; i < singles; ++i) body += stick(singlesLeft + i * kSingleSpacing, kPad);
    body += "</g>";
    const int rows = std::max(1, (bundles + kBundlesPerRow - 1) / kBundlesPerRow);
    const int width = static_cast<int>(singlesLeft + singles * kSingleSpacing + kPad);
    const int height = static_cast<int>(kPad + (rows - 1) * kRowHeight + kStickLength + kPad);
    const std::string title = "小棒：" + (bundles > 0 ? std::to_string(bundles) + "捆（每捆10根）" : std::string()) +
                              (bundles > 0 && singles > 0 ? "和" : "") +
                              (singles > 0 ? std::to_string(singles) + "根" : std::string()) + "。";
    return svg_parts::open(width, height, title, "") + body + svg_parts::kClose;
}

}  // namespace tally
