// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

// Where an installation puts the data, as the build configures it: the path
// from the program's install folder, and the folder itself.
#if !defined(TROMPALO_DATA_FROM_BIN) || !defined(TROMPALO_DATA_DIR)
#error "the build defines TROMPALO_DATA_FROM_BIN and TROMPALO_DATA_DIR"
#endif

namespace trompalo {

namespace {

// The folders looked in, in order.
QStringList programFolders() {
    const QString own = QCoreApplication::applicationDirPath();
    // Beside the program (the build folder), then at the data's path from the
    // program's folder (an installation anywhere, moved as a whole), then the
    // data folder the installation was made for.
    QStringList folders{own, QDir::cleanPath(own + QStringLiteral("/" TROMPALO_DATA_FROM_BIN)),
                        QDir::cleanPath(QStringLiteral(TROMPALO_DATA_DIR))};
    folders.removeDuplicates();
    return folders;
}

} // namespace

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
