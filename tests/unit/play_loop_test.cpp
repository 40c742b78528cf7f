// The play loop where the scenario language cannot reach: a tick arriving
// inside the event processing of a win, every hole taken at once, the clock.
#include "dialogs/form2.h"
#include "platform/qt_services.h"
#include "platform/timer.h"
#include "support/driver.h"
#include "support/scripted_services.h"
#include "window/form1.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <thread>

using namespace trompalo;

namespace {

struct Play : ::testing::Test {
    testkit::ScriptedServices services;
    Form1 form1{services};
    QStringList messages;
    // What the options dialog should choose on its next opening.
    std::function<void(Form2&)> choose;

    void SetUp() override {
        form1.Form_Load();
        form1.show();
        services.whileModal = [this](QWidget& window) {
            if (auto* box = qobject_cast<QMessageBox*>(&window))
                messages << box->text();
            if (auto* options = qobject_cast<Form2*>(&window)) {
                if (choose)
                    choose(*options);
                testkit::click(*options->Command1);
            }
            window.hide();
        };
    }

    void newGame(int gameButton, int limitButton) {
        choose = [=](Form2& options) {
            testkit::click(*options.Option1[gameButton]);
            testkit::click(*options.Option2[limitButton]);
        };
        ASSERT_TRUE(testkit::chooseMenu(form1, "Nuevo"));
    }

    // Character c pops up in hole h at the next tick, 0.3 s later.
    void popUp(int c, int hole) {
        static const double draw[] = {0.01, 0.06, 0.12, 0.19, 0.29, 0.4, 0.5, 0.6, 0.7};
        services.setClock(services.now() + 0.3);
        services.queueRandom(0);
        services.queueRandom((hole + 0.5) / 10);
        services.queueRandom(draw[c]);
        services.timer()->fire();
    }
};

} // namespace

TEST_F(Play, ATickDuringTheWinOf325FindsTheTimerStopped) {
    newGame(5, 5); // "325.", 15 seconds
    testkit::click(*form1.Command1);
    for (int i = 0; i < 12; ++i) {
        popUp(0, 5);
        testkit::click(form1.Image3[5]);
    }
    ASSERT_EQ(form1.Label2->caption(), "300");
    popUp(0, 5);
    // The turn's time is up by the moment the window repaints for the win: a
    // tick let in there would end the turn and announce the next player.
    services.setClock(form1.game().state().TurnStart + 15.5);
    int ticksDuringRepaint = 0;
    services.duringProcessEvents = [&] {
        ++ticksDuringRepaint;
        services.timer()->fire();
    };
    testkit::click(form1.Image3[5]);
    services.duringProcessEvents = nullptr;

    EXPECT_GT(ticksDuringRepaint, 0);
    EXPECT_EQ(messages, QStringList{"Final de partida. El ganador ha sido el jugador: 1"});
    EXPECT_EQ(form1.Label5[0].caption(), "325");
    EXPECT_EQ(form1.Timer1->interval(), 0);
    EXPECT_TRUE(form1.Command1->isHidden());
    EXPECT_EQ(form1.game().module1().CurrentPlayer, 1);
}

TEST_F(Play, WithEveryHoleTakenNoCharacterComesUp) {
    newGame(3, 5); // "Guillotina.", 15 seconds
    testkit::click(*form1.Command1);
    // Characters that never go down fill the ten holes.
    form1.game().module1().StayTime = 1000;
    for (int hole = 0; hole < 10; ++hole)
        popUp(hole % 9, hole);
    for (int hole = 0; hole < 10; ++hole)
        ASSERT_NE(form1.Image3[hole].picture(), form1.Image4->picture()) << "hole " << hole;
    const double lastPop = form1.game().state().LastPopTime;
    // The next pop-up finds no hole: it is skipped, drawing nothing.
    services.setClock(services.now() + 0.3);
    services.timer()->fire();
    EXPECT_EQ(form1.game().state().LastPopTime, lastPop);
    EXPECT_EQ(form1.game().state().TimerBusy, false);
    // A hit frees a hole, and the next event uses it.
    testkit::click(form1.Image3[4]);
    // The hole draw asks for hole 0 (taken), then hole 4; the character is 2.
    for (double draw : {0.0, 0.05, 0.45, 0.12})
        services.queueRandom(draw);
    services.setClock(services.now() + 0.3);
    services.timer()->fire();
    EXPECT_EQ(services.queuedLeft(), 0u);
    EXPECT_EQ(form1.Image3[4].picture(), form1.Image2[2].picture());
}

TEST(QtClock, CountsSecondsForwardFromTheStartOfTheRun) {
    QtServices services;
    const double first = services.clock();
    EXPECT_GE(first, 0.0);
    EXPECT_LT(first, 60.0); // not the time of day
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const double second = services.clock();
    EXPECT_GE(second - first, 0.015);
    EXPECT_LT(second - first, 5.0);
}

TEST(QtRandom, DrawsInTheHalfOpenUnitRange) {
    QtServices services;
    services.randomize();
    double low = 1;
    double high = 0;
    for (int i = 0; i < 10000; ++i) {
        const double r = services.random();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        low = std::min(low, r);
        high = std::max(high, r);
    }
    EXPECT_LT(low, 0.01);
    EXPECT_GT(high, 0.99);
}
