// "Nuevo": asking for the settings, clearing the last game and starting the next.
#include "window/form1.h"

#include "dialogs/form2.h"
#include "platform/services.h"

namespace trompalo {

void Form1::MnuNew_Click() {
    StopPlay();
    if (!form2_)
        form2_ = std::make_unique<Form2>(this, module1_);
    services_.showModal(*form2_);
    if (form2_->resultText() == QLatin1String("Nuevo"))
        NewGame();
}

void Form1::NewGame() {
    Module1& m = module1_;
    state_.BoardOver = false;
    // A new game starts with no verdict of an earlier grid.
    state_.EndedByLine = false;
    for (int i = 0; i < 4; ++i) {
        Label5[i].setBackColor(Qt::white);
        Label5[i].setCaption(i < m.NumPlayers ? QStringLiteral("0") : QString());
    }
    for (ControlArray<Image>* marks : {&Image6, &Image7, &Image8})
        for (int i = marks->count() - 1; i >= 1; --i)
            marks->unload(i);
    Label4[0].setVisible(false);
    Label8[0].setVisible(false);
    for (int i = Label4.count() - 1; i >= 1; --i) {
        Label4.unload(i);
        if (Label8.exists(i))
            Label8.unload(i);
    }
    const int start = m.GameKind == kGuillotina || m.GameKind == kTresEnRaya ? 0 : 1;
    for (int p = 1; p <= 4; ++p)
        for (int h = 1; h <= 9; ++h)
            m.Marks[p][h] = start;
    Image2.forEach([](Image& picture) { picture.setVisible(false); });
    Line3.forEach([](Line& line) { line.setVisible(false); });
    switch (m.GameKind) {
    case kGuillotina:
    case kEscalera:
        PrepareTable();
        Label7->setVisible(false);
        break;
    case kTresEnRaya:
        PrepareGrid();
        Label7->setVisible(false);
        break;
    case kEntrenamiento:
        Label7->setVisible(true);
        Label7->setCaption(QString());
        break;
    default:
        Label7->setVisible(false);
    }
    const bool hits = m.LimitKind == QLatin1String("G");
    Image5->setVisible(hits);
    Label1->setVisible(hits);
    Label1->setCaption(QString());
    m.RoundNo = 0;
    state_.Misses = 0;
    Label2->setCaption(QString());
    NextTurn();
}

void Form1::ClearTurnDisplay() {
    Label1->setVisible(false);
    Label2->setCaption(QString());
    Label3->setCaption(QString());
}

} // namespace trompalo
