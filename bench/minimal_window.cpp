// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The baseline of the start-up and memory figures: the least a Qt Widgets
// program does to show a window, one QWidget of the splash's size, shown and
// painted. Built a second time with TROMPALO_PROBE_TEXT, the window shows one
// line of text: what any window with a word on it pays for its fonts.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
#ifdef TROMPALO_PROBE_TEXT
    QLabel window(QStringLiteral("Trompalo"));
#else
    QWidget window;
#endif
    window.setObjectName(QStringLiteral("MinimalWindow"));
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(284, 420);
    window.show();
    return app.exec();
}
