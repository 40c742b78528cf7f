// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// Every text the game can put on a control is drawn whole in it, at every
// size and in every language: all that the same text draws with nothing to
// cut it, the control draws. A text whose lines have room in the control's
// own font keeps it.
#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "dialogs/form_quorvane.h"
#include "game/options.h"
#include "game_window.h"
#include "platform/language.h"
#include "platform/scale.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include <functional>
#include <numeric>

using namespace trompalo;

// The pixels of one drawing that differ from another's of the same size and format.
static int differ(const QImage& a, const QImage& b) {
    const auto* p = reinterpret_cast<const QRgb*>(a.constBits());
    const auto* q = reinterpret_cast<const QRgb*>(b.constBits());
    return std::inner_product(p, p + a.width() * a.height(), q, 0, std::plus<>(),
                              std::not_equal_to<>());
}

static QImage drawn(QWidget& control) {
    QImage image(control.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta); // (a colour no text of the game has)
    control.render(&image);
    return image;
}

// The control draws its text whole: the pixels its text changes (painted in
// its colour, then in none) are as many as the same text takes when Qt draws
// it uncut over the same background (scaled by scale, as the labels draw
// theirs); a text whose lines have room in the control's own font, as Qt lays
// them out, keeps it; and its area, drawn at the scale, lies inside the room
// the control has for text.
template <class Control>
static void expectWhole(Control& control, const QString& text, const QColor& colour,
                        const std::function<void(const QColor&)>& paintTextIn, QRectF area,
                        int flags, double scale, const QRectF& room) {
    // (the language and the scale: the test's own trace)
    SCOPED_TRACE((control.objectName() + " \"" + text + '"').toStdString());
    const QImage with = drawn(control);
    paintTextIn(Qt::transparent);
    const QImage without = drawn(control);
    paintTextIn(colour);
    const QPoint far = ((area.bottomRight() + QPointF(90, 90)) * scale).toPoint();
    QImage blank(far.x(), far.y(), QImage::Format_ARGB32_Premultiplied);
    blank.fill(without.pixelColor(0, 0));
    QImage uncut = blank;
    QPainter painter(&uncut);
    painter.setTransform(QTransform::fromTranslate(30, 30).scale(scale, scale));
    painter.setFont(control.shownFont());
    painter.setPen(colour);
    painter.drawText(area, flags | Qt::TextDontClip, text);
    painter.end();
    EXPECT_EQ(differ(with, without), differ(uncut, blank));
    const QRectF needed = QFontMetricsF(control.font()).boundingRect(area, flags, text);
    EXPECT_TRUE(needed.width() > area.width() || needed.height() > area.height() ||
                control.shownFont() == control.font());
    EXPECT_TRUE(room.contains(QRectF(area.topLeft() * scale, area.size() * scale)));
}

static void expectWhole(Label& label) {
    // (clear of a framed label's sunken frame: two lines of a layout pixel at
    // the top and left, one at the bottom and right)
    const double t = label.border() ? scaledPixels(1) : 0;
    expectWhole(
        label, label.caption(), label.foreColor(), [&](const QColor& c) { label.setForeColor(c); },
        label.textArea(), label.textFlags(), windowScale(),
        QRectF(label.rect()).adjusted(2 * t - 0.01, 2 * t - 0.01, 0.01 - t, 0.01 - t));
}

static void expectWhole(CommandButton& button) {
    // (a button draws its text from its caption alone, inside its edge as its
    // style draws it)
    const QString caption = button.caption();
    QStyleOptionButton option;
    option.initFrom(&button);
    expectWhole(
        button, button.text(), button.palette().color(QPalette::ButtonText),
        [&](const QColor& c) { button.setCaption(c.alpha() ? caption : QString()); },
        button.textArea(), CommandButton::kTextFlags, 1.0,
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button));
}

// Every label and button of a window.
static void expectAllWhole(const QWidget& window) {
    for (Label* label : window.findChildren<Label*>())
        expectWhole(*label);
    for (CommandButton* button : window.findChildren<CommandButton*>())
        expectWhole(*button);
}

using TextsFit = testkit::GameWindow;

TEST_F(TextsFit, EveryRoundTrainingStageNumberAndDialogCaptionIsDrawnWhole) {
    Module1& m = form1.game().module1();
    Display& d = form1.game().display();
    // Every language of the game at 100 %, 150 %, 200 % and two full-screen scales.
    for (const QString& language : gameLanguages()) {
        setLanguage(language);
        for (const double scale : {1.0, 1.5, 2.0, 1.875, 2.625}) {
            SCOPED_TRACE(language.toStdString() + " at " + std::to_string(scale));
            setWindowScale(scale);
            // Every label and the start button of the game window, with what
            // they show (at start-up, the first time); then every round and
            // training stage on the button, the largest numbers in the boxes
            // and counters. (A stopped timer's event only shows the game.)
            expectAllWhole(form1);
            auto turn = [&](int round, int player) {
                m.RoundNo = round;
                m.CurrentPlayer = player;
                form1.game().NextTurn();
                form1.Timer1->fire();
                expectWhole(*form1.Command1);
            };
            applyOptions(m, {3, 5, 3, false, 1}); // "Guillotina.", 15 seconds, 4 players
            for (int round : {1, 9, 10, 99, 100, 999})
                for (int player = 0; player < 4; ++player)
                    turn(round, player);
            applyOptions(m, {7, 5, 0, false, 1}); // "Entrenamiento."
            for (int stage = 0; stage < 12; ++stage)
                turn(stage, 1);
            const int totals[] = {0, 325, -15, -9999, 32767, -32768};
            for (int misses = 1; misses <= 10; ++misses) { // (each plural form of the line)
                const int total = totals[misses % 6];
                d.Score = {total, total, total, total};
                d.Partial = d.Countdown = d.HitsLeft = total;
                d.MissesShown = misses;
                form1.Timer1->fire();
                expectAllWhole(form1);
            }
            // The dialogs, made in the language in use, as the game makes them.
            Form2 options(&form1, m);
            Form3 legend(form1, form1.Image2);
            FormQuorvane about(form1, services, form1.iconPicture(),
                               form1.picture(PictureId::MakerLogo));
            about.show();
            for (const QWidget* window : std::initializer_list<QWidget*>{&legend, &about, &options})
                expectAllWhole(*window);
            // Qt's own option buttons and frames: as wide as their captions need.
            for (const QRadioButton* b : options.findChildren<QRadioButton*>())
                EXPECT_GE(b->width(), b->sizeHint().width()) << b->text().toStdString();
            for (const QGroupBox* f : options.findChildren<QGroupBox*>())
                EXPECT_LT(QFontMetrics(f->font()).horizontalAdvance(f->title()), f->width())
                    << f->title().toStdString();
        }
    }
    setWindowScale(1.0);
    setLanguage(QStringLiteral("es"));
}
