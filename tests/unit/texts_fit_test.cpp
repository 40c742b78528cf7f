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
#include "platform/language.h"
#include "platform/scale.h"
#include "support/scripted_services.h"
#include "window/form1.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include <functional>

using namespace trompalo;

namespace {

// 100 %, 150 %, 200 % and two full-screen scales.
constexpr double kScales[] = {1.0, 1.5, 2.0, 1.875, 2.625};

// Every language of the game at every scale.
template <class F> void inEveryLanguageAtEveryScale(F&& f) {
    for (const QString& language : gameLanguages()) {
        setLanguage(language);
        for (const double scale : kScales) {
            SCOPED_TRACE(language.toStdString());
            setWindowScale(scale);
            f();
        }
    }
}

// The pixels of one drawing that differ from another's.
int differ(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

// The pixels a text takes when Qt draws it over a background (scaled by
// scale, as the labels draw theirs), with nothing to cut it.
int ink(const QString& text, const QFont& font, const QColor& colour, const QColor& back,
        QRectF area, int flags, double scale) {
    const QPoint far = ((area.bottomRight() + QPointF(90, 90)) * scale).toPoint();
    QImage blank(far.x(), far.y(), QImage::Format_ARGB32_Premultiplied);
    blank.fill(back);
    QImage drawn = blank;
    QPainter painter(&drawn);
    painter.translate(30, 30);
    painter.scale(scale, scale);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(area, flags | Qt::TextDontClip, text);
    painter.end();
    return differ(drawn, blank);
}

QImage drawn(QWidget& control) {
    QImage image(control.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta); // (a colour no text of the game has)
    control.render(&image);
    return image;
}

// The control draws its text whole: the pixels its text changes (painted in
// its colour, then in none) are as many as the same text takes drawn uncut
// over the same background; and a
// text whose lines have room in the control's own font, as Qt lays them out,
// keeps it.
template <class Control>
void expectWhole(Control& control, const QString& text, const QColor& colour,
                 const std::function<void(const QColor&)>& paintTextIn, QRectF area, int flags,
                 double scale) {
    SCOPED_TRACE(QStringLiteral("%1 \"%2\" at %3")
                     .arg(control.objectName(), text)
                     .arg(windowScale())
                     .toStdString());
    const QImage with = drawn(control);
    paintTextIn(Qt::transparent);
    const QImage without = drawn(control);
    paintTextIn(colour);
    const QFont shown = control.shownFont();
    EXPECT_EQ(differ(with, without),
              ink(text, shown, colour, without.pixelColor(0, 0), area, flags, scale));
    const QRectF needed = QFontMetricsF(control.font()).boundingRect(area, flags, text);
    if (needed.width() <= area.width() && needed.height() <= area.height()) {
        EXPECT_EQ(shown, control.font());
    }
}

void expectWhole(Label& label) {
    expectWhole(
        label, label.caption(), label.foreColor(), [&](const QColor& c) { label.setForeColor(c); },
        label.textArea(), label.textFlags(), windowScale());
    // The text area, in the layout's pixels, drawn at the scale inside the label.
    const QRectF drawn(label.textArea().topLeft() * windowScale(),
                       label.textArea().size() * windowScale());
    // (clear of a framed label's sunken frame: two lines of a layout pixel at
    // the top and left, one at the bottom and right)
    const double t = label.border() ? scaledPixels(1) : 0;
    EXPECT_TRUE(QRectF(label.rect())
                    .adjusted(2 * t - 0.01, 2 * t - 0.01, 0.01 - t, 0.01 - t)
                    .contains(drawn))
        << label.objectName().toStdString() << " at " << windowScale();
}

void expectWhole(CommandButton& button) {
    // (a button draws its text from its caption alone)
    const QString caption = button.caption();
    auto paintTextIn = [&](const QColor& c) { button.setCaption(c.alpha() ? caption : QString()); };
    expectWhole(button, button.text(), button.palette().color(QPalette::ButtonText), paintTextIn,
                button.textArea(), CommandButton::kTextFlags, 1.0);
    // Inside the button's edge, as its style draws it.
    QStyleOptionButton option;
    option.initFrom(&button);
    const QRect contents =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    EXPECT_TRUE(contents.contains(button.textArea()))
        << button.objectName().toStdString() << " at " << windowScale();
}

struct TextsFit : ::testing::Test {
    testkit::ScriptedServices services;
    Form1 form1{services};
    Game& game = form1.game();
    Display& d = game.display();
    void SetUp() override { form1.Form_Load(); }
    void TearDown() override {
        setWindowScale(1.0);
        setLanguage(QStringLiteral("es"));
    }
    void show() { form1.Timer1->fire(); } // (a stopped timer's event only shows the game)
    void expectLabelsWhole(const QWidget& window) {
        for (Label* label : window.findChildren<Label*>())
            expectWhole(*label);
    }
};

} // namespace

TEST_F(TextsFit, TheStartButtonShowsEveryRoundAndEveryTrainingStageWhole) {
    Module1& m = game.module1();
    inEveryLanguageAtEveryScale([&] {
        applyOptions(m, {3, 5, 3, false, 1}); // "Guillotina.", 15 seconds, 4 players
        for (int round : {1, 9, 10, 99, 100, 999}) {
            for (int player = 1; player <= 4; ++player) {
                m.RoundNo = round;
                m.CurrentPlayer = player - 1;
                game.NextTurn();
                show();
                expectWhole(*form1.Command1);
                // The caption fits the button's own font: it keeps it.
                EXPECT_EQ(form1.Command1->shownFont(), form1.Command1->font());
            }
        }
        applyOptions(m, {7, 5, 0, false, 1}); // "Entrenamiento."
        for (int stage = 1; stage <= 12; ++stage) {
            m.RoundNo = stage - 1;
            m.CurrentPlayer = 1;
            game.NextTurn();
            show();
            EXPECT_EQ(form1.Command1->caption().count(u'\r'), 4); // three lines and two empty
            expectWhole(*form1.Command1);
        }
    });
}

TEST_F(TextsFit, TheScoreBoxesAndCountersShowTheirLargestNumbersWhole) {
    inEveryLanguageAtEveryScale([&] {
        for (int total : {0, 325, -15, -9999, 32767, -32768}) {
            d.Score = {total, total, total, total};
            d.Partial = d.Countdown = d.HitsLeft = total;
            show();
            expectLabelsWhole(form1);
        }
        for (int misses = 1; misses <= 10; ++misses) {
            d.MissesShown = misses;
            show();
            expectWhole(*form1.Label7);
        }
        // Every label of the game window, with what it shows at start-up.
        expectLabelsWhole(form1);
    });
}

TEST_F(TextsFit, TheDialogsShowEveryCaptionWhole) {
    Module1 settings;
    inEveryLanguageAtEveryScale([&] {
        // (made in the language in use, as the game makes them)
        Form2 options(&form1, settings);
        Form3 legend(form1, form1.Image2);
        FormQuorvane about(form1, services, form1.iconPicture(),
                           form1.picture(PictureId::MakerLogo));
        about.show();
        expectLabelsWhole(legend);
        expectLabelsWhole(about);
        expectLabelsWhole(options);
        for (CommandButton* button : options.findChildren<CommandButton*>())
            expectWhole(*button);
        // Qt's own option buttons and frames: as wide as their captions need.
        for (const QRadioButton* button : options.findChildren<QRadioButton*>())
            EXPECT_GE(button->width(), button->sizeHint().width())
                << button->text().toStdString() << " at " << windowScale();
        for (const QGroupBox* frame : options.findChildren<QGroupBox*>())
            EXPECT_LT(QFontMetrics(frame->font()).horizontalAdvance(frame->title()), frame->width())
                << frame->title().toStdString() << " at " << windowScale();
    });
}
