// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// trompalo-render-icon SVG SIZE OUT.png: renders one of the game's drawings as
// a square PNG (the installed application icons).
#include "platform/picture.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: trompalo-render-icon SVG SIZE OUT.png\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int side = QString::fromLocal8Bit(argv[2]).toInt();
    if (side <= 0 || side > 4096) {
        std::fprintf(stderr, "trompalo-render-icon: bad size %s\n", argv[2]);
        return 2;
    }
    const trompalo::PictureData drawing(QString::fromLocal8Bit(argv[1]), QSize(side, side));
    const QImage image = drawing.renderImage(QSize(side, side), 1.0);
    if (!image.save(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "trompalo-render-icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
