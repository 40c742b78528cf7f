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
    // A turn in play waits, paused, while the options are open: "Cancelar"
    // takes it on where it stood. Else play stops.
    const bool inTurn = game_.TurnInPlay();
    const bool paused = game_.Paused();
    if (inTurn)
        game_.Pause();
    else
        game_.StopPlay();
    showGame();
    // Made once, owned by the game window; its buttons only hide it.
    if (!form2_)
        form2_ = new Form2(this, game_.module1());
    services_.showModal(*form2_);
    if (form2_->resultText() == QLatin1String("Nuevo")) {
        if (inTurn)
            game_.StopPlay();
        game_.NewGame();
    } else if (inTurn && !paused) {
        game_.Resume();
    }
    showGame();
}

void Form1::MnuApo_Click() {
    showGuides(!MnuApo->checked());
    services_.saveSetting(Setting::Guides, MnuApo->checked());
}

void Form1::showGuides(bool shown) {
    // The markers lie behind everything else of the field.
    Shape1.forEach([shown](Shape& marker) {
        marker.setVisible(shown);
        if (shown)
            marker.sendToBack();
    });
    MnuApo->setChecked(shown);
}

void Form1::MnuPuntos_Click() {
    Form3 legend(*this, Image2);
    services_.showModal(legend);
}

void Form1::MnuS_Click() {
    MnuS->setChecked(!MnuS->checked());
    services_.saveSetting(Setting::Sound, MnuS->checked());
}

void Form1::MnuPausa_Click() {
    // (between turns there is nothing to pause)
    if (game_.Paused())
        game_.Resume();
    else
        game_.Pause();
    showGame();
}

void Form1::MnuSalir_Click() {
    close();
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
