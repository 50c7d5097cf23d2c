// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_timers.h"

namespace tally {

WindowTimers::WindowTimers(QObject* parent) : QObject(parent) {
    for (int i = 0; i < kCount; ++i) {
        timers_[i] = new QTimer(this);
        timers_[i]->setObjectName(QString("Timer%1").arg(i + 1));
        timers_[i]->setTimerType(Qt::PreciseTimer);
        connect(timers_[i], &QTimer::timeout, this, [this, i] { fire(i + 1); });
    }
}

void WindowTimers::timerChanged(int timer, bool enabled, int intervalMs) {
    if (timer < 1 || timer > kCount) return;
    QTimer* clock = timers_[timer - 1];
    if (enabled) {
        clock->start(intervalMs);  // restarts a running timer
    } else {
        clock->stop();
    }
}

void WindowTimers::fire(int timer) {
    if (handler_) handler_(timer);
}

}  // namespace tally
