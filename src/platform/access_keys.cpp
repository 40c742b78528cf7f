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

// The places in a text that may be its key, the most wanted first: the
// letters that start a word, the other letters, the digits.
std::vector<qsizetype> candidates(const QString& plain) {
    std::vector<qsizetype> places;
    for (int pass = 0; pass < 3; ++pass)
        for (qsizetype i = 0; i < plain.size(); ++i) {
            const bool startsWord = i == 0 || !plain[i - 1].isLetterOrNumber();
            if (plain[i].isLetter() ? pass < 2 && (pass == 0) == startsWord
                                    : plain[i].isDigit() && pass == 2)
                places.push_back(i);
        }
    return places;
}

// Every text a key of its own wherever the keys can go round: each text in
// turn takes its most wanted free key, or one that an earlier text can give up
// for another of its own (a largest matching of texts and keys).
void give(std::vector<Keyed> texts) {
    const std::size_t n = texts.size();
    std::vector<QString> plain;
    for (const Keyed& one : texts)
        plain.push_back(withoutAccessKey(one.text));
    std::vector<qsizetype> at(n, -1); // where each text's key is
    auto key = [&](std::size_t t, qsizetype i) { return plain[t][i].toLower(); };
    std::vector<bool> tried;
    std::function<bool(std::size_t)> take = [&](std::size_t t) {
        for (qsizetype i : candidates(plain[t])) {
            std::size_t holder = n; // the text that has this key now
            for (std::size_t o = 0; o < n; ++o)
                if (o != t && at[o] >= 0 && key(o, at[o]) == key(t, i))
                    holder = o;
            if (holder < n && tried[holder])
                continue;
            const qsizetype had = at[t];
            at[t] = i; // (the holder looks for another key meanwhile)
            if (holder == n || (tried[holder] = true, take(holder)))
                return true;
            at[t] = had;
        }
        return false;
    };
    for (std::size_t t = 0; t < n; ++t) {
        tried.assign(n, false);
        tried[t] = true;
        take(t);
    }
    for (std::size_t t = 0; t < n; ++t) {
        QString escaped = plain[t];
        escaped.replace(u'&', QLatin1String("&&"));
        // (the ampersands before the key each take one more place)
        if (at[t] >= 0)
            escaped.insert(at[t] + plain[t].left(at[t]).count(u'&'), u'&');
        texts[t].write(escaped);
    }
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
