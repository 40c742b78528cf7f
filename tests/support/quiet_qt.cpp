// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiet_qt.h"

#include <QString>
#include <QtGlobal>

namespace trompalo::testkit {

namespace {

QtMessageHandler previous = nullptr;

void handler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support propagateSizeHints")) ||
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (previous)
        previous(type, context, message);
}

} // namespace

void headlessAndQuiet() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    previous = qInstallMessageHandler(handler);
}

} // namespace trompalo::testkit
