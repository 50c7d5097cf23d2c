// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/event_gate.h"

#include <algorithm>

namespace tally {

void EventGate::run(std::function<void()> handler) {
    submit({0, std::move(handler)});
}

void EventGate::tick(int timer, std::function<void()> handler) {
    bool alreadyWaiting = std::any_of(waiting_.begin(), waiting_.end(),
                                      [timer](const Waiting& w) { return w.timer == timer; });
    if (alreadyWaiting) return;
    submit({timer, std::move(handler)});
}

void EventGate::dropTick(int timer) {
    std::erase_if(waiting_, [timer](const Waiting& w) { return w.timer == timer; });
}

void EventGate::submit(Waiting event) {
    waiting_.push_back(std::move(event));
    if (busy_) return;
    // Reopens the gate even if a handler throws, so one failure cannot freeze the window.
    struct Reopen {
        bool& busy;
        ~Reopen() { busy = false; }
    } reopen{busy_};
    busy_ = true;
    while (!waiting_.empty()) {
        Waiting next = std::move(waiting_.front());
        waiting_.pop_front();
        next.handler();
        if (afterEach_) afterEach_();
    }
}

}  // namespace tally
