// Trompalo: a mouse game for one to four players at one computer.
#include "platform/fonts.h"
#include "platform/qt_services.h"
#include "window/form1.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trompalo"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));
    QApplication::setDesktopFileName(QStringLiteral("trompalo"));
    trompalo::useGameFonts();

    trompalo::QtServices services;
    trompalo::Form1 form1(services);
    // The splash is the only window until it is closed; closing it must not end the run.
    QApplication::setQuitOnLastWindowClosed(false);
    form1.Form_Load();
    form1.show();
    QApplication::setQuitOnLastWindowClosed(true);
    // The sounds load once the game window is up, so the first swing is heard at once.
    QTimer::singleShot(0, &form1, [&services] {
        services.preloadSounds({QStringLiteral("golpe6.wav"), QStringLiteral("zoop.wav"),
                                QString::fromUtf8("pu\u00f1o.wav")});
    });
    return app.exec();
}
