// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <functional>

namespace tally {

// The main window's seven timers, by what they do.
inline constexpr int kThinkTimer = 1;      // the seconds since the page was shown
inline constexpr int kMemoryTimer = 2;     // the card-memory game's countdown
inline constexpr int kStartPageTimer = 3;  // the introduction, half a second after start-up
inline constexpr int kClockTimer = 4;      // the clock's hands, every second
inline constexpr int kLevelTimer = 5;      // the level game's next question
inline constexpr int kCountdownTimer = 6;  // the level game's seconds left
inline constexpr int kDabiaoTimer = 7;     // the 口算达标 test's seconds

// The seven window timers of the main window: their state lives here, the front
// end runs real (or manual) clocks from it.
class TimerBank {
public:
    static constexpr int kCount = 7;

    TimerBank();

    bool enabled(int timer) const;
    int interval(int timer) const;
    // Switching an enabled timer on again changes nothing; switching it on
    // starts a fresh interval.
    void setEnabled(int timer, bool on);
    // A new interval restarts the count of an enabled timer, as a window timer does.
    void setInterval(int timer, int milliseconds);

    // Told of every change that starts, stops or restarts a timer.
    void setListener(std::function<void(int timer)> listener);

private:
    struct State {
        bool enabled = false;
        int interval = 1000;
    };
    std::array<State, kCount + 1> states_{};  // index 0 unused: Timer1 is 1
    std::function<void(int)> listener_;

    State* at(int timer);
    const State* at(int timer) const;
    void changed(int timer);
};

}  // namespace tally
