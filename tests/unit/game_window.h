// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window on scripted services, shown, for tests that play it: the
// options dialog is answered by clicks on the buttons of the game kind, the
// turn limit and the number of players set beforehand; every message box is
// noted and answered OK. And a counter of the events that reach a widget.
#pragma once

#include "dialogs/form2.h"
#include "support/driver.h"
#include "support/scripted_services.h"
#include "window/form1.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace trompalo::testkit {

// Counts the events of each kind that reach the objects it watches.
struct EventCounter : QObject {
    std::map<QEvent::Type, int> seen;
    bool eventFilter(QObject*, QEvent* event) override {
        ++seen[event->type()];
        return false;
    }
};

struct GameWindow : ::testing::Test {
    ScriptedServices services;
    Form1 form1{services};
    int kind = 3, limit = 5, players = 1; // the options' buttons: "Guillotina.", 15 s, 2
    QStringList messages;

    void SetUp() override {
        services.whileModal = [this](QWidget& window) {
            if (auto* options = qobject_cast<Form2*>(&window)) {
                for (QAbstractButton* button :
                     {options->Option1[kind], options->Option2[limit], options->Option4[players]})
                    click(*button);
                click(*options->Command1);
            } else if (auto* box = qobject_cast<QMessageBox*>(&window)) {
                messages << box->text();
                click(*box->button(QMessageBox::Ok));
            }
            window.hide();
        };
        form1.Form_Load();
        form1.show();
        QCoreApplication::processEvents();
    }
    // The hero's poses shown, as "Mira1" or "Pega7".
    std::string hero() {
        QStringList shown;
        for (ControlArray<Image>* poses : {&form1.Mira, &form1.Prepara, &form1.Pega})
            poses->forEach([&](const Image& pose) {
                if (!pose.isHidden())
                    shown << pose.objectName() + pose.property("index").toString();
            });
        return shown.join(u' ').toStdString();
    }
    // "Juego -> Nuevo" with these buttons of the options dialog.
    void newGame(int gameButton, int limitButton, int playersButton) {
        std::tie(kind, limit, players) = std::tie(gameButton, limitButton, playersButton);
        chooseMenu(form1, "Nuevo");
    }
};

} // namespace trompalo::testkit
