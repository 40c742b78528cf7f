// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/activated_dialog.h"

#include <QEvent>

namespace trompalo {

bool ActivatedDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(event);
}

void ActivatedDialog::showEvent(QShowEvent* event) {
    Form_Activate();
    QDialog::showEvent(event);
}

} // namespace trompalo
