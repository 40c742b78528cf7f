// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu commands of the game window.
#include "window/form1.h"

#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "dialogs/form_quorvane.h"
#include "platform/language.h"
#include "platform/program_files.h"
#include "platform/services.h"

namespace trompalo {

void Form1::MnuNew_Click() {
    game_.StopPlay();
    // Made once, owned by the game window; its buttons only hide it.
    if (!form2_)
        form2_ = new Form2(this, game_.module1());
    services_.showModal(*form2_);
    if (form2_->resultText() == QLatin1String("Nuevo"))
        game_.NewGame();
    showGame();
}

void Form1::MnuApo_Click() {
    if (MnuApo->checked()) {
        Shape1.forEach([](Shape& marker) { marker.setVisible(false); });
        MnuApo->setChecked(false);
    } else {
        // The markers lie behind everything else of the field.
        Shape1.forEach([](Shape& marker) {
            marker.setVisible(true);
            marker.sendToBack();
        });
        MnuApo->setChecked(true);
    }
}

void Form1::MnuPuntos_Click() {
    Form3 legend(*this, Image2);
    services_.showModal(legend);
}

void Form1::MnuS_Click() {
    MnuS->setChecked(!MnuS->checked());
}

void Form1::MnuHow_Click() {
    // The help page of the language in use, where the game has one.
    const QString own = QStringLiteral("Instrucciones_%1.htm").arg(currentLanguage());
    services_.openDocument(currentLanguage() != QLatin1String("es") &&
                                   !findProgramFile(own).isEmpty()
                               ? own
                               : QStringLiteral("Instrucciones.htm"));
}

void Form1::MnuAbout_Click() {
    showAbout();
}

void Form1::showAbout() {
    FormQuorvane about(*this, services_, iconPicture(), picture(PictureId::MakerLogo));
    services_.showModal(about);
}

} // namespace trompalo
