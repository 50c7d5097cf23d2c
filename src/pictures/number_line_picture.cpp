// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/number_line_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "page/html_page.h"
#include "pictures/svg_parts.h"

namespace tally {
namespace {

using svg_parts::number;

constexpr int kMargin = 24;
constexpr int kLineWidth = 400;
constexpr int kLineY = 76;
constexpr int kHeight = 104;
constexpr const char* kInk = "#222";
constexpr const char* kJumpInk = "#1565c0";
constexpr const char* kArrowInk = "#c62828";
constexpr const char* kPointInk = "#2e7d32";

// A small head whose tip is the first point, pointing from `back` to `tip`.
std::string head(const char* className, double tipX, double tipY, double backX, double backY, const char* ink) {
    const double length = std::hypot(tipX - backX, tipY - backY);
    const double ux = (tipX - backX) / length;
    const double uy = (tipY - backY) / length;
    const double baseX = tipX - 8 * ux;
    const double baseY = tipY - 8 * uy;
    const auto at = [](double px, double py) { return number(px) + "," + number(py); };
    return "<polygon class=\"" + std::string(className) + "\" points=\"" + at(tipX, tipY) + " " +
           at(baseX - 4 * uy, baseY + 4 * ux) + " " + at(baseX + 4 * uy, baseY - 4 * ux) + "\" fill=\"" + ink + "\"/>";
}

}  // namespace

NumberLinePicture::NumberLinePicture(LineScale scale, LineMarks marks, std::string description)
    : scale_(scale), marks_(std::move(marks)), description_(std::move(description)) {}

int NumberLinePicture::spacing() const { return std::max(6, kLineWidth / (scale_.last - scale_.first)); }

int NumberLinePicture::x(int tick) const { return kMargin + (tick - scale_.first) * spacing(); }

// The number of a labelled tick: whole, or in tenths; a negative one with
// the minus sign the textbook prints.
std::string NumberLinePicture::labelText(int tick) const {
    const int scaled = tick * scale_.step;
    const int whole = std::abs(scaled) / scale_.denominator;
    const int rest = std::abs(scaled) % scale_.denominator;
    std::string text = (scaled < 0 ? "\u2212" : "") + std::to_string(whole);
    if (rest != 0) text += "." + std::to_string(rest * 10 / scale_.denominator);
    return text;
}

std::string NumberLinePicture::ticks() const {
    const int end = x(scale_.last);
    std::string html = "<line x1=\"" + std::to_string(kMargin - 10) + "\" y1=\"" + std::to_string(kLineY) + "\" x2=\"" +
                       std::to_string(end + 10) + "\" y2=\"" + std::to_string(kLineY) + "\" stroke=\"" + kInk +
                       "\" stroke-width=\"2\"/>" + head("end", end + 16, kLineY, end, kLineY, kInk);
    const int half = scale_.labelEvery % 2 == 0 ? scale_.labelEvery / 2 : 0;
    for (int tick = scale_.first; tick <= scale_.last; ++tick) {
        const bool labelled = tick % scale_.labelEvery == 0;
        const int length = labelled ? 8 : half != 0 && tick % half == 0 ? 6 : 4;
        const std::string at = std::to_string(x(tick));
        html += "<line class=\"tick\" x1=\"" + at + "\" y1=\"" + std::to_string(kLineY - length) + "\" x2=\"" + at +
                "\" y2=\"" + std::to_string(kLineY + length) + "\" stroke=\"" + kInk + "\"/>";
        if (labelled) {
            html += "<text class=\"label\" x=\"" + at + "\" y=\"" + std::to_string(kLineY + 22) +
                    "\" font-size=\"12\" text-anchor=\"middle\">" + labelText(tick) + "</text>";
        }
    }
    return html;
}

// Each jump an arc from its start to its end, as high as it is long (within
// bounds), with its head where it lands.
std::string NumberLinePicture::jumps() const {
    std::string html;
    for (const LineJump& jump : marks_.jumps) {
        const double from = x(jump.from);
        const double to = x(jump.to);
        const double rise = std::clamp(std::abs(to - from) / 2, 12.0, 30.0);
        const double controlX = (from + to) / 2;
        const double controlY = kLineY - 2 * rise;
        html += "<path class=\"jump\" d=\"M " + number(from) + " " + std::to_string(kLineY) + " Q " + number(controlX) +
                " " + number(controlY) + " " + number(to) + " " + std::to_string(kLineY) + "\" fill=\"none\" stroke=\"" +
                kJumpInk + "\" stroke-width=\"2\"/>" + head("jumphead", to, kLineY, controlX, controlY, kJumpInk);
    }
    return html;
}

std::string NumberLinePicture::arrows() const {
    std::string html;
    for (const int tick : marks_.arrows) {
        const std::string at = std::to_string(x(tick));
        html += "<line x1=\"" + at + "\" y1=\"" + std::to_string(kLineY - 46) + "\" x2=\"" + at + "\" y2=\"" +
                std::to_string(kLineY - 14) + "\" stroke=\"" + kArrowInk + "\" stroke-width=\"3\"/>" +
                head("arrow", x(tick), kLineY - 6, x(tick), kLineY - 46, kArrowInk);
    }
    return html;
}

std::string NumberLinePicture::points() const {
    std::string html;
    for (const LinePoint& point : marks_.points) {
        const std::string at = std::to_string(x(point.at));
        html += "<circle class=\"point\" cx=\"" + at + "\" cy=\"" + std::to_string(kLineY) + "\" r=\"5\" fill=\"" +
                kPointInk + "\"/><text class=\"name\" x=\"" + at + "\" y=\"" + std::to_string(kLineY - 14) +
                "\" font-size=\"14\" font-weight=\"bold\" text-anchor=\"middle\" fill=\"" + kPointInk + "\">" +
                escapeHtmlText(point.name) + "</text>";
    }
    return html;
}

std::string NumberLinePicture::svg(PictureView /*view*/) const {
    const int width = x(scale_.last) + kMargin + 8;
    const std::string title = "数轴，从" + labelText(scale_.first) + "到" + labelText(scale_.last);
    return svg_parts::open(width, kHeight, title, description_) + ticks() + jumps() + arrows() + points() +
           svg_parts::kClose;
}

}  // namespace tally
