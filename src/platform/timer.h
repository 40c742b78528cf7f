// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's periodic timer: an interval in milliseconds, 0 when stopped.
// Who makes it fire is the services' business (a real clock in the program,
// the scenario in tests).
#pragma once

#include <QObject>

#include <functional>

namespace trompalo {

class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent, const QString& name);

    int interval() const { return interval_; }
    void setInterval(int milliseconds);

    // Called at every tick.
    std::function<void()> onTimer;
    void fire();

signals:
    void intervalChanged(int milliseconds);

private:
    int interval_ = 0;
};

} // namespace trompalo
