// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scripted_services.h"

#include "platform/message_box.h"
#include "platform/qt_services.h"
#include "platform/timer.h"

#include <QCoreApplication>

#include <QDialog>
#include <QMessageBox>

namespace trompalo::testkit {

void ScriptedServices::runModal(QWidget& window, const QString& name) {
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    QCoreApplication::processEvents();
    modals_.push_back({&window, name});
    if (whileModal)
        whileModal(window);
    else
        window.hide();
    modals_.pop_back();
}

MsgAnswer ScriptedServices::messageBox(QWidget* owner, const QString& text, MsgButtons buttons,
                                       MsgIcon icon) {
    const auto box = makeMessageBox(owner, text, buttons, icon);
    runModal(*box, box->objectName());
    return answerOf(*box);
}

void ScriptedServices::popUp(int c, int hole, double after) {
    setClock(now_ + after);
    for (double draw : popUpDraws(c, hole))
        queueRandom(draw);
    if (timer_)
        timer_->fire();
}

void ScriptedServices::processEvents() {
    processEventsButInput();
}

} // namespace trompalo::testkit
