// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/timer_bank.h"

namespace tally {

TimerBank::TimerBank() {
    states_[1] = {false, 1000};  // think time
    states_[2] = {false, 1000};  // memory game
    states_[3] = {false, 500};   // start page, once
    states_[4] = {true, 1000};   // clock face
    states_[5] = {false, 9000};  // level game
    states_[6] = {false, 1000};  // level-game countdown
}

TimerBank::State* TimerBank::at(int timer) {
    return (timer >= 1 && timer <= kCount) ? &states_[timer] : nullptr;
}

const TimerBank::State* TimerBank::at(int timer) const {
    return (timer >= 1 && timer <= kCount) ? &states_[timer] : nullptr;
}

bool TimerBank::enabled(int timer) const {
    const State* state = at(timer);
    return state && state->enabled;
}

int TimerBank::interval(int timer) const {
    const State* state = at(timer);
    return state ? state->interval : 0;
}

void TimerBank::setEnabled(int timer, bool on) {
    State* state = at(timer);
    if (!state || state->enabled == on) return;
    state->enabled = on;
    changed(timer);
}

void TimerBank::setInterval(int timer, int milliseconds) {
    State* state = at(timer);
    if (!state) return;
    state->interval = milliseconds > 0 ? milliseconds : 1;
    changed(timer);
}

void TimerBank::setListener(std::function<void(int)> listener) {
    listener_ = std::move(listener);
}

void TimerBank::changed(int timer) {
    if (listener_) listener_(timer);
}

}  // namespace tally
