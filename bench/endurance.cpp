// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// trompalo-endurance [--games N] [--seed S]: complete games in a row, the five
// kinds in turn, played through the real windows with scripted services and
// real mouse events. After every new game the run-time control arrays must
// hold exactly their template elements (nine grid counters after a "3 en
// raya." game is set up); resident memory at game 100 and at the last game
// must differ by less than 1 MB. Exits 1 when either does not hold, or when a
// game does not announce its end.
#include "headless.h"
#include "proc_status.h"
#include "session.h"

#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

using namespace trompalo;
using namespace trompalo::bench;

namespace {

const char* kindName(Kind kind) {
    switch (kind) {
    case Kind::Guillotina:
        return "Guillotina.";
    case Kind::TresEnRaya:
        return "3 en raya.";
    case Kind::Game325:
        return "325.";
    case Kind::Escalera:
        return "Escalera.";
    case Kind::Entrenamiento:
        return "Entrenamiento.";
    }
    return "?";
}

int pick(std::mt19937& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

Options randomOptions(Kind kind, std::mt19937& rng) {
    Options options;
    options.kind = kind;
    options.limit = pick(rng, 0, 5);
    options.winner = pick(rng, 0, 1);
    options.level = pick(rng, 0, 2);
    switch (kind) {
    case Kind::TresEnRaya:
        options.players = 2;
        break;
    case Kind::Entrenamiento:
        options.players = 1;
        break;
    default:
        options.players = pick(rng, 2, 4);
    }
    return options;
}

} // namespace

int main(int argc, char* argv[]) {
    int games = 1000;
    unsigned seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--games") == 0)
            games = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--seed") == 0)
            seed = static_cast<unsigned>(std::atoi(argv[i + 1]));
    }
    beforeApplication();
    QApplication app(argc, argv);
    afterApplication(app);

    Session session;
    std::mt19937 rng(seed);
    session.services.seed(seed);
    const Kind kinds[] = {Kind::Guillotina, Kind::TresEnRaya, Kind::Game325, Kind::Escalera,
                          Kind::Entrenamiento};
    const int checkpoint = std::min(100, games);
    long rssAtCheckpoint = -1;
    long rssAtEnd = -1;
    int unfinished = 0;
    int arrayFaults = 0;
    int trainingGames = 0;
    std::map<std::string, int> played;
    QElapsedTimer clock;
    clock.start();

    for (int game = 1; game <= games; ++game) {
        const Kind kind = kinds[(game - 1) % 5];
        const Options options = randomOptions(kind, rng);
        session.newGame(options);

        // The run-time arrays hold their templates only (and the grid's counters).
        const int counters = kind == Kind::TresEnRaya ? 9 : 1;
        const Form1& f = session.form1;
        if (f.Image6.count() != 1 || f.Image7.count() != 1 || f.Image8.count() != 1 ||
            f.Label4.count() != counters || f.Label8.count() != counters) {
            ++arrayFaults;
            std::printf("game %d (%s): after the new game Image6/7/8 hold %d/%d/%d, "
                        "Label4/Label8 %d/%d (expected 1/1/1, %d/%d)\n",
                        game, kindName(kind), f.Image6.count(), f.Image7.count(), f.Image8.count(),
                        f.Label4.count(), f.Label8.count(), counters, counters);
        }

        const bool completeTraining = kind == Kind::Entrenamiento && trainingGames++ % 2 == 0;
        if (!session.playToEnd(options, rng, completeTraining)) {
            ++unfinished;
            const Module1& m = session.form1.game().module1();
            std::printf("  players %d, limit %s %d, round %d, player %d, marks of 1:", m.NumPlayers,
                        m.LimitKind.c_str(), m.LimitValue, m.RoundNo, m.CurrentPlayer);
            for (int h = 1; h <= 9; ++h)
                std::printf(" %d", m.Marks[1][h]);
            std::printf("\n");
            std::printf("game %d (%s): no end announced (last message: %s)\n", game, kindName(kind),
                        session.messages.isEmpty() ? "none" : qPrintable(session.messages.back()));
        } else {
            ++played[kind == Kind::Entrenamiento
                         ? (completeTraining ? "Entrenamiento. (completed)"
                                             : "Entrenamiento. (retry refused)")
                         : kindName(kind)];
        }
        // The scripted services' records of messages and sounds belong to this
        // harness, not to the game: they are emptied so that they do not grow.
        session.messages.clear();
        session.services.sounds.clear();
        session.services.sounds.squeeze();

        if (game == checkpoint)
            rssAtCheckpoint = statusKiB("VmRSS");
        if (game == games)
            rssAtEnd = statusKiB("VmRSS");
        if (game % 100 == 0) {
            std::printf("  game %4d: VmRSS %s, %.1f s\n", game,
                        mebibytes(statusKiB("VmRSS")).c_str(),
                        static_cast<double>(clock.elapsed()) / 1000.0);
            std::fflush(stdout);
        }
    }

    const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    std::printf("endurance: %d games in %.1f s (%.1f ms a game)\n", games, seconds,
                1000.0 * seconds / games);
    for (const auto& [name, count] : played)
        std::printf("  %-32s %d played to the announced end\n", name.c_str(), count);
    const long growth = rssAtEnd - rssAtCheckpoint;
    std::printf("endurance: VmRSS at game %d %ld KiB, at game %d %ld KiB: growth %+ld KiB "
                "(limit: less than 1 MB)\n",
                checkpoint, rssAtCheckpoint, games, rssAtEnd, growth);
    std::printf("endurance: peak VmHWM after the session %ld KiB (%s); now RssAnon %ld KiB, "
                "RssFile %ld KiB\n",
                statusKiB("VmHWM"), mebibytes(statusKiB("VmHWM")).c_str(), statusKiB("RssAnon"),
                statusKiB("RssFile"));
    std::printf("endurance: array faults %d, games without an announced end %d, stuck windows "
                "%d\n",
                arrayFaults, unfinished, session.stuckWindows);
    const bool memoryOk = growth * 1024 < 1000 * 1000;
    const bool ok = memoryOk && arrayFaults == 0 && unfinished == 0 && session.stuckWindows == 0;
    std::printf("endurance: %s\n", ok ? "PASS" : "FAIL");
    return ok ? 0 : 1;
}
