// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <deque>
#include <functional>
#include <utility>

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
    // Runs after every handler, before the next one.
    void setAfterEach(std::function<void()> hook) { afterEach_ = std::move(hook); }

private:
    struct Waiting {
        int timer;  // 0 for events that are not ticks
        std::function<void()> handler;
    };
    std::deque<Waiting> waiting_;
    bool busy_ = false;
    std::function<void()> afterEach_;

    void submit(Waiting event);
};

}  // namespace tally
