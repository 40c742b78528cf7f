// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// trompalo-bench: the game's hot paths in the real windows, headless
// (QT_QPA_PLATFORM=offscreen unless set): a tick of the play loop, a hit that
// closes a hero, a new "3 en raya." game, a repaint of the whole window.
//
// What a figure includes is said in its name:
//   tick                 Timer1->fire() alone: the game's routines and the
//                        control updates they make (which only mark areas dirty).
//   tick+events          the same, then QCoreApplication::processEvents(): the
//                        widgets the tick changed are repainted into the window's
//                        backing store (the counter `paints` says how many).
// Everything that only prepares the next measured step (the player's clicks
// before a tick, queued random draws, repaints they cause) runs with the timing
// paused.
#include "headless.h"
#include "session.h"

#include "platform/timer.h"
#include "support/driver.h"

#include <QCoreApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <algorithm>

using namespace trompalo;
using namespace trompalo::bench;

namespace {

// Counts the paint events the widgets receive.
class PaintCounter : public QObject {
public:
    PaintCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~PaintCounter() override { QCoreApplication::instance()->removeEventFilter(this); }
    long count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

void flushEvents() {
    QCoreApplication::processEvents();
}

// The measured step of the tick benchmarks (a function of its own, so that a
// profiler can be told to look at it alone).
[[gnu::noinline]] void measuredTick(Session& s, bool events) {
    s.form1.Timer1->fire();
    if (events)
        flushEvents();
}

// ---------------------------------------------------------------------------
// Training stage 12: five characters an event, the target box shown.

int holeShowingTarget(const Session& s) {
    for (int hole : s.takenHoles())
        if (s.form1.Image3[hole].picture() == s.form1.Image9->picture())
            return hole;
    return -1;
}

// Queues the draws of the next pop-up event of stage 12: the target drawn as
// character `target`, the five characters into the first five empty holes.
std::vector<int> queueStage12Event(Session& s, int target) {
    std::vector<int> holes = s.emptyHoles();
    holes.resize(std::min<std::size_t>(holes.size(), 5));
    s.services.queueRandom((target + 0.5) / 5);
    for (int hole : holes) {
        s.services.queueRandom((hole + 0.5) / 10);
        s.services.queueRandom(0.01); // any hero: stage 12 decides which
    }
    return holes;
}

// Starts a turn of stage 12 and lets its first event bring five characters up.
void startStage12Turn(Session& s, int target) {
    s.startTurn();
    queueStage12Event(s, target);
    s.tick(1.05);
}

// The stage is lost on purpose (three targets go down unhit), the retry
// accepted: stage 12 again, with a full turn ahead.
bool replayStage12(Session& s, int target) {
    while (s.inPlay())
        s.tick(1.05);
    if (!s.startButtonShown() || s.form1.game().module1().RoundNo != 12)
        return false;
    startStage12Turn(s, target);
    return true;
}

void BM_TickTrainingStage12(benchmark::State& state) {
    const bool events = state.range(0) != 0;
    Session s;
    s.newGame({Kind::Entrenamiento, 1, 5, 1, 1});
    if (!s.trainUpTo(12)) {
        state.SkipWithError("stage 12 was not reached");
        return;
    }
    const int target = 2;
    startStage12Turn(s, target);
    PaintCounter paints;
    long popped = 0;
    long expired = 0;
    long painted = 0;
    std::vector<int> expected;
    std::vector<int> before;
    // The measured tick: the four characters left went down, five came up.
    auto checkTick = [&] {
        if (expected.empty())
            return true;
        if (s.takenHoles() != expected || s.form1.game().state().Misses != 0 ||
            s.services.queuedLeft() != 0)
            return false;
        popped += 5;
        expired += static_cast<long>(before.size());
        painted += paints.count;
        return true;
    };
    for (auto _ : state) {
        state.PauseTiming();
        if (!checkTick()) {
            state.SkipWithError("the tick did not pop up five and send down four");
            break;
        }
        if (s.turnLeft() < 6 && !replayStage12(s, target)) {
            state.SkipWithError("stage 12 could not be played again");
            break;
        }
        // The player hits the character in the target box; the other four stay
        // up until they go down in the measured tick.
        const int hole = holeShowingTarget(s);
        if (hole < 0) {
            state.SkipWithError("no target in a hole");
            break;
        }
        s.hit(hole);
        before = s.takenHoles();
        expected = queueStage12Event(s, target);
        std::sort(expected.begin(), expected.end());
        s.services.setClock(s.services.now() + 1.05);
        flushEvents();
        paints.count = 0;
        state.ResumeTiming();

        measuredTick(s, events);
    }
    if (!checkTick())
        state.SkipWithError("the tick did not pop up five and send down four");
    const auto average = benchmark::Counter::kAvgIterations;
    state.counters["popups"] = benchmark::Counter(static_cast<double>(popped), average);
    state.counters["expiries"] = benchmark::Counter(static_cast<double>(expired), average);
    state.counters["paints"] = benchmark::Counter(static_cast<double>(painted), average);
}
BENCHMARK(BM_TickTrainingStage12)
    ->ArgName("events")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(3000)
    ->Unit(benchmark::kMicrosecond);

// ---------------------------------------------------------------------------
// A "Guillotina." tick while the slap animation runs.

void BM_TickGuillotinaSlap(benchmark::State& state) {
    const bool events = state.range(0) != 0;
    Session s;
    s.newGame({Kind::Guillotina, 2, 5, 1, 1}); // 15-second turns
    s.startTurn();
    PaintCounter paints;
    long painted = 0;
    long slapping = 0;
    bool measured = false;
    for (auto _ : state) {
        state.PauseTiming();
        if (measured)
            painted += paints.count;
        if (!s.form1.game().state().Slapping) {
            if (s.turnLeft() < 5) {
                s.runOutTurn();
                s.startTurn();
            }
            // The boy with the headphones is hit: the slap begins.
            const int hole = s.emptyHoles().front();
            s.services.popUp(11, hole);
            s.hit(hole);
        }
        slapping += s.form1.game().state().Slapping ? 1 : 0;
        s.services.setClock(s.services.now() + 0.1);
        flushEvents();
        paints.count = 0;
        measured = true;
        state.ResumeTiming();

        measuredTick(s, events);
    }
    painted += paints.count;
    if (slapping != state.iterations())
        state.SkipWithError("a measured tick found no slap running");
    state.counters["paints"] =
        benchmark::Counter(static_cast<double>(painted), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_TickGuillotinaSlap)
    ->ArgName("events")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(3000)
    ->Unit(benchmark::kMicrosecond);

// ---------------------------------------------------------------------------
// The third hit on a hero in "Guillotina.": the hero is closed, a ring mark
// placed. A press and a release through the window system; QTest delivers
// each with QCoreApplication::processEvents(), so the repaint is included.

int closedHeroes(const Session& s, int player) {
    int closed = 0;
    for (int h = 1; h <= 9; ++h)
        closed += s.form1.game().module1().Marks[player][h] == 3 ? 1 : 0;
    return closed;
}

void BM_HitClosesHero(benchmark::State& state) {
    Session s;
    const Options options{Kind::Guillotina, 2, 5, 1, 2}; // 15-second turns, characters stay 1.1 s
    s.newGame(options);
    s.startTurn();
    int hole = -1;
    int hero = -1;
    int player = 0;
    int rings = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (hole >= 0 && (s.form1.game().module1().Marks[player][hero + 1] != 3 ||
                          s.form1.Image8.count() != rings + 1)) {
            state.SkipWithError("the hit did not close the hero with a ring");
            break;
        }
        if (s.turnLeft() < 3) {
            s.runOutTurn();
            s.startTurn();
        }
        player = s.currentPlayer();
        if (closedHeroes(s, player) == 8) {
            // Closing the last hero would end the game: a new one instead.
            s.newGame(options);
            s.startTurn();
            player = s.currentPlayer();
        }
        hero = 0;
        while (s.form1.game().module1().Marks[player][hero + 1] == 3)
            ++hero;
        while (s.form1.game().module1().Marks[player][hero + 1] < 2) {
            const int first = s.emptyHoles().front();
            s.services.popUp(hero, first);
            s.hit(first);
        }
        hole = s.emptyHoles().front();
        s.services.popUp(hero, hole);
        testkit::moveTo(s.form1.Image3[hole]);
        rings = s.form1.Image8.count();
        flushEvents();
        state.ResumeTiming();

        testkit::press(s.form1.Image3[hole]);
        testkit::release(s.form1.Image3[hole]);
    }
}
BENCHMARK(BM_HitClosesHero)->Iterations(1000)->Unit(benchmark::kMicrosecond);

// ---------------------------------------------------------------------------
// "Nuevo" for "3 en raya." after a finished one: the menu, the options dialog
// shown and answered with clicks ("3 en raya.", "Adelante"), the new game set
// up (the last game's claims and counters unloaded, nine new counter pairs).

void BM_NewGameTresEnRaya(benchmark::State& state) {
    Session s;
    std::mt19937 rng(7);
    const Options options{Kind::TresEnRaya, 2, 5, 0, 1};
    s.newGame(options);
    for (auto _ : state) {
        state.PauseTiming();
        if (s.form1.Label4.count() != 9 || s.form1.Image7.count() != 1) {
            state.SkipWithError("the new game did not set up the grid");
            break;
        }
        if (!s.playToEnd(options, rng, false)) {
            state.SkipWithError("the game did not end");
            break;
        }
        flushEvents();
        state.ResumeTiming();

        s.newGame(options);
    }
}
BENCHMARK(BM_NewGameTresEnRaya)->Iterations(300)->Unit(benchmark::kMicrosecond);

[[gnu::noinline]] void renderWindow(QWidget& window, QImage& image) {
    window.render(&image);
    benchmark::DoNotOptimize(image.constBits());
}

// ---------------------------------------------------------------------------
// The whole game window rendered to an image during play: five characters in
// holes, the hero table with marks.

void BM_RepaintWindow(benchmark::State& state) {
    const qreal dpr = static_cast<qreal>(state.range(0));
    Session s;
    s.newGame({Kind::Guillotina, 2, 5, 1, 2}); // characters stay 1.1 s
    s.startTurn();
    for (int c : {0, 0, 0, 1, 1, 2, 3, 3, 5, 8, 8, 8}) {
        const int hole = s.emptyHoles().front();
        s.services.popUp(c, hole);
        s.hit(hole);
    }
    for (int i = 0; i < 5; ++i)
        s.services.popUp(i * 2, i * 2, 0.21);
    flushEvents();
    if (s.takenHoles().size() != 5 || s.form1.Image6.count() != 7 || s.form1.Image2[0].isHidden()) {
        state.SkipWithError("the field is not as planned");
        return;
    }
    QImage image(s.form1.size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    for (auto _ : state)
        renderWindow(s.form1, image);
    state.counters["pixels"] = static_cast<double>(image.width()) * image.height();
}
BENCHMARK(BM_RepaintWindow)->ArgName("dpr")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    beforeApplication();
    QApplication app(argc, argv);
    afterApplication(app);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
