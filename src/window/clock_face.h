// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <string>

#include "base/ports.h"

namespace tally {

struct ClockHand {
    double angle = 0;  // degrees clockwise from twelve o'clock
    double length = 0;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The analog clock: three hands from the centre, and the time as the
// two-digit texts of the hours, minutes and seconds spinners.
class ClockFace {
public:
    enum Hand { Second = 0, Minute = 1, Hour = 2 };

    // Window resize: centre and radius from the picture's size.
    void resize(double width, double height);
    // DrawClockHands: shows this time.
    void show(const TimeOfDay& time);
    // A spinner step: spinner 1 hours (0..23), 2 minutes, 3 seconds
    // (0..59), wrapping at both ends; moves the matching hand.
    void spin(int upDown, bool up);

    const ClockHand& hand(Hand which) const { return hands_[which]; }
    double centreX() const { return centreX_; }
    double centreY() const { return centreY_; }
    double radius() const { return radius_; }
    int hours() const { return hours_; }
    int minutes() const { return minutes_; }
    int seconds() const { return seconds_; }
    std::string text6() const;  // seconds
    std::string text7() const;  // minutes
    std::string text8() const;  // hours

private:
    std::array<ClockHand, 3> hands_{};
    double centreX_ = 0, centreY_ = 0, radius_ = 0;
    int hours_ = 0, minutes_ = 0, seconds_ = 0;

    void place(Hand which, double angle, double length);
    void placeSecond();
    void placeMinute();
    void placeHour();
};

}  // namespace tally
