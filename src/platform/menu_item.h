// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// A menu command whose tick is state the game reads and writes itself: a click
// runs the command's handler and nothing else (the handler decides the tick).
#pragma once

#include <QObject>

#include <functional>

class QAction;
class QMenu;

namespace trompalo {

class MenuItem : public QObject {
    Q_OBJECT
public:
    // The caption comes later (setCaption), in the player's language.
    MenuItem(QMenu& menu, const QString& name);

    QString caption() const;
    void setCaption(const QString& caption);
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    QAction& action() const { return *action_; }

    std::function<void()> onClick;

private:
    QAction* action_;
    bool checked_ = false;
};

} // namespace trompalo
