// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/start_up.h"

#include "game/sound_names.h"
#include "platform/qt_services.h"
#include "window/form1.h"

#include <QApplication>
#include <QTimer>

namespace trompalo {

void startGame(Form1& form1, QtServices& services) {
    // The splash is the only window until it is closed; closing it must not end the run.
    QApplication::setQuitOnLastWindowClosed(false);
    form1.Form_Load();
    form1.show();
    QApplication::setQuitOnLastWindowClosed(true);
    // The sounds load once the game window is up, so the first swing is heard at once.
    QTimer::singleShot(0, &form1, [&services] {
        QStringList names;
        for (const char* name : sounds::kAll)
            names << QString::fromUtf8(name);
        services.preloadSounds(names);
    });
}

} // namespace trompalo
