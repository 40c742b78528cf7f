// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The options dialog: game kind, players, turn limit, winner rule and level.
// One instance serves the whole run; its buttons hide it, so every opening
// shows the last choices. "Adelante" writes the settings record.
#pragma once

#include "platform/command_button.h"
#include "platform/label.h"
#include "platform/shape.h"

#include <QDialog>
#include <QGroupBox>
#include <QRadioButton>

#include <map>

namespace trompalo {

struct Module1;

class Form2 : public QDialog {
    Q_OBJECT
public:
    Form2(QWidget* owner, Module1& settings);

    // "Nuevo" after "Adelante", "Cancel" after "Cancelar"; kept between openings.
    const QString& resultText() const { return result_; }

    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QGroupBox* Frame3;
    QGroupBox* Frame4;
    QGroupBox* Frame5;
    std::map<int, QRadioButton*> Option1; // game kinds, elements 3 to 7
    std::map<int, QRadioButton*> Option2; // turn limits 0 to 5
    std::map<int, QRadioButton*> Option3; // winner rules 0 and 1
    std::map<int, QRadioButton*> Option4; // players 0 to 3
    std::map<int, QRadioButton*> Option5; // levels 0 to 2
    std::map<int, Label*> Label1;
    Line* Line1;
    CommandButton* Command1; // "Adelante"
    CommandButton* Command2; // "Cancelar"

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Every caption, in the player's language.
    void retranslate();
    void Option1_Click(int index);
    void Command1_Click();
    void Command2_Click();

    Module1& settings_;
    QString result_;
};

} // namespace trompalo
