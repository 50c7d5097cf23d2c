// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QTimer>
#include <array>
#include <functional>

#include "base/timer_bank.h"
#include "base/timer_port.h"

namespace tally {

// The model's timers as real clocks: the model says when each runs, each
// timeout goes back to the model as a tick.
class WindowTimers : public QObject, public TimerPort {
    Q_OBJECT

public:
    static constexpr int kCount = TimerBank::kCount;

    explicit WindowTimers(QObject* parent = nullptr);

    void setHandler(std::function<void(int timer)> handler) { handler_ = std::move(handler); }
    void timerChanged(int timer, bool enabled, int intervalMs) override;
    // One tick of a timer, as its timeout delivers it.
    void fire(int timer);

    const QTimer& timer(int timer) const { return *timers_[timer - 1]; }

private:
    std::array<QTimer*, kCount> timers_{};
    std::function<void(int)> handler_;
};

}  // namespace tally
