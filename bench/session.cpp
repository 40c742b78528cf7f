// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session.h"

#include "dialogs/form2.h"
#include "dialogs/form_quorvane.h"
#include "platform/timer.h"
#include "support/draws.h"
#include "support/driver.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>

#include <algorithm>
#include <array>

namespace trompalo::bench {

namespace {

// The eight lines of the 3 x 3 grid, by grid position.
constexpr std::array<std::array<int, 3>, 8> kLines{
    {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7}, {2, 5, 8}, {3, 6, 9}, {3, 5, 7}, {1, 5, 9}}};

int pick(std::mt19937& rng, int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(rng);
}

} // namespace

Session::Session() {
    services.whileModal = [this](QWidget& window) { answer(window); };
    form1.Form_Load();
    form1.show();
    QCoreApplication::processEvents();
}

Session::~Session() {
    services.whileModal = nullptr;
}

void Session::answer(QWidget& window) {
    if (auto* splash = qobject_cast<FormQuorvane*>(&window)) {
        testkit::click(*splash->lblClick);
    } else if (auto* box = qobject_cast<QMessageBox*>(&window)) {
        messages << box->text();
        QAbstractButton* cancel = box->button(QMessageBox::Cancel);
        testkit::click(cancel && !acceptRetry ? *cancel : *box->button(QMessageBox::Ok));
    } else if (qobject_cast<Form2*>(&window)) {
        chooseOptions(window);
    }
    if (!window.isHidden()) {
        ++stuckWindows;
        window.hide();
    }
}

void Session::chooseOptions(QWidget& dialog) {
    auto& options = static_cast<Form2&>(dialog);
    auto clickIfShown = [](QAbstractButton* button) {
        if (button && button->isVisible())
            testkit::click(*button);
    };
    clickIfShown(options.Option1[static_cast<int>(pending_.kind)]);
    clickIfShown(options.Option4[pending_.players - 1]);
    clickIfShown(options.Option2[pending_.limit]);
    clickIfShown(options.Option3[pending_.winner]);
    clickIfShown(options.Option5[pending_.level]);
    testkit::click(*options.Command1);
}

void Session::newGame(const Options& options) {
    pending_ = options;
    testkit::chooseMenu(form1, QStringLiteral("Nuevo"));
}

void Session::startTurn() {
    testkit::click(*form1.Command1);
}

void Session::tick(double seconds) {
    services.setClock(services.now() + seconds);
    services.timer()->fire();
}

void Session::hit(int hole) {
    Image& target = form1.Image3[hole];
    testkit::moveTo(target);
    testkit::press(target);
    testkit::release(target);
}

void Session::runOutTurn() {
    for (int i = 0; i < 10000 && inPlay(); ++i)
        tick(0.1);
}

bool Session::inPlay() const {
    return form1.Timer1->interval() != 0;
}

bool Session::startButtonShown() const {
    return !form1.Command1->isHidden();
}

double Session::turnLeft() const {
    return form1.game().state().TurnStart + form1.game().state().TurnSeconds - services.now();
}

bool Session::holeEmpty(int hole) const {
    return form1.Image3[hole].picture() == form1.Image4->picture();
}

std::vector<int> Session::emptyHoles() const {
    std::vector<int> holes;
    for (int i = 0; i < 10; ++i)
        if (holeEmpty(i))
            holes.push_back(i);
    return holes;
}

std::vector<int> Session::takenHoles() const {
    std::vector<int> holes;
    for (int i = 0; i < 10; ++i)
        if (!holeEmpty(i))
            holes.push_back(i);
    return holes;
}

bool Session::gameOverAnnounced(int messagesBefore) const {
    for (int i = messagesBefore; i < messages.size(); ++i)
        if (messages[i].startsWith(QLatin1String("Final de partida.")))
            return true;
    return false;
}

bool Session::playTurns(const std::vector<int>& finisherHits, std::mt19937& rng) {
    // Player 1 hits the characters of finisherHits in order, over as many turns
    // as it takes; the other players hit a penalty character or two and let
    // their turns run out.
    const int before = static_cast<int>(messages.size());
    std::size_t next = 0;
    for (int turn = 0; turn < 400; ++turn) {
        if (!startButtonShown())
            return false;
        startTurn();
        const Module1& m = form1.game().module1();
        const bool byHits = m.LimitKind == "G";
        // The countdown ends a turn once less than a whole second is left.
        const int budget = byHits ? m.LimitValue : static_cast<int>((turnLeft() - 1.5) / 0.3);
        const bool finisher = currentPlayer() == 1;
        const int hits = finisher ? budget : pick(rng, std::min(3, budget));
        for (int i = 0; i < hits && inPlay(); ++i) {
            if (finisher && next == finisherHits.size())
                return false; // every hit made and no end announced
            const int c = finisher ? finisherHits[next++] : 9 + pick(rng, 2);
            const std::vector<int> free = emptyHoles();
            const int hole =
                free[static_cast<std::size_t>(pick(rng, static_cast<int>(free.size())))];
            services.popUp(c, hole);
            if (form1.Image3[hole].picture() != form1.Image2[c].picture())
                return false;
            hit(hole);
            if (gameOverAnnounced(before))
                return true;
        }
        runOutTurn();
        if (gameOverAnnounced(before))
            return true;
    }
    return false;
}

void Session::hitEveryCharacter() {
    for (int hole : takenHoles())
        if (inPlay())
            hit(hole);
}

bool Session::trainUpTo(int stage) {
    for (int guard = 0; guard < 40; ++guard) {
        if (!startButtonShown())
            return false;
        if (form1.game().module1().RoundNo >= stage)
            return form1.game().module1().RoundNo == stage;
        startTurn();
        while (inPlay()) {
            tick(0.1);
            hitEveryCharacter();
        }
    }
    return false;
}

bool Session::playTraining(bool complete) {
    const int before = static_cast<int>(messages.size());
    if (complete) {
        if (!trainUpTo(12))
            return false;
        startTurn();
        while (inPlay()) {
            tick(0.1);
            hitEveryCharacter();
        }
        return messages.size() == before + 1 &&
               messages.back().startsWith(QStringLiteral("Has completado")) && !startButtonShown();
    }
    // Three characters go down unhit in the first stage; the retry is refused.
    acceptRetry = false;
    startTurn();
    runOutTurn();
    acceptRetry = true;
    return messages.size() == before + 1 &&
           messages.back().startsWith(QLatin1String("Nivel no superado")) && !startButtonShown();
}

bool Session::playToEnd(const Options& options, std::mt19937& rng, bool completeTraining) {
    std::vector<int> hits;
    switch (options.kind) {
    case Kind::Guillotina:
        // Each hero three times, in a random order.
        for (int c = 0; c < 9; ++c)
            hits.insert(hits.end(), 3, c);
        std::shuffle(hits.begin(), hits.end(), rng);
        break;
    case Kind::TresEnRaya: {
        // The three heroes of a line of the grid, three hits each.
        const auto& line = kLines[static_cast<std::size_t>(pick(rng, 8))];
        for (int position : line)
            hits.insert(hits.end(), 3, form1.game().state().GridHero[position] - 1);
        std::shuffle(hits.begin(), hits.end(), rng);
        break;
    }
    case Kind::Game325:
        hits.assign(13, 0); // 13 x 25 points
        break;
    case Kind::Escalera:
        // The ladder from the bottom hero up, two hits each.
        for (int c = 8; c >= 0; --c)
            hits.insert(hits.end(), 2, c);
        break;
    case Kind::Entrenamiento:
        return playTraining(completeTraining);
    }
    return playTurns(hits, rng);
}

} // namespace trompalo::bench
