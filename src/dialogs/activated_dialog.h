// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// A window of the game that fills in its controls each time it is activated
// (Form_Activate), and also when it is shown, since it may be shown without a
// window manager to activate it.
#pragma once

#include <QDialog>

namespace trompalo {

class ActivatedDialog : public QDialog {
    Q_OBJECT
public:
    explicit ActivatedDialog(QWidget& owner) : QDialog(&owner) {}

protected:
    virtual void Form_Activate() = 0;

    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

} // namespace trompalo
