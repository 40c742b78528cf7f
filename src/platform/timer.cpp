// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/timer.h"

namespace trompalo {

Timer::Timer(QObject* parent, const QString& name) : QObject(parent) {
    setObjectName(name);
}

void Timer::setInterval(int milliseconds) {
    interval_ = milliseconds < 0 ? 0 : milliseconds;
    emit intervalChanged(interval_);
}

void Timer::fire() {
    if (onTimer)
        onTimer();
}

} // namespace trompalo
