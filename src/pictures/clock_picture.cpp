// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/clock_picture.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace tally {
namespace {

// The face is drawn in a box of 200 around its centre; the hands reach as
// far as on the window's clock panel: the second hand to the ticks, the
// minute hand four fifths of it, the hour hand two thirds.
constexpr double kCentre = 100;
constexpr double kRadius = 84;
constexpr double kRim = 92;
constexpr double kMinuteLength = kRadius * 0.8;
constexpr double kHourLength = kRadius / 1.5;
constexpr int kSize = 200;

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string written = text;
    while (written.back() == '0') written.pop_back();
    if (written.back() == '.') written.pop_back();
    return written == "-0" ? "0" : written;
}

// A point `length` from the centre, `degrees` clockwise from twelve.
std::string endAt(const char* x, const char* y, double degrees, double length) {
    const double radians = degrees * std::numbers::pi / 180;
    return std::string(" ") + x + "=" + number(kCentre + length * std::sin(radians)) + " " + y + "=" +
           number(kCentre - length * std::cos(radians));
}

std::string line(double degrees, double from, double to, const std::string& attributes) {
    return "<line" + endAt("x1", "y1", degrees, from) + endAt("x2", "y2", degrees, to) + " " + attributes + " />";
}

std::string dial() {
    std::string svg = "<circle cx=100 cy=100 r=" + number(kRim) + " fill=#fffdf5 stroke=#5b7c99 stroke-width=4 />";
    for (int minute = 0; minute < 60; ++minute) {
        const bool hour = minute % 5 == 0;
        svg += line(minute * 6.0, kRadius * (hour ? 0.88 : 0.94), kRadius,
                    hour ? "stroke=#334155 stroke-width=3" : "stroke=#94a3b8 stroke-width=1");
    }
    for (int hour = 1; hour <= 12; ++hour) {
        const double radians = hour * 30.0 * std::numbers::pi / 180;
        svg += "<text x=" + number(kCentre + kRadius * 0.72 * std::sin(radians)) +
               " y=" + number(kCentre - kRadius * 0.72 * std::cos(radians) + 6) +
               " font-size=17 font-weight=bold text-anchor=middle fill=#1e293b>" + std::to_string(hour) + "</text>";
    }
    return svg;
}

std::string hand(const char* which, double degrees, double length, const char* colour, int width) {
    return line(degrees, 0, length,
                std::string("class=") + which + " stroke=" + colour + " stroke-width=" + std::to_string(width) +
                    " stroke-linecap=round");
}

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

}  // namespace

std::string clockHandsValue(int hours, int minutes) {
    const int onFace = hours % 12 == 0 ? 12 : hours % 12;
    return std::to_string(onFace) + ":" + twoDigits(minutes);
}

std::string clockTimeWords(const ClockTime& time, bool withSeconds) {
    std::string words = std::to_string(time.hours) + "时";
    if (time.minutes != 0 || withSeconds) words += std::to_string(time.minutes) + "分";
    if (withSeconds) words += std::to_string(time.seconds) + "秒";
    return words;
}

std::string clockFaceDrawing(const ClockTime& time, bool hands, bool secondHand) {
    std::string svg = dial();
    if (hands) {
        const double minutes = time.minutes + time.seconds / 60.0;
        svg += hand("hour", (time.hours % 12) * 30.0 + minutes / 2, kHourLength, "#15803d", 6);
        svg += hand("minute", minutes * 6, kMinuteLength, "#1d4ed8", 4);
        if (secondHand) svg += hand("second", time.seconds * 6.0, kRadius, "#dc2626", 2);
    }
    return svg + "<circle cx=100 cy=100 r=5 fill=#1e293b />";
}

ClockFacePicture::ClockFacePicture(ClockTime time, bool secondHand, Use use)
    : time_(time), secondHand_(secondHand), use_(use) {}

std::string ClockFacePicture::title(PictureView view) const {
    if (view == PictureView::key) return "钟面：" + clockTimeWords(time_, secondHand_);
    if (use_ == Use::set && view == PictureView::worksheet) return "钟面：没有指针，画出时针和分针";
    if (use_ == Use::set) return "钟面：有时针和分针，拖动分针或按方向键拨时间";
    return secondHand_ ? "钟面：有时针、分针和秒针" : "钟面：有时针和分针";
}

std::string ClockFacePicture::svg(PictureView view) const {
    const bool settable = use_ == Use::set && view == PictureView::screen;
    const bool hands = use_ == Use::read || view != PictureView::worksheet;
    const ClockTime shown = settable ? ClockTime{12, 0, 0} : time_;
    // The key writes the time under the face.
    const std::string height = std::to_string(kSize + (view == PictureView::key ? 24 : 0));
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=clock viewBox=\"0 0 200 " + height +
                      "\" width=200 height=" + height + " role=img";
    if (settable) svg += " data-dial tabindex=0 style=\"touch-action:none;cursor:grab\"";
    svg += "><title>" + title(view) + "</title>" + clockFaceDrawing(shown, hands, secondHand_);
    if (view == PictureView::key) {
        svg += "<text x=100 y=218 font-size=16 text-anchor=middle fill=#000>" + clockTimeWords(time_, secondHand_) +
               "</text>";
    }
    return svg + "</svg>";
}

}  // namespace tally
