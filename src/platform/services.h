// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game asks of the system: time, chance, sound, the shell, message
// boxes, modal windows, its one timer, and the window size and the language
// the player chose.
// The program uses the Qt services;
// the tests use scripted ones that never wait for a person.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

class QDialog;
class QWidget;

namespace trompalo {

class Timer;

enum class MsgButtons { Ok, OkCancel };
enum class MsgIcon { Information, Question };
enum class MsgAnswer { Ok, Cancel };

// The title of every message box of the game.
inline constexpr const char* kMessageTitle = "Trompalo";

// The size of the game window the player chose: a percentage of the layout,
// and full screen on or off (leaving it returns to the percentage).
struct WindowSizeChoice {
    int percent = 100;
    bool fullScreen = false;
};

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

    // The window size saved by an earlier run; nothing when none was saved or
    // what was saved cannot be read.
    virtual std::optional<WindowSizeChoice> savedWindowSize() = 0;
    // Keeps the window size for the next runs; a failure is silent.
    virtual void saveWindowSize(const WindowSizeChoice& choice) = 0;

    // The language the player chose in an earlier run (a code, "en"); nothing
    // when none was chosen: the game then follows the system's.
    virtual std::optional<QString> savedLanguage() = 0;
    virtual void saveLanguage(const QString& code) = 0;
    // The languages the player's system asks for, the first preferred, as
    // "en-GB".
    virtual QStringList systemLanguages() = 0;
};

} // namespace trompalo
