// The release of a swing: the points booked by game kind, the "325." test,
// the marks, and the end of a turn whose hits are used up.
#include "window/form1.h"

#include "game/rules.h"
#include "platform/caption_number.h"
#include "platform/services.h"

namespace trompalo {

bool Form1::ReleaseCounts() const {
    // Only the release of a press made in the turn still in play books anything.
    return pressTurn_ != 0 && pressTurn_ == turnSerial_ && Timer1->interval() != 0;
}

void Form1::EndSwing() {
    Image1->setVisible(false);
    Pega.forEach([](Image& pose) { pose.setVisible(false); });
}

void Form1::Image3_MouseUp(int, const MouseArgs&) {
    Module1& m = module1_;
    Form1State& s = state_;
    s.Swinging = false;
    const bool counts = ReleaseCounts();
    pressTurn_ = 0;
    if (!counts) {
        EndSwing();
        return;
    }
    const int player = m.CurrentPlayer;

    if (m.GameKind == kKind325 || m.GameKind == kEscalera)
        Label2->setNumber(Label2->number() + s.HitPoints);
    if (m.GameKind == kGuillotina || m.GameKind == kTresEnRaya) {
        if (s.HitChar >= 9) {
            // A penalty character costs its hitter.
            Label& own = Label5[player - 1];
            own.setNumber(own.number() - s.HitPoints);
        } else {
            // A hit on a hero the hitter has closed costs everyone who has not.
            const int h = s.HitChar + 1;
            if (m.Marks[player][h] >= 3)
                for (int p = 1; p <= m.NumPlayers; ++p)
                    if (p != player && m.Marks[p][h] < 3)
                        Label5[p - 1].setNumber(Label5[p - 1].number() + s.HitPoints);
        }
    }
    EndSwing();

    if (m.GameKind == kKind325) {
        Label& own = Label5[player - 1];
        const long long sum = roundWhole(Label2->number() + own.number());
        if (sum == rules::kTarget325) {
            own.setCaption(QStringLiteral("325"));
            // The timer stops before the window repaints, so no tick can end the
            // turn under the winner's message.
            Timer1->setInterval(0);
            services_.processEvents();
            StopPlay();
            s.TimerBusy = false;
            ClearTurnDisplay();
            services_.messageBox(
                this,
                QStringLiteral("Final de partida. El ganador ha sido el jugador: ") +
                    QString::number(player),
                MsgButtons::Ok, MsgIcon::Information);
            return;
        }
        if (sum > rules::kTarget325) {
            Timer1->setInterval(0);
            StopPlay();
            NextTurn();
            return;
        }
    }

    if ((m.GameKind == kGuillotina || m.GameKind == kTresEnRaya || m.GameKind == kEscalera) &&
        s.HitChar >= 0 && s.HitChar < rules::kHeroCount)
        if (MarkHit())
            return;

    if (Label1->caption() == QLatin1String("0"))
        EndTurn();
}

} // namespace trompalo
