// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <deque>
#include <functional>

namespace tally {

// Every event enters the main-window model through this gate, so no handler
// ever runs inside another: an event that arrives while a handler runs (say a
// timer tick during a modal message box) waits and runs after it.
class EventGate {
public:
    void run(std::function<void()> handler);
    // A timer tick: while one of the same timer already waits, the new one
    // counts as the same tick.
    void tick(int timer, std::function<void()> handler);
    // Forgets a waiting tick of a timer that was stopped, restarted or given a
    // new interval.
    void dropTick(int timer);
    bool busy() const { return busy_; }

private:
    struct Waiting {
        int timer;  // 0 for events that are not ticks
        std::function<void()> handler;
    };
    std::deque<Waiting> waiting_;
    bool busy_ = false;

    void submit(Waiting event);
};

}  // namespace tally
