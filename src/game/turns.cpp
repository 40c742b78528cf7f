// Turns and rounds: announcing the next player (or training stage), starting a
// turn, ending it, and stopping play.
#include "window/form1.h"

#include "game/rules.h"
#include "platform/caption_number.h"
#include "platform/services.h"

namespace trompalo {

namespace {

const QColor kOnTurn(0, 255, 0);
const QString kTwoLines = QStringLiteral("\r\r");

} // namespace

void Form1::NextTurn() {
    Module1& m = module1_;
    Form1State& s = state_;
    s.Frozen = false;
    Image9->setVisible(false);
    Label9->setVisible(false);
    Label3->setCaption(QString());
    Image2[rules::kStopSign].setVisible(false);

    if (m.CurrentPlayer >= 1 && m.CurrentPlayer <= 4)
        Label5[m.CurrentPlayer - 1].setBackColor(Qt::white);
    ++m.CurrentPlayer;
    if (m.CurrentPlayer > m.NumPlayers) {
        m.CurrentPlayer = 1;
        ++m.RoundNo;
    }
    Label5[m.CurrentPlayer - 1].setBackColor(kOnTurn);

    if (m.GameKind == kEntrenamiento) {
        const int stage = m.RoundNo;
        if (stage == rules::kTrainingStages + 1 && s.Misses < 3) {
            services_.messageBox(this,
                                 QStringLiteral("Has completado con éxito el entrenamiento!!."),
                                 MsgButtons::Ok, MsgIcon::Information);
            return;
        }
        Label7->setCaption(QString());
        if (stage != 1 && s.Misses >= 3) {
            StopPlay();
            const MsgAnswer again = services_.messageBox(
                this, QStringLiteral("Nivel no superado. Quieres probar de nuevo?"),
                MsgButtons::OkCancel, MsgIcon::Question);
            if (again == MsgAnswer::Cancel)
                return;
            // The same stage once more.
            m.CurrentPlayer = 4;
            m.RoundNo -= 2;
            s.Misses = 0;
            NextTurn();
            return;
        }
        const rules::StageSpeeds speeds = rules::stageSpeeds(stage);
        m.StayTime = speeds.stayTime;
        m.PopInterval = speeds.popInterval;
        s.TurnSeconds = rules::kTrainingSeconds;
        const QString head = QStringLiteral("Nivel de entrenamiento: ") + QString::number(stage) +
                             kTwoLines + QString::fromUtf8(rules::stageRuleText(stage)) +
                             kTwoLines + QStringLiteral("Tienes 3 fallos.");
        if (stage > 8) {
            Image9->setVisible(true);
            Image9->setPicture(Image4->picture());
            Label9->setVisible(true);
        }
        Command1->setCaption(head);
    } else {
        if (m.LimitKind == QLatin1String("G")) {
            s.TurnSeconds = rules::kHitTurnSeconds;
            Label1->setCaption(QString::number(m.LimitValue));
        } else {
            s.TurnSeconds = m.LimitValue;
        }
        Command1->setCaption(QStringLiteral("Ronda: ") + QString::number(m.RoundNo) + kTwoLines +
                             QStringLiteral("Jugador ") + QString::number(m.CurrentPlayer));
    }
    Command1->setVisible(true);
    s.Misses = 0;
}

void Form1::Command1_Click() {
    Module1& m = module1_;
    Command1->setVisible(false);
    state_.TurnStart = services_.clock();
    Timer1->setInterval(100);
    ++turnSerial_;

    // Bank the partial score of the turn before into its player's box.
    int p = m.CurrentPlayer - 2;
    if (p == -1)
        p = m.NumPlayers - 1;
    if (p >= 0 && p < 4) {
        Label& box = Label5[p];
        const long long total = roundWhole(Label2->number() + box.number());
        if (m.GameKind == kKind325 && total > rules::kTarget325)
            services_.beep(); // beyond 325: the turn's points are lost
        else
            box.setNumber(static_cast<double>(total));
    }
    Label2->setCaption(QString());
}

void Form1::EndTurn() {
    Timer1->setInterval(0);
    StopPlay();
    state_.TimerBusy = false;
    NextTurn();
}

void Form1::StopPlay() {
    Timer1->setInterval(0);
    Image1->setVisible(false);
    Pega.forEach([](Image& pose) { pose.setVisible(false); });
    Image3.forEach([this](Image& hole) { hole.setPicture(Image4->picture()); });
    Prepara.forEach([](Image& pose) { pose.setVisible(false); });
    Golpe[0].setVisible(false);
    Golpe[1].setVisible(false);
    state_.Slapping = false;
    Mira[0].setVisible(true);
    services_.processEvents();
}

} // namespace trompalo
