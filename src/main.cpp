// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// Trompalo: a mouse game for one to four players at one computer.
#include "platform/application.h"
#include "platform/qt_services.h"
#include "window/form1.h"
#include "window/start_up.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trompalo"));
    QApplication::setApplicationVersion(QStringLiteral(TROMPALO_VERSION));
    // The application id (CMakeLists.txt): the desktop entry that Wayland
    // compositors look up for the icon and to group the windows.
    QApplication::setDesktopFileName(QStringLiteral(TROMPALO_APP_ID));
    trompalo::setUpApplication(app);

    trompalo::QtServices services;
    trompalo::Form1 form1(services);
    trompalo::startGame(form1, services);
    return app.exec();
}
