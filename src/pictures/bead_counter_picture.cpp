// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/bead_counter_picture.h"

#include <array>

#include "pictures/counting_svg.h"
#include "pictures/svg_parts.h"

namespace tally {
namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 166;
constexpr double kRodTop = 18;
constexpr double kBaseTop = 130;
constexpr double kBeadHeight = 11;

struct Rod {
    const char* name;
    int value;
    double x;
};
constexpr std::array<Rod, 3> kRods{{{"百位", 100, 40}, {"十位", 10, 100}, {"个位", 1, 160}}};

int beadsOn(int number, const Rod& rod) { return number / rod.value % 10; }

std::string rodSvg(const Rod& rod, int beads) {
    std::string drawn = std::string("<g class=rod>") + svgLine(rod.x, kRodTop, rod.x, kBaseTop, "#555", 3);
    for (int i = 0; i < beads; ++i) {
        const double cy = kBaseTop - (i + 0.5) * kBeadHeight;
        drawn += "<ellipse class=bead cx=" + svg_parts::number(rod.x) + " cy=" + svg_parts::number(cy) +
                 " rx=16 ry=5.2 fill=\"#e4572e\" stroke=\"#333\" />";
    }
    return drawn + svgText(rod.x, kBaseTop + 28, rod.name, 14) + "</g>";
}

}  // namespace

BeadCounterPicture::BeadCounterPicture(int number, Beads beads) : number_(number), beads_(beads) {}

std::string BeadCounterPicture::svg(PictureView view) const {
    const bool shown = beads_ == Beads::shown || view == PictureView::key;
    const std::string title = shown ? "计数器：" + beadWords(number_) + "。" : "计数器：百位、十位、个位上都还没有珠子。";
    std::string drawn = svg_parts::open(kWidth, kHeight, title, "") + svgRect(8, kBaseTop, kWidth - 16, 10, "#9c6b3c");
    for (const Rod& rod : kRods) drawn += rodSvg(rod, shown ? beadsOn(number_, rod) : 0);
    return drawn + svg_parts::kClose;
}

std::string beadWords(int number) {
    std::string words;
    for (const Rod& rod : kRods) {
        const int beads = beadsOn(number, rod);
        if (rod.value == 100 && beads == 0) continue;
        if (!words.empty()) words += "，";
        words += std::string(rod.name) + "上" + (beads == 0 ? "没有珠子" : "有" + std::to_string(beads) + "颗珠子");
    }
    return words;
}

}  // namespace tally
