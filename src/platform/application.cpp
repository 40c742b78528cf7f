// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/application.h"

#include "platform/control.h"
#include "platform/fonts.h"
#include "platform/language.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace trompalo {

namespace {

// A modal window is not minimised: some window managers offer the button all
// the same (openbox, whatever the window asks for), and a game blocked behind
// a window gone to the task bar looks hung. It comes back at once.
class ModalStaysUp final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::WindowStateChange)
            return false;
        auto* window = qobject_cast<QWidget*>(watched);
        if (window && window->isWindow() && window->isModal() && window->isMinimized())
            QTimer::singleShot(0, window, [window] { window->showNormal(); });
        return false;
    }
};

} // namespace

void setUpApplication(QApplication& app) {
    useGameFonts();
    installControlAccessibility();
    app.installEventFilter(new ModalStaysUp(&app));
    // Spanish, with Qt's own Spanish where the system has it (Debian's
    // qt6-translations-l10n), until the game window says which language the
    // player wants.
    setLanguage(QStringLiteral("es"));
}

} // namespace trompalo
