// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "window/clock_face.h"

namespace tally {
namespace {

// On a 4000 × 3000 picture: centre in the middle, radius 1300, the minute
// hand 1040 long, the hour hand 866.667; angles clockwise from twelve.
TEST(ClockFace, HandsPointWhereTheTimeSays) {
    ClockFace clock;
    clock.resize(4000, 3000);
    EXPECT_DOUBLE_EQ(clock.radius(), 1300);
    const struct {
        TimeOfDay time;
        double hour, minute, second;
    } cases[] = {{{3, 0, 0}, 90, 0, 0}, {{15, 30, 0}, 105, 180, 0}, {{0, 0, 45}, 0, 0, 270},
                 {{23, 59, 59}, 359.5, 354, 354}};
    for (const auto& c : cases) {
        clock.show(c.time);
        EXPECT_DOUBLE_EQ(clock.hand(ClockFace::Hour).angle, c.hour);
        EXPECT_DOUBLE_EQ(clock.hand(ClockFace::Minute).angle, c.minute);
        EXPECT_DOUBLE_EQ(clock.hand(ClockFace::Second).angle, c.second);
    }
    // At 3:00 the hour hand points straight right from the centre, the minute hand straight up.
    clock.show({3, 0, 0});
    const ClockHand& hour = clock.hand(ClockFace::Hour);
    EXPECT_NEAR(hour.x2, 2000 + 866.667, 0.001);
    EXPECT_NEAR(hour.y2, 1500, 1e-6);
    const ClockHand& minute = clock.hand(ClockFace::Minute);
    EXPECT_DOUBLE_EQ(minute.x1, 2000);
    EXPECT_NEAR(minute.y2, 1500 - 1040, 1e-6);
}

// The spinners wrap at both ends; the minutes move the hour hand too.
TEST(ClockFace, SpinnersWrapAtBothEnds) {
    ClockFace clock;
    clock.show({0, 59, 0});
    const struct { int spinner; bool up; const char* shows; } steps[] = {
        {1, false, "23"}, {1, true, "00"}, {2, true, "00"}, {2, false, "59"}, {3, false, "59"}, {3, true, "00"},
        {3, true, "01"}};
    for (const auto& step : steps) {
        clock.spin(step.spinner, step.up);
        const std::string shown = step.spinner == 1 ? clock.text8() : step.spinner == 2 ? clock.text7() : clock.text6();
        EXPECT_EQ(shown, step.shows) << step.spinner << (step.up ? " up" : " down");
    }
    EXPECT_DOUBLE_EQ(clock.hand(ClockFace::Second).angle, 6);
    clock.show({14, 59, 0});
    clock.spin(2, true);
    EXPECT_DOUBLE_EQ(clock.hand(ClockFace::Minute).angle, 0);
    EXPECT_DOUBLE_EQ(clock.hand(ClockFace::Hour).angle, 60);
}

}  // namespace
}  // namespace tally
