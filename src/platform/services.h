// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game asks of the system: time, chance, sound, the shell, message
// boxes, modal windows, its one timer, the player's choices kept between runs,
// and word when another application takes the player away.
// The program uses the Qt services;
// the tests use scripted ones that never wait for a person.
#pragma once

#include "platform/settings.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

class QDialog;
class QWidget;

namespace trompalo {

class Timer;

enum class MsgButtons { Ok, OkCancel };
enum class MsgIcon { Information, Question };
enum class MsgAnswer { Ok, Cancel };

// The title of every message box of the game.
inline constexpr const char* kMessageTitle = "Trompalo";

class Services {
public:
    virtual ~Services() = default;

    // Seconds from a monotonic clock, with fractions.
    virtual double clock() = 0;
    // Seeds the random numbers from the clock (once, at start-up).
    virtual void randomize() = 0;
    // A uniform random number in [0, 1).
    virtual double random() = 0;

    // Plays a sound file of the program's folder by its bare name, without
    // waiting; a sound still playing is stopped. A missing file or a missing
    // audio device is silent.
    virtual void playSound(const QString& name) = 0;
    // Opens a file of the program's folder by its bare name, or a "mailto:" or
    // "http://" address, with the program the desktop associates with it.
    // Failures are silent.
    virtual void openDocument(const QString& target) = 0;

    // A modal message box titled "Trompalo"; returns the button pressed.
    virtual MsgAnswer messageBox(QWidget* owner, const QString& text, MsgButtons buttons,
                                 MsgIcon icon) = 0;
    virtual void beep() = 0;
    // Shows a window modally; returns when it has been hidden or closed.
    virtual void showModal(QDialog& window) = 0;
    // Lets the windows repaint and the timer's pending events through; the
    // player's input waits until the routine that asked has returned.
    virtual void processEvents() = 0;

    // Makes the timer fire every interval while its interval is not 0.
    virtual void driveTimer(Timer& timer) = 0;

    // A choice of the player kept by an earlier run, as the game takes it
    // (platform/settings.h): the setting's default when none was kept or what
    // was kept cannot be read.
    virtual QVariant setting(Setting which) = 0;
    // Keeps a choice for the next runs; a failure is silent.
    virtual void saveSetting(Setting which, const QVariant& value) = 0;
    // The languages the player's system asks for, the first preferred, as
    // "en-GB".
    virtual QStringList systemLanguages() = 0;
    // Calls back when another application has taken the keyboard from the
    // program's windows (a moment's change of windows within the program is
    // not that).
    virtual void onOtherApplicationActive(std::function<void()> callback) = 0;
};

} // namespace trompalo
