// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "window/event_gate.h"
#include "base/timer_bank.h"

namespace tally {
namespace {

// An event during a handler (as if it came inside a modal box) waits for it,
// in the order it came; ticks of one timer that wait count as one, and a
// waiting tick is dropped when its timer changes.
TEST(EventGate, EventsDuringAHandlerWaitForItInTurn) {
    EventGate gate;
    std::string trace;
    gate.run([&] {
        trace += "a(";
        gate.run([&] { trace += "b"; });
        for (int i = 0; i < 3; ++i) gate.tick(5, [&] { trace += "5"; });
        gate.tick(6, [&] { trace += "6"; });
        gate.tick(7, [&] { trace += "7"; });
        gate.dropTick(7);
        trace += ")";
    });
    EXPECT_EQ(trace, "a()b56");
    EXPECT_FALSE(gate.busy());
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
    timers.setEnabled(TimerBank::kCount + 1, true);  // no such timer
    timers.setEnabled(1, false);  // stops
    EXPECT_EQ(changes, "151");
    EXPECT_EQ(timers.interval(5), 7000);
}

}  // namespace
}  // namespace tally
