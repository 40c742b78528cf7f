// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/game_texts.h"

#include "game/rules.h"

#include <QStringList>

namespace trompalo {

QString GameTexts::announcement(const TurnAnnouncement& a) {
    QStringList lines;
    if (a.round == 0)
        return QString();
    if (a.training) {
        lines << tr("Nivel de entrenamiento: %1").arg(a.round);
        switch (rules::stageRule(a.round)) {
        case rules::StageRule::HitThemAll:
            lines << tr("Debes golpearlos según vayan saliendo.");
            break;
        case rules::StageRule::OnlyTheCapedHero:
            lines << tr("Solo puedes golpear al héroe de la estrella.");
            break;
        case rules::StageRule::OnlyTheBoxed:
            lines << tr("Debes darle al que aparece en el recuadro.");
            break;
        }
        lines << tr("Tienes 3 fallos.");
    } else {
        lines << tr("Ronda: %1").arg(a.round) << tr("Jugador %1").arg(a.player);
    }
    return lines.join(QStringLiteral("\r\r"));
}

QString GameTexts::notice(const Notice& notice) {
    switch (notice.kind) {
    case Notice::Winner:
        return tr("Final de partida. El ganador ha sido el jugador: %1")
            .arg(notice.players.empty() ? 0 : notice.players.front());
    case Notice::Tie: {
        QStringList players;
        for (int player : notice.players)
            players << QString::number(player);
        //: %1 is the list of tied players, as "1,2,3."
        return tr("Final de partida. Han empatado los jugadores: %1")
            .arg(players.join(u',') + u'.');
    }
    case Notice::TrainingCompleted:
        return tr("Has completado con éxito el entrenamiento!!.");
    case Notice::StageLost:
        return tr("Nivel no superado. Quieres probar de nuevo?");
    }
    return QString();
}

QString GameTexts::hole(int index, const QString& character) {
    return character.isEmpty()
               //: A hole of the field with nothing in it, for a screen reader
               ? tr("Agujero %1: vacío").arg(index + 1)
               //: A hole and the character in it, for a screen reader
               : tr("Agujero %1: %2").arg(index + 1).arg(character);
}

QString GameTexts::misses(int count) {
    //: The training's misses line: the number of misses before the words, in
    //: the plural forms of the language
    return count == 0 ? QString() : tr("%nFallo(s).", nullptr, count);
}

} // namespace trompalo
