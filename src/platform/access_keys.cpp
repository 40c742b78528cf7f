// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/access_keys.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>

#include <functional>

namespace trompalo {

namespace {

// One text that takes a key: how to read it and how to write it back.
struct Keyed {
    QString text;
    std::function<void(const QString&)> write;
};

// The text with a key that none taken has: the first free letter that starts a
// word, else any free letter, else a free digit; the text as it is when none.
QString keyed(const QString& text, QString& taken) {
    const QString plain = withoutAccessKey(text);
    auto free = [&](qsizetype i) {
        const QChar c = plain[i].toLower();
        return c.isLetterOrNumber() && !taken.contains(c);
    };
    qsizetype at = -1;
    for (int pass = 0; pass < 3 && at < 0; ++pass)
        for (qsizetype i = 0; i < plain.size() && at < 0; ++i) {
            const bool startsWord = i == 0 || !plain[i - 1].isLetterOrNumber();
            if (free(i) && (pass == 0   ? plain[i].isLetter() && startsWord
                            : pass == 1 ? plain[i].isLetter()
                                        : true))
                at = i;
        }
    QString escaped = plain;
    escaped.replace(u'&', QLatin1String("&&"));
    if (at < 0)
        return escaped;
    taken += plain[at].toLower();
    // (the ampersands before the key each take one more place)
    return escaped.insert(at + plain.left(at).count(u'&'), u'&');
}

void give(std::vector<Keyed> texts) {
    QString taken;
    for (Keyed& one : texts)
        one.write(keyed(one.text, taken));
}

void giveMenu(QMenu& menu) {
    std::vector<Keyed> items;
    for (QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        items.push_back({action->text(), [action](const QString& t) { action->setText(t); }});
        if (QMenu* sub = action->menu())
            giveMenu(*sub);
    }
    give(std::move(items));
}

} // namespace

QString withoutAccessKey(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i; // "&x" is x, "&&" is &
        plain += text[i];
    }
    return plain;
}

void giveAccessKeys(QMenuBar& bar) {
    std::vector<Keyed> titles;
    for (QAction* action : bar.actions()) {
        titles.push_back({action->text(), [action](const QString& t) { action->setText(t); }});
        if (QMenu* menu = action->menu())
            giveMenu(*menu);
    }
    give(std::move(titles));
}

void giveAccessKeys(QWidget& dialog) {
    std::vector<Keyed> controls;
    // In the focus order: the first controls a player meets take the first letters.
    for (QWidget* w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain()) {
        if (!dialog.isAncestorOf(w))
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            controls.push_back(
                {button->text(), [button](const QString& t) { button->setText(t); }});
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            controls.push_back({box->title(), [box](const QString& t) { box->setTitle(t); }});
    }
    give(std::move(controls));
}

} // namespace trompalo
