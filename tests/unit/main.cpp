// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The unit tests run with a Qt application, offscreen.
#include "platform/application.h"
#include "support/quiet_qt.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    trompalo::testkit::headlessAndQuiet();
    QApplication app(argc, argv);
    trompalo::setUpApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
