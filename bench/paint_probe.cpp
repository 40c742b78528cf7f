// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// Linked into the start-up probes: from the construction of the application
// on, watches for the first paint event of a window; once that paint is done
// (painted and handed to the window system), prints
//   trompalo-probe: painted SECONDS WINDOW VmHWM KIB RssAnon KIB RssFile KIB
// with SECONDS on the monotonic clock, and ends the process at once.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include <time.h>
#include <unistd.h>

namespace {

// A "Name:  value kB" field of /proc/self/status, in KiB.
long statusKiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0)
            return std::stol(line.substr(field.size() + 1));
    return -1;
}

class FirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || seen_)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        seen_ = true;
        window_ = widget->window()->objectName().toStdString();
        // Runs after the paint in progress has been completed and flushed.
        QTimer::singleShot(0, this, [this] { report(); });
        return false;
    }

private:
    void report() const {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("trompalo-probe: painted %lld.%09ld %s VmHWM %ld RssAnon %ld RssFile %ld\n",
                    static_cast<long long>(now.tv_sec), now.tv_nsec,
                    window_.empty() ? "?" : window_.c_str(), statusKiB("VmHWM"),
                    statusKiB("RssAnon"), statusKiB("RssFile"));
        std::fflush(stdout);
        _exit(0);
    }

    bool seen_ = false;
    std::string window_;
};

void watchFirstPaint() {
    QCoreApplication::instance()->installEventFilter(new FirstPaint(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)
