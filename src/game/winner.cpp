// The end of a game: the three-in-a-row test and the announcement of the winner.
#include "window/form1.h"

#include "game/rules.h"
#include "platform/services.h"

#include <vector>

namespace trompalo {

void Form1::CheckThreeInRow() {
    const rules::GridTest test = rules::checkThreeInRow(state_.CellOwner, state_.GridHero);
    state_.BoardOver = test.boardOver;
    state_.EndedByLine = test.endedByLine;
}

void Form1::ShowWinner() {
    const Module1& m = module1_;
    const QString winnerText = QStringLiteral("Final de partida. El ganador ha sido el jugador: ");
    // The player on turn wins outright when the game's end is the goal: the
    // ladder of "Escalera." completed, or under "Final de juego." the nine
    // heroes of "Guillotina." closed or a line of "3 en raya." completed.
    const bool finisherWins = m.GameKind == kEscalera ||
                              (m.WinAtGameEnd && m.GameKind == kGuillotina) ||
                              (m.WinAtGameEnd && state_.EndedByLine);
    QString text;
    if (finisherWins) {
        text = winnerText + QString::number(m.CurrentPlayer);
    } else {
        // Otherwise the lowest total wins: the boxes hold penalty points.
        std::vector<double> totals;
        for (int i = 0; i < m.NumPlayers && i < 4; ++i)
            totals.push_back(Label5[i].number());
        const std::vector<int> best = rules::lowestTotals(totals);
        if (best.size() <= 1) {
            text = winnerText + QString::number(best.empty() ? 1 : best.front());
        } else {
            QStringList players;
            for (int player : best)
                players << QString::number(player);
            text = QStringLiteral("Final de partida. Han empatado los jugadores: ") +
                   players.join(u',') + u'.';
        }
    }
    services_.messageBox(this, text, MsgButtons::Ok, MsgIcon::Information);
}

} // namespace trompalo
