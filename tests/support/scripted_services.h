// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// Services for tests: a clock and random numbers the test sets, sounds, shell
// calls and beeps recorded instead of made, message boxes and modal windows
// shown for real (so Qt blocks the windows behind them) but answered by the
// test, a timer that fires only when the test says so, and the choices kept
// in memory (the player's settings are never read or written).
#pragma once

#include "platform/services.h"
#include "support/draws.h"

#include <QDialog>
#include <QPointer>
#include <QStringList>

#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

class QWidget;

namespace trompalo::testkit {

class ScriptedServices final : public Services {
public:
    // The clock, on whole nanoseconds: steps of a tenth land on the times a
    // person would write.
    void setClock(double seconds) { now_ = std::round(seconds * 1e9) / 1e9; }
    double now() const { return now_; }

    // Random numbers: queued values first, then a deterministic generator.
    void queueRandom(double value) { draws_.queue(value); }
    void seed(std::uint64_t seed) { draws_.seed(seed); }
    std::size_t queuedLeft() const { return draws_.queuedLeft(); }

    // What the program asked for.
    QStringList sounds;
    QStringList shellTargets;
    int beeps = 0;

    // A modal window (or message box) that is open, innermost last.
    struct Modal {
        QPointer<QWidget> widget;
        QString name; // its window's name, "msgbox" for a message box
    };
    const std::vector<Modal>& openModals() const { return modals_; }

    // Called when the program shows a modal window or a message box: it runs
    // until the window is hidden (the test answers it). Without it, the window
    // is closed again at once, as with the Escape key: a message box then
    // answers OK when it has only that button, else Cancel.
    std::function<void(QWidget&)> whileModal;

    // The game's timer, for the test to fire.
    Timer* timer() const { return timer_; }
    // The clock moves on by after, past the least time between two pop-ups,
    // and a tick's event brings character c up in hole h (one character an
    // event: the game kinds and training stages 1 to 4).
    void popUp(int c, int hole, double after = 0.3);

    // The choices kept, as stored: 100 % and Spanish, whatever the machine's
    // language, until the program saves others.
    std::map<Setting, QVariant> kept{{Setting::WindowPercent, 100},
                                     {Setting::Language, QStringLiteral("es")}};
    // Another application takes the keyboard.
    // The system's languages, for a first start (no language saved).
    QStringList systemLanguageList{QStringLiteral("es-ES")};

    double clock() override { return now_; }
    // (the test decides the draws: seeding from the clock would make runs differ)
    void randomize() override {}
    double random() override { return draws_.next(); }
    void playSound(const QString& name) override { sounds.push_back(name); }
    void openDocument(const QString& target) override { shellTargets.push_back(target); }
    MsgAnswer messageBox(QWidget* owner, const QString& text, MsgButtons buttons,
                         MsgIcon icon) override;
    void beep() override { ++beeps; }
    void showModal(QDialog& window) override { runModal(window, window.objectName()); }
    void processEvents() override;
    void driveTimer(Timer& timer) override { timer_ = &timer; }
    QVariant setting(Setting which) override { return settingValue(which, kept[which]); }
    void saveSetting(Setting which, const QVariant& value) override { kept[which] = value; }
    QStringList systemLanguages() override { return systemLanguageList; }
    // Another application never takes the keyboard here (the desktop tests
    // play that on a real display).
    void onOtherApplicationActive(std::function<void()>) override {}

private:
    void runModal(QWidget& window, const QString& name);

    double now_ = 0.0;
    ScriptedDraws draws_;
    std::vector<Modal> modals_;
    Timer* timer_ = nullptr;
};

} // namespace trompalo::testkit
