// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The services of the running program, on Qt.
#pragma once

#include "platform/services.h"

#include <QElapsedTimer>
#include <QHash>
#include <QPointer>

#include <memory>
#include <random>

class QSettings;
class QSoundEffect;

namespace trompalo {

class QtServices final : public Services {
public:
    // settingsFile: where the player's choices are kept; empty for the
    // player's own settings file.
    explicit QtServices(QString settingsFile = QString());
    ~QtServices() override;

    double clock() override;
    void randomize() override;
    double random() override;
    void playSound(const QString& name) override;
    void openDocument(const QString& target) override;
    MsgAnswer messageBox(QWidget* owner, const QString& text, MsgButtons buttons,
                         MsgIcon icon) override;
    void beep() override;
    void showModal(QDialog& window) override;
    void processEvents() override;
    void driveTimer(Timer& timer) override;
    QVariant setting(Setting which) override;
    void saveSetting(Setting which, const QVariant& value) override;
    QStringList systemLanguages() override;
    void onOtherApplicationActive(std::function<void()> callback) override;

    // Loads the sound files ahead of the first sound, so that it plays at once.
    void preloadSounds(const QStringList& names);
    // The bare names of the sounds that play now.
    QStringList soundsPlaying() const;
    // Whether every sound file found has finished loading (they load in the
    // background; a sound asked for before then plays once it has).
    bool soundsLoaded() const;

private:
    QSoundEffect* effect(const QString& name);
    // The player's settings file; one that is no settings file is made anew
    // (for writing).
    std::unique_ptr<QSettings> settings() const;
    std::unique_ptr<QSettings> writableSettings() const;

    QElapsedTimer elapsed_;
    std::mt19937_64 generator_;
    QHash<QString, QSoundEffect*> effects_; // nullptr: the file is missing
    QPointer<QSoundEffect> playing_;
    QString settingsFile_;
};

// Delivers the pending timer and paint events (the windows repaint), but not
// the player's input: clicks, keys and menu choices wait, not lost, until the
// routine that asked has returned.
void processEventsButInput();

// The target opened for a shell request: a file of the program's folder or an
// address. Empty when the request is neither (nothing is opened then).
QString shellTarget(const QString& target);

} // namespace trompalo
