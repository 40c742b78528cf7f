// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/message_box.h"

#include "platform/access_keys.h"

#include <QAbstractButton>
#include <QCoreApplication>

namespace trompalo {

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* owner, const QString& text, MsgButtons buttons,
                                            MsgIcon icon) {
    auto box = std::make_unique<QMessageBox>(
        icon == MsgIcon::Question ? QMessageBox::Question : QMessageBox::Information,
        QString::fromLatin1(kMessageTitle), text,
        buttons == MsgButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
        owner);
    box->setObjectName(QStringLiteral("msgbox"));
    box->setDefaultButton(QMessageBox::Ok);
    // In the game's language even where Qt's own translations are not installed.
    box->button(QMessageBox::Ok)->setText(QCoreApplication::translate("MessageBox", "Aceptar"));
    if (QAbstractButton* cancel = box->button(QMessageBox::Cancel))
        cancel->setText(QCoreApplication::translate("MessageBox", "Cancelar"));
    giveAccessKeys(*box);
    return box;
}

MsgAnswer answerOf(const QMessageBox& box) {
    if (QAbstractButton* clicked = box.clickedButton())
        return box.standardButton(clicked) == QMessageBox::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    return box.standardButtons() == QMessageBox::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
}

} // namespace trompalo
