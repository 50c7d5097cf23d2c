// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/money_picture.h"

#include <algorithm>
#include <functional>

#include "pictures/counting_svg.h"
#include "pictures/svg_parts.h"

namespace tally {
namespace {

constexpr double kPad = 6;
constexpr double kNoteWidth = 62;
constexpr double kNoteHeight = 30;
constexpr double kCoinSlot = 32;
constexpr int kNotesPerRow = 3;
constexpr int kCoinsPerRow = 7;
constexpr double kTagWidth = 120;
constexpr double kTagHeight = 40;

std::string noteColour(int jiao) {
    switch (jiao / kJiaoPerYuan) {
    case 5: return "#c8a2e0";
    case 10: return "#8fb8e6";
    case 20: return "#d9b77e";
    case 50: return "#96cf96";
    default: return "#ee9a9a";
    }
}

std::string note(double x, double y, int jiao) {
    return "<g class=note>" + svgRect(x, y, kNoteWidth, kNoteHeight, noteColour(jiao), " rx=3") +
           svgRect(x + 4, y + 4, kNoteWidth - 8, kNoteHeight - 8, "none", " stroke-dasharray=\"2 2\"") +
           svgText(x + kNoteWidth / 2, y + 20, moneyLabel(jiao), 13, " font-weight=bold") + "</g>";
}

std::string coin(double x, double y, int jiao) {
    const double radius = jiao == kJiaoPerYuan ? 14 : jiao == 5 ? 12.5 : 11;
    const std::string colour = jiao == 5 ? "#e3c15a" : "#cfd4d8";
    const double cx = x + kCoinSlot / 2;
    const double cy = y + kCoinSlot / 2;
    return "<g class=coin>" + svgCircle(cx, cy, radius, colour) + svgText(cx, cy + 4, moneyLabel(jiao), 10) + "</g>";
}

std::string tagSvg(double x, double y, const PriceTag& tag) {
    return "<g class=tag>" + svgRect(x, y, kTagWidth, kTagHeight, "#fffbe6", " rx=4") +
           svgText(x + kTagWidth / 2, y + 17, tag.thing, 13) +
           svgText(x + kTagWidth / 2, y + 34, amountWords(tag.jiao), 13, " class=price") + "</g>";
}

}  // namespace

std::string moneyLabel(int jiao) {
    return jiao >= kJiaoPerYuan ? std::to_string(jiao / kJiaoPerYuan) + "元" : std::to_string(jiao) + "角";
}

bool isCoin(int jiao) { return jiao <= kJiaoPerYuan; }

std::string moneyWords(std::vector<int> pieces) {
    std::sort(pieces.begin(), pieces.end(), std::greater<>());
    std::string words;
    for (auto from = pieces.begin(); from != pieces.end();) {
        const auto to = std::find_if(from, pieces.end(), [&](int jiao) { return jiao != *from; });
        if (!words.empty()) words += "、";
        words += std::to_string(to - from) + (isCoin(*from) ? "个" : "张") + moneyLabel(*from);
        from = to;
    }
    return words;
}

std::string amountWords(int jiao) {
    const int yuan = jiao / kJiaoPerYuan;
    const int rest = jiao % kJiaoPerYuan;
    return (yuan > 0 ? std::to_string(yuan) + "元" : "") + (rest > 0 || yuan == 0 ? std::to_string(rest) + "角" : "");
}

MoneyPicture::MoneyPicture(std::vector<int> pieces, std::optional<PriceTag> tag)
    : pieces_(std::move(pieces)), tag_(std::move(tag)) {
    std::sort(pieces_.begin(), pieces_.end(), std::greater<>());
}

std::string MoneyPicture::svg(PictureView) const {
    std::string body;
    double y = kPad;
    double widest = 0;
    const auto firstCoin = std::find_if(pieces_.begin(), pieces_.end(), isCoin);
    const auto notes = static_cast<int>(firstCoin - pieces_.begin());
    for (int i = 0; i < notes; ++i) {
        body += note(kPad + i % kNotesPerRow * (kNoteWidth + 6), y + i / kNotesPerRow * (kNoteHeight + 6), pieces_[i]);
    }
    if (notes > 0) {
        widest = std::min(notes, kNotesPerRow) * (kNoteWidth + 6);
        y += (notes + kNotesPerRow - 1) / kNotesPerRow * (kNoteHeight + 6);
    }
    const int coins = static_cast<int>(pieces_.end() - firstCoin);
    for (int i = 0; i < coins; ++i) {
        body += coin(kPad + i % kCoinsPerRow * kCoinSlot, y + i / kCoinsPerRow * kCoinSlot, firstCoin[i]);
    }
    if (coins > 0) {
        widest = std::max(widest, std::min(coins, kCoinsPerRow) * kCoinSlot);
        y += (coins + kCoinsPerRow - 1) / kCoinsPerRow * kCoinSlot + 4;
    }
    std::string title = "人民币：" + moneyWords(pieces_) + "。";
    if (tag_) {
        body += tagSvg(kPad, y, *tag_);
        widest = std::max(widest, kTagWidth);
        y += kTagHeight + 4;
        title += "价签：" + tag_->thing + amountWords(tag_->jiao) + "。";
    }
    return svg_parts::open(static_cast<int>(widest + 2 * kPad), static_cast<int>(y + kPad), title, "") + body + svg_parts::kClose;
}

}  // namespace tally
