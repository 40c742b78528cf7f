// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace trompalo {

#ifndef TROMPALO_DATA_FROM_BIN
#define TROMPALO_DATA_FROM_BIN "../share/games/trompalo"
#endif

QStringList programFolders() {
    const QString own = QCoreApplication::applicationDirPath();
    return {own, QDir::cleanPath(own + QStringLiteral("/" TROMPALO_DATA_FROM_BIN))};
}

QString findProgramFile(const QString& bareName) {
    // Only bare names: a name that reaches outside the folders is never opened.
    if (bareName.isEmpty() || bareName.contains(u'/') || bareName.contains(u'\\') ||
        bareName == QLatin1String(".") || bareName == QLatin1String(".."))
        return {};
    for (const QString& folder : programFolders()) {
        const QFileInfo file(QDir(folder), bareName);
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

} // namespace trompalo
