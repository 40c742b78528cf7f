// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt_services.h"

#include "game/host.h"
#include "platform/message_box.h"
#include "platform/program_files.h"
#include "platform/timer.h"

#include <algorithm>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QWindow>

namespace trompalo {

QtServices::QtServices(QString settingsFile) : settingsFile_(std::move(settingsFile)) {
    elapsed_.start();
}

QtServices::~QtServices() {
    qDeleteAll(effects_);
}

double QtServices::clock() {
    // Seconds since the program started: monotonic, never the time of day. The
    // game compares times in single precision, whose step near a time is the
    // power of two below it over 2^23: under a millisecond for the first four
    // hours of a run, about 8 ms after a day (2^16 s / 2^23); always far below
    // the 100 ms tick.
    return static_cast<double>(elapsed_.nsecsElapsed()) / 1e9;
}

void QtServices::randomize() {
    std::random_device device;
    const auto seed = static_cast<std::uint64_t>(elapsed_.nsecsElapsed()) ^
                      (static_cast<std::uint64_t>(device()) << 32) ^
                      static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
    generator_.seed(seed);
}

double QtServices::random() {
    return unitInterval(generator_());
}

QSoundEffect* QtServices::effect(const QString& name) {
    const auto found = effects_.constFind(name);
    if (found != effects_.constEnd())
        return found.value();
    QSoundEffect* sound = nullptr;
    const QString path = findProgramFile(name);
    if (!path.isEmpty()) {
        sound = new QSoundEffect;
        sound->setSource(QUrl::fromLocalFile(path));
    }
    effects_.insert(name, sound);
    return sound;
}

void QtServices::preloadSounds(const QStringList& names) {
    for (const QString& name : names)
        effect(name);
}

QStringList QtServices::soundsPlaying() const {
    QStringList names;
    for (auto it = effects_.constBegin(); it != effects_.constEnd(); ++it)
        if (it.value() && it.value()->isPlaying())
            names << it.key();
    return names;
}

bool QtServices::soundsLoaded() const {
    return std::none_of(effects_.cbegin(), effects_.cend(), [](const QSoundEffect* sound) {
        return sound && sound->status() == QSoundEffect::Loading;
    });
}

void QtServices::playSound(const QString& name) {
    if (playing_)
        playing_->stop();
    QSoundEffect* sound = effect(name);
    if (!sound)
        return;
    sound->play();
    playing_ = sound;
}

QString shellTarget(const QString& target) {
    if (target.startsWith(QLatin1String("mailto:")) || target.startsWith(QLatin1String("http://")))
        return target;
    const QString path = findProgramFile(target);
    return path.isEmpty() ? QString() : QUrl::fromLocalFile(path).toString();
}

void QtServices::openDocument(const QString& target) {
    const QString url = shellTarget(target);
    if (!url.isEmpty())
        QDesktopServices::openUrl(QUrl(url));
}

MsgAnswer QtServices::messageBox(QWidget* owner, const QString& text, MsgButtons buttons,
                                 MsgIcon icon) {
    const auto box = makeMessageBox(owner, text, buttons, icon);
    box->exec();
    return answerOf(*box);
}

void QtServices::beep() {
    QApplication::beep();
}

void QtServices::showModal(QDialog& window) {
    window.exec();
}

void QtServices::processEvents() {
    processEventsButInput();
}

void processEventsButInput() {
    // A click, key or menu choice handled here would run a game routine inside
    // the one that asked: the player's input waits in the queue until it returns.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    // What was held back is delivered at the next turn of the event loop, not
    // at the next event of the window system.
    if (QAbstractEventDispatcher* dispatcher = QCoreApplication::eventDispatcher())
        dispatcher->wakeUp();
}

std::unique_ptr<QSettings> QtServices::settings() const {
    // ~/.config/trompalo/trompalo.ini
    if (settingsFile_.isEmpty())
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                           QStringLiteral("trompalo"), QStringLiteral("trompalo"));
    return std::make_unique<QSettings>(settingsFile_, QSettings::IniFormat);
}

QVariant QtServices::setting(Setting which) {
    const auto kept = settings();
    const QVariant stored = kept->value(QLatin1String(settingKey(which)));
    // A file that cannot be read, or that is not a settings file, holds no choice.
    return settingValue(which, kept->status() == QSettings::NoError ? stored : QVariant());
}

std::unique_ptr<QSettings> QtServices::writableSettings() const {
    auto kept = settings();
    // A file that is no settings file is made anew; one that cannot be
    // written keeps its last choices.
    if (kept->status() == QSettings::FormatError) {
        const QString file = kept->fileName();
        kept.reset();
        QFile::remove(file);
        kept = settings();
    }
    return kept;
}

void QtServices::saveSetting(Setting which, const QVariant& value) {
    const auto kept = writableSettings();
    kept->setValue(QLatin1String(settingKey(which)), value);
    kept->sync();
}

QStringList QtServices::systemLanguages() {
    return QLocale::system().uiLanguages();
}

void QtServices::onOtherApplicationActive(std::function<void()> callback) {
    // The keyboard leaves the program's windows (X11 says so by the focus
    // alone, some platforms by the application's state). Its own windows take
    // it in turn as a dialog opens or closes: only a program none of whose
    // windows has it a moment later has lost it.
    auto* settle = new QTimer(qApp);
    settle->setSingleShot(true);
    settle->setInterval(250);
    QObject::connect(settle, &QTimer::timeout, qApp, [callback] {
        if (!QGuiApplication::focusWindow() ||
            QGuiApplication::applicationState() != Qt::ApplicationActive)
            callback();
    });
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, settle, [settle](QWindow* to) {
        if (!to)
            settle->start();
    });
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, settle,
                     [settle](Qt::ApplicationState state) {
                         if (state != Qt::ApplicationActive)
                             settle->start();
                     });
}

void QtServices::driveTimer(Timer& timer) {
    auto* clock = new QTimer(&timer);
    clock->setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &Timer::intervalChanged, clock, [clock](int milliseconds) {
        if (milliseconds > 0)
            clock->start(milliseconds);
        else
            clock->stop();
    });
    QObject::connect(clock, &QTimer::timeout, &timer, &Timer::fire);
}

} // namespace trompalo
