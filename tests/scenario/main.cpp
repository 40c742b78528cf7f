// trompalo-scenario FILE...: plays each scenario file in a fresh program and
// reports every expectation that failed, then "N passed, M failed".
#include "scenario.h"

#include "platform/application.h"
#include "support/quiet_qt.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    trompalo::testkit::quietPlatformNotes();
    QApplication app(argc, argv);
    trompalo::setUpApplication(app);
    if (argc < 2) {
        std::fprintf(stderr, "usage: trompalo-scenario FILE...\n");
        return 2;
    }
    int passed = 0;
    int failed = 0;
    bool unreadable = false;
    for (int i = 1; i < argc; ++i) {
        const QString file = QString::fromLocal8Bit(argv[i]);
        trompalo::scenario::Script script;
        QString error;
        if (!trompalo::scenario::readScript(file, script, error)) {
            std::printf("%s\n", qPrintable(error));
            unreadable = true;
            ++failed;
            continue;
        }
        trompalo::scenario::Runner runner;
        const QStringList failures = runner.run(script);
        for (const QString& failure : failures)
            std::printf("%s\n", qPrintable(failure));
        (failures.isEmpty() ? passed : failed) += 1;
        std::fflush(stdout);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return unreadable ? 2 : failed > 0 ? 1 : 0;
}
