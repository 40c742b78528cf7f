// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/menu_item.h"

#include "platform/access_keys.h"

#include <QAction>
#include <QMenu>

namespace trompalo {

MenuItem::MenuItem(QMenu& menu, const QString& name)
    : QObject(&menu), action_(menu.addAction(QString())) {
    setObjectName(name);
    action_->setObjectName(name);
    // Qt flips the tick of a checkable action on every trigger, so the item puts
    // back its own state before the handler runs.
    connect(action_, &QAction::triggered, this, [this] {
        setChecked(checked_);
        if (onClick)
            onClick();
    });
}

QString MenuItem::caption() const {
    return withoutAccessKey(action_->text());
}

void MenuItem::setCaption(const QString& caption) {
    action_->setText(caption);
}

void MenuItem::setChecked(bool checked) {
    checked_ = checked;
    // Only a ticked item is checkable, so an item without tick shows no empty box.
    action_->setCheckable(checked);
    action_->setChecked(checked);
}

} // namespace trompalo
