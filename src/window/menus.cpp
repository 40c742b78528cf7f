// The menu commands and the keyboard of the game window.
#include "window/form1.h"

#include "dialogs/form3.h"
#include "dialogs/form_quorvane.h"
#include "game/rules.h"
#include "platform/services.h"

namespace trompalo {

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
    Form3 legend(*this);
    services_.showModal(legend);
}

void Form1::MnuS_Click() {
    MnuS->setChecked(!MnuS->checked());
}

void Form1::MnuHow_Click() {
    services_.openDocument(this, QStringLiteral("Instrucciones.htm"));
}

void Form1::MnuAbout_Click() {
    FormQuorvane about(*this);
    services_.showModal(about);
}

void Form1::Form_KeyPress(int keyAscii) {
    if (keyAscii != ' ')
        return;
    Image& stop = Image2[rules::kStopSign];
    if (!stop.isHidden()) {
        state_.Frozen = true;
        stop.setVisible(false);
    }
}

void Form1::playSound(const char* name) {
    if (MnuS->checked())
        services_.playSound(QString::fromUtf8(name));
}

} // namespace trompalo
