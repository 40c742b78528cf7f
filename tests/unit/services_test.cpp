// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own services: its clock, its random numbers, what the shell
// may be asked to open, its sounds and its timer (its message boxes:
// language_test).
#include "platform/qt_services.h"
#include "platform/timer.h"

#include <QCoreApplication>
#include <QUrl>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

using namespace trompalo;

TEST(QtServices, TheClockCountsFromTheStartOfTheRunTheTimerTicksWhileItRunsChanceStaysBelowOne) {
    QtServices services;
    const double first = services.clock();
    EXPECT_TRUE(first >= 0 && first < 60) << first; // not the time of day
    // The game's timer ticks while its interval is not zero (however slow the
    // machine: three ticks within a generous while), and the clock counts the
    // time they take.
    Timer timer(nullptr, "Timer1");
    services.driveTimer(timer);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.setInterval(5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 10000));
    EXPECT_GE(services.clock() - first, 0.01);
    timer.setInterval(0);
    ticks = 0;
    QTest::qWait(30);
    EXPECT_EQ(ticks, 0);
    // Chance spreads over [0, 1).
    services.randomize();
    std::vector<double> draws(10000);
    std::generate(draws.begin(), draws.end(), [&] { return services.random(); });
    const auto [low, high] = std::minmax_element(draws.begin(), draws.end());
    EXPECT_TRUE(*low >= 0 && *low < 0.01 && *high > 0.99 && *high < 1) << *low << " " << *high;
}

TEST(QtServices, TheShellOpensOnlyTheMakersAddressesAndTheProgramsOwnFiles) {
    EXPECT_EQ(shellTarget("mailto:hola@quorvane.example"), "mailto:hola@quorvane.example");
    EXPECT_EQ(shellTarget("http://www.quorvane.example"), "http://www.quorvane.example");
    // The help file beside the program (as in the build folder), by its bare name.
    const QString help = QCoreApplication::applicationDirPath() + "/Instrucciones.htm";
    EXPECT_EQ(shellTarget("Instrucciones.htm"), QUrl::fromLocalFile(help).toString());
    for (const char* refused :
         {"https://www.quorvane.example", "file:///etc/passwd", "javascript:alert(1)",
          "/etc/passwd", "no-such-file.htm", "../assets/Instrucciones.htm", "..", ""})
        EXPECT_EQ(shellTarget(refused), "") << refused;
}

TEST(QtServices, ASoundStopsTheOneStillPlayingAndAMissingFileIsSilent) {
    // (no sound card is needed: a sound plays, silently, all the same)
    QtServices services;
    services.preloadSounds({"golpe6.wav", "zoop.wav"});
    auto playing = [&] { return services.soundsPlaying().join(u' ').toStdString(); };
    services.playSound("golpe6.wav");
    ASSERT_TRUE(QTest::qWaitFor([&] { return playing() == "golpe6.wav"; }));
    services.playSound("zoop.wav");
    EXPECT_TRUE(QTest::qWaitFor([&] { return playing() == "zoop.wav"; })) << playing();
    services.playSound("no-such-sound.wav");
    EXPECT_EQ(playing(), "");
    // (Qt's loader must not be left halfway when the program ends)
    EXPECT_TRUE(QTest::qWaitFor([&] { return services.soundsLoaded(); }));
}
