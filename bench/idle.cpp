// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// trompalo-idle [--seconds S]: the game window on the program's own services
// (QtServices: real timers, real sounds), started as the program starts, the
// splash closed by a click. Counts the timer events that reach the program's
// objects and the processor time it uses while no turn is in play: before any
// game, and between turns of a game (the start button shown). As a check that
// the count sees timer events at all, it also counts them during two seconds
// of a turn in play (about 20 ticks of the game's timer are expected there).
#include "headless.h"
#include "proc_status.h"

#include "dialogs/form2.h"
#include "dialogs/form_quorvane.h"
#include "platform/qt_services.h"
#include "platform/timer.h"
#include "support/driver.h"
#include "window/form1.h"
#include "window/start_up.h"

#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

using namespace trompalo;
using namespace trompalo::bench;

namespace {

// Counts timer events by receiver, leaving out the timers of this program.
class TimerEventCounter : public QObject {
public:
    TimerEventCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~TimerEventCounter() override { QCoreApplication::instance()->removeEventFilter(this); }

    void ignore(QObject* own) { ignored_.push_back(own); }
    void reset() {
        byReceiver.clear();
        total = 0;
    }
    std::map<std::string, long> byReceiver;
    long total = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Timer)
            return false;
        for (QObject* own : ignored_)
            if (watched == own)
                return false;
        ++total;
        QString name = QString::fromLatin1(watched->metaObject()->className());
        if (!watched->objectName().isEmpty())
            name += u' ' + watched->objectName();
        ++byReceiver[name.toStdString()];
        return false;
    }

private:
    std::vector<QObject*> ignored_;
};

long contextSwitches() {
    return statusKiB("voluntary_ctxt_switches") + statusKiB("nonvoluntary_ctxt_switches");
}

// Runs the event loop for `seconds` and reports what happened meanwhile.
void measure(const char* what, double seconds, TimerEventCounter& counter, QTimer& stopwatch) {
    QEventLoop loop;
    QObject::connect(&stopwatch, &QTimer::timeout, &loop, &QEventLoop::quit);
    counter.reset();
    const double cpuBefore = cpuSeconds();
    const long switchesBefore = contextSwitches();
    stopwatch.start(static_cast<int>(seconds * 1000));
    loop.exec();
    const double cpu = cpuSeconds() - cpuBefore;
    const long switches = contextSwitches() - switchesBefore;
    std::printf("idle: %-38s %4.0f s: %ld timer events, %.0f ms processor time, %ld context "
                "switches (main thread)\n",
                what, seconds, counter.total, 1000 * cpu, switches);
    for (const auto& [name, count] : counter.byReceiver)
        std::printf("idle:     %ld to %s\n", count, name.c_str());
    QObject::disconnect(&stopwatch, nullptr, &loop, nullptr);
}

} // namespace

int main(int argc, char* argv[]) {
    double seconds = 10;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--seconds") == 0)
            seconds = std::atof(argv[i + 1]);
    beforeApplication();
    QApplication app(argc, argv);
    afterApplication(app);

    // Settings of its own: the player's window size is neither read nor changed.
    QTemporaryDir settings;
    QtServices services(settings.filePath("trompalo.ini"));
    Form1 form1(services);

    // The player: closes the splash with a click, answers the options dialog
    // with "Adelante" (the dialog's own choices).
    QTimer player;
    player.setInterval(20);
    QObject::connect(&player, &QTimer::timeout, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* splash = qobject_cast<FormQuorvane*>(modal))
            testkit::click(*splash->lblClick);
        else if (auto* options = qobject_cast<Form2*>(modal))
            testkit::click(*options->Command1);
    });
    player.start();

    // As the program starts.
    startGame(form1, services);
    player.stop();

    TimerEventCounter counter;
    QTimer stopwatch;
    stopwatch.setSingleShot(true);
    counter.ignore(&stopwatch);
    counter.ignore(&player);

    // Settling: the window shown and painted, the sounds loaded.
    measure("settling after the splash", 1, counter, stopwatch);
    measure("no game yet", seconds, counter, stopwatch);
    const long beforeEvents = counter.total;

    player.start();
    testkit::chooseMenu(form1, QStringLiteral("Nuevo"));
    player.stop();
    if (form1.Command1->isHidden()) {
        std::printf("idle: the new game did not show the start button\n");
        return 1;
    }
    measure("settling after the options dialog", 1, counter, stopwatch);
    measure("a new game, the start button shown", seconds, counter, stopwatch);
    const long idleEvents = counter.total;

    testkit::click(*form1.Command1);
    measure("a turn in play (the check)", 2, counter, stopwatch);
    const long playEvents = counter.total;

    // "Nuevo" again stops the turn; the next game waits for its start button.
    player.start();
    testkit::chooseMenu(form1, QStringLiteral("Nuevo"));
    player.stop();
    measure("settling after the options dialog", 1, counter, stopwatch);
    measure("a turn stopped, the start button shown", seconds, counter, stopwatch);
    const long afterEvents = counter.total;

    const bool ok = beforeEvents == 0 && idleEvents == 0 && afterEvents == 0 && playEvents > 0;
    std::printf("idle: %s\n", ok ? "PASS: no timer fires while no turn is in play"
                                 : "FAIL: timer events while no turn is in play, or none in play");
    return ok ? 0 : 1;
}
