// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "window/event_gate.h"
#include "base/timer_bank.h"

namespace tally {
namespace {

TEST(EventGate, AnEventDuringAHandlerWaitsForIt) {
    EventGate gate;
    std::string trace;
    gate.run([&] {
        trace += "a(";
        gate.run([&] { trace += "b"; });  // as if it arrived inside a modal box
        trace += ")";
    });
    EXPECT_EQ(trace, "a()b");
    EXPECT_FALSE(gate.busy());
}

TEST(EventGate, TicksOfOneTimerThatWaitCountAsOne) {
    EventGate gate;
    int ticks5 = 0, ticks6 = 0;
    gate.run([&] {
        for (int i = 0; i < 3; ++i) gate.tick(5, [&] { ++ticks5; });
        gate.tick(6, [&] { ++ticks6; });
    });
    EXPECT_EQ(ticks5, 1);
    EXPECT_EQ(ticks6, 1);
}

TEST(EventGate, AWaitingTickIsDroppedWhenItsTimerChanges) {
    EventGate gate;
    int ticks = 0;
    gate.run([&] {
        gate.tick(5, [&] { ++ticks; });
        gate.dropTick(5);
    });
    EXPECT_EQ(ticks, 0);
}

TEST(EventGate, AThrowingHandlerDoesNotCloseTheGate) {
    EventGate gate;
    EXPECT_THROW(gate.run([] { throw std::runtime_error("x"); }), std::runtime_error);
    bool ran = false;
    gate.run([&] { ran = true; });
    EXPECT_TRUE(ran);
}

TEST(TimerBank, ReportsStartsStopsAndRestartsOnly) {
    TimerBank timers;
    std::string changes;
    timers.setListener([&](int timer) { changes += std::to_string(timer); });
    timers.setEnabled(4, true);   // already running: nothing
    timers.setEnabled(1, true);   // starts
    timers.setEnabled(1, true);   // nothing
    timers.setInterval(5, 7000);  // new interval: restart
    timers.setEnabled(7, true);   // no such timer
    timers.setEnabled(1, false);  // stops
    EXPECT_EQ(changes, "151");
    EXPECT_EQ(timers.interval(5), 7000);
}

}  // namespace
}  // namespace tally
