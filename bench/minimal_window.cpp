// The baseline of the start-up and memory figures: the least a Qt Widgets
// program does to show a window, one QWidget of the splash's size, shown and
// painted.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setObjectName(QStringLiteral("MinimalWindow"));
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(284, 420);
    window.show();
    return app.exec();
}
