// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// Every text the game can put on a control is drawn whole in it, at every
// size: measured in the font the control shows it in, it lies inside the
// control's text area. A text that fits keeps the control's own font; one that
// does not takes the largest smaller size that holds all its lines.
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
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

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

bool holds(const QRectF& area, const QFont& font, int flags, const QString& text) {
    const QRectF needed = QFontMetricsF(font).boundingRect(area, flags, text);
    return needed.width() <= area.width() + 0.01 && needed.height() <= area.height() + 0.01;
}

// The control shows its text whole; in its own font when that holds it, else
// in the largest size that does.
template <class Control>
void expectWhole(const Control& control, const QFont& own, const QString& text, int flags) {
    SCOPED_TRACE(QStringLiteral("%1 \"%2\" at %3")
                     .arg(control.objectName(), text)
                     .arg(windowScale())
                     .toStdString());
    const QFont& shown = control.shownFont();
    EXPECT_TRUE(holds(control.textArea(), shown, flags, text));
    if (holds(control.textArea(), own, flags, text)) {
        EXPECT_EQ(shown, own);
    } else {
        QFont larger = shown;
        larger.setPixelSize(QFontInfo(shown).pixelSize() + 1);
        EXPECT_FALSE(holds(control.textArea(), larger, flags, text));
    }
}

void expectWhole(const Label& label) {
    expectWhole(label, label.font(), label.caption(), label.textFlags());
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

void expectWhole(const CommandButton& button) {
    expectWhole(button, button.font(), button.text(), CommandButton::kTextFlags);
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
        for (const Label* label : window.findChildren<Label*>())
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
        for (const CommandButton* button : options.findChildren<CommandButton*>())
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
