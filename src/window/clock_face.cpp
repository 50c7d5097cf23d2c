// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/clock_face.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tally {
namespace {

constexpr double kPi = 3.14159265358979;

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

int wrap(int value, int step, int modulus) { return ((value + step) % modulus + modulus) % modulus; }

}  // namespace

void ClockFace::resize(double width, double height) {
    centreX_ = width / 2;
    centreY_ = height / 2;
    radius_ = std::min(centreX_, centreY_) - 200;
    placeSecond();
    placeMinute();
    placeHour();
}

void ClockFace::show(const TimeOfDay& time) {
    hours_ = time.hours;
    minutes_ = time.minutes;
    seconds_ = time.seconds;
    placeSecond();
    placeMinute();
    placeHour();
}

void ClockFace::spin(int upDown, bool up) {
    const int step = up ? 1 : -1;
    if (upDown == 1) {
        hours_ = wrap(hours_, step, 24);
        placeHour();
    } else if (upDown == 2) {
        minutes_ = wrap(minutes_, step, 60);
        placeMinute();
        placeHour();  // the hour hand carries the minutes' share
    } else if (upDown == 3) {
        seconds_ = wrap(seconds_, step, 60);
        placeSecond();
    }
}

std::string ClockFace::text6() const { return twoDigits(seconds_); }
std::string ClockFace::text7() const { return twoDigits(minutes_); }
std::string ClockFace::text8() const { return twoDigits(hours_); }

void ClockFace::place(Hand which, double angle, double length) {
    ClockHand& hand = hands_[which];
    hand.angle = angle;
    hand.length = length;
    hand.x1 = centreX_;
    hand.y1 = centreY_;
    const double radians = (angle - 90) / 180 * kPi;
    hand.x2 = length * std::cos(radians) + centreX_;
    hand.y2 = length * std::sin(radians) + centreY_;
}

void ClockFace::placeSecond() { place(Second, 360.0 / 60 * seconds_, radius_); }

void ClockFace::placeMinute() { place(Minute, 360.0 / 60 * minutes_, radius_ / 5 * 4); }

void ClockFace::placeHour() {
    const int twelveHour = hours_ >= 12 ? hours_ - 12 : hours_;
    const double minuteAngle = 360.0 / 60 * minutes_;
    place(Hour, 360.0 / 12 * twelveHour + minuteAngle / 360 * 30, radius_ / 1.5);
}

}  // namespace tally
