#include <gtest/gtest.h>

#include "games/clock_face.h"

namespace tally {
namespace {

TEST(ClockFace, CentreAndRadiusFollowThePicture) {
    ClockFace clock;
    clock.resize(4000, 3000);
    EXPECT_DOUBLE_EQ(clock.centreX(), 2000);
    EXPECT_DOUBLE_EQ(clock.centreY(), 1500);
    EXPECT_DOUBLE_EQ(clock.radius(), 1300);
    EXPECT_DOUBLE_EQ(clock.hand(ClockFace::Minute).length, 1040);
    EXPECT_NEAR(clock.hand(ClockFace::Hour).length, 866.667, 0.001);
}

TEST(ClockFace, HandsPointWhereTheTimeSays) {
    ClockFace clock;
    clock.resize(4000, 3000);
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
    clock.show({3, 0, 0});
    const ClockHand& hour = clock.hand(ClockFace::Hour);
    EXPECT_NEAR(hour.x2, 2000 + 866.667, 0.001);  // straight right
    EXPECT_NEAR(hour.y2, 1500, 1e-6);
    const ClockHand& minute = clock.hand(ClockFace::Minute);
    EXPECT_NEAR(minute.x2, 2000, 1e-6);  // straight up
    EXPECT_NEAR(minute.y2, 1500 - 1040, 1e-6);
    EXPECT_DOUBLE_EQ(minute.x1, 2000);
    EXPECT_DOUBLE_EQ(minute.y1, 1500);
    clock.show({15, 30, 0});
    EXPECT_NEAR(clock.hand(ClockFace::Minute).y2, 1500 + 1040, 1e-6);  // straight down
}

TEST(ClockFace, SpinnersWrapAtBothEnds) {
    ClockFace clock;
    clock.show({0, 59, 0});
    clock.spin(1, false);
    EXPECT_EQ(clock.text8(), "23");
    clock.spin(1, true);
    EXPECT_EQ(clock.text8(), "00");
    clock.spin(2, true);
    EXPECT_EQ(clock.text7(), "00");
    clock.spin(2, false);
    EXPECT_EQ(clock.text7(), "59");
    clock.spin(3, false);
    EXPECT_EQ(clock.text6(), "59");
    clock.spin(3, true);
    EXPECT_EQ(clock.text6(), "00");
    clock.spin(3, true);
    EXPECT_EQ(clock.text6(), "01");
    EXPECT_DOUBLE_EQ(clock.hand(ClockFace::Second).angle, 6);
}

TEST(ClockFace, SpinningMinutesMovesTheHourHandToo) {
    ClockFace clock;
    clock.show({14, 59, 0});
    clock.spin(2, true);
    EXPECT_DOUBLE_EQ(clock.hand(ClockFace::Minute).angle, 0);
    EXPECT_DOUBLE_EQ(clock.hand(ClockFace::Hour).angle, 60);
}

}  // namespace
}  // namespace tally
