// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game in English: the system's language on a first start, a short game
// read in English, and the language menu that switches at once and is kept.
#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "platform/access_keys.h"
#include "platform/language.h"
#include "platform/menu_item.h"
#include "support/draws.h"
#include "support/driver.h"
#include "support/scripted_services.h"
#include "window/form1.h"
#include "window/game_texts.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace trompalo;

namespace {

std::string text(const QString& s) {
    return s.toStdString();
}

// The titles of the window's menus, as "Juego Ayuda".
std::string menuTitles(Form1& window) {
    QStringList titles;
    for (const QAction* menu : window.menuBar()->actions())
        titles << withoutAccessKey(menu->text());
    return text(titles.join(u' '));
}

struct English : ::testing::Test {
    testkit::ScriptedServices services;
    std::unique_ptr<Form1> form1;
    QStringList seen; // what the modal windows showed, in order

    void SetUp() override {
        services.kept[Setting::Language] = QStringLiteral("en");
        services.whileModal = [this](QWidget& window) {
            if (auto* options = qobject_cast<Form2*>(&window)) {
                seen << options->windowTitle() << withoutAccessKey(options->Option1[5]->text())
                     << options->Command1->caption();
                testkit::click(*options->Option1[5]); // "325."
                testkit::click(*options->Command1);
            } else if (auto* box = qobject_cast<QMessageBox*>(&window)) {
                seen << box->text() << withoutAccessKey(box->button(QMessageBox::Ok)->text());
                testkit::click(*box->button(QMessageBox::Ok));
            } else if (auto* legend = qobject_cast<Form3*>(&window)) {
                seen << legend->windowTitle() << legend->Label1[1].caption()
                     << legend->Label1[4].caption();
            }
            window.hide();
        };
        form1 = std::make_unique<Form1>(services);
        form1->Form_Load();
        form1->show();
    }
    void TearDown() override {
        form1.reset();
        setLanguage(QStringLiteral("es"));
    }
};

} // namespace

TEST(Languages, TheFirstOfTheSystemsLanguagesThatTheGameSpeaksElseSpanish) {
    EXPECT_EQ(text(gameLanguages().join(u' ')), "es en");
    const std::pair<QStringList, const char*> rows[] = {
        {{"en-US", "es-ES"}, "en"},
        {{"es-ES", "en-US"}, "es"},
        {{"de-DE", "en_GB"}, "en"},
        {{"de", "fr"}, "es"},
        {{"C"}, "es"},
        {{}, "es"},
        {{"EN"}, "en"},
    };
    for (const auto& [wanted, chosen] : rows)
        EXPECT_EQ(text(chooseLanguage(wanted)), chosen) << text(wanted.join(u','));
    // A regional translation where the game has one, else the language's.
    const QStringList regional{"es", "pt", "pt_BR"};
    EXPECT_EQ(text(chooseLanguage({"pt-BR"}, regional)), "pt_BR");
    EXPECT_EQ(text(chooseLanguage({"pt_PT", "pt-BR"}, regional)), "pt");
    EXPECT_EQ(text(languageName("es")), "Español");
    EXPECT_EQ(text(languageName("en")), "English");
}

TEST(Languages, AFirstStartFollowsTheSystemsLanguageUntilThePlayerChooses) {
    // (a language kept that the game no longer speaks is no choice)
    const std::tuple<QStringList, const char*, const char*> rows[] = {
        {{"de-DE", "en-GB"}, "", "Game Help"},
        {{"fr-FR"}, "", "Juego Ayuda"},
        {{"en-US"}, "pt", "Game Help"},
    };
    for (const auto& [system, kept, menus] : rows) {
        testkit::ScriptedServices services;
        services.kept[Setting::Language] = kept;
        services.systemLanguageList = system;
        Form1 form1(services);
        EXPECT_EQ(menuTitles(form1), menus);
        EXPECT_EQ(services.kept[Setting::Language], kept);
    }
    setLanguage(QStringLiteral("es"));
}

TEST(Languages, TheMessageBoxesReadWhoWonOrTiedAndHowTheTrainingWent) {
    const std::pair<Notice, const char*> rows[] = {
        {{Notice::Winner, {3}}, "Final de partida. El ganador ha sido el jugador: 3"},
        {{Notice::Tie, {1, 2, 4}}, "Final de partida. Han empatado los jugadores: 1,2,4."},
        {{Notice::Tie, {2, 3}}, "Final de partida. Han empatado los jugadores: 2,3."},
        {{Notice::TrainingCompleted, {}}, "Has completado con éxito el entrenamiento!!."},
        {{Notice::StageLost, {}}, "Nivel no superado. Quieres probar de nuevo?"},
    };
    for (const auto& [notice, said] : rows)
        EXPECT_EQ(text(GameTexts::notice(notice)), said);
    setLanguage(QStringLiteral("en"));
    EXPECT_EQ(text(GameTexts::notice({Notice::Tie, {1, 3}})),
              "Game over. A tie between players: 1,3.");
    setLanguage(QStringLiteral("es"));
}

TEST_F(English, AShortGameReadsInEnglish) {
    EXPECT_EQ(menuTitles(*form1), "Game Help");
    EXPECT_EQ(text(form1->Label6[0].caption()), "P1:");
    testkit::chooseMenu(*form1, "MnuNew");
    EXPECT_EQ(text(form1->Command1->caption()), "Round: 1\r\rPlayer 1");
    // Player 1 reaches 325 with the caped hero's 25.
    testkit::click(*form1->Command1);
    form1->game().display().Score[0] = 300;
    services.popUp(0, 4);
    testkit::click(form1->Image3[4]);
    testkit::chooseMenu(*form1, "MnuPuntos");
    testkit::chooseMenu(*form1, "MnuHow");
    EXPECT_EQ(text(seen.join(u'|')),
              "Options|325.|Start|Game over. The winner is player: 1|OK|Points|25 Points.|"
              "-15 Points and a round of slaps.");
    ASSERT_EQ(services.shellTargets.size(), 1);
    EXPECT_EQ(text(services.shellTargets.front()), "Instrucciones_en.htm");
}

TEST_F(English, TheLanguageMenuSwitchesEveryWindowAtOnceAndKeepsTheChoice) {
    testkit::chooseMenu(*form1, "MnuNew");
    Form2* options = form1->findChild<Form2*>();
    ASSERT_NE(options, nullptr);
    auto* spanish = form1->findChild<MenuItem*>("MnuIdioma_es");
    auto* english = form1->findChild<MenuItem*>("MnuIdioma_en");
    ASSERT_TRUE(spanish && english);
    EXPECT_TRUE(english->checked() && !spanish->checked());
    EXPECT_EQ(text(spanish->caption() + u' ' + english->caption()), "Español English");
    testkit::chooseMenu(*form1, "MnuIdioma_es");
    // The window, its menus, the start button and the hidden options dialog.
    EXPECT_EQ(menuTitles(*form1), "Juego Ayuda");
    EXPECT_EQ(text(withoutAccessKey(form1->findChild<QMenu*>("MnuIdioma")->title())), "Idioma");
    EXPECT_EQ(text(form1->Label6[8].caption()), "Parcial:");
    EXPECT_EQ(text(form1->Command1->caption()), "Ronda: 1\r\rJugador 1");
    EXPECT_EQ(
        text(withoutAccessKey(options->Option2[3]->text()) + u'|' + options->Command2->caption()),
        " 7 seg.|Cancelar");
    EXPECT_TRUE(spanish->checked() && !english->checked());
    EXPECT_EQ(services.kept[Setting::Language], "es");
    testkit::chooseMenu(*form1, "MnuHow");
    EXPECT_EQ(text(services.shellTargets.back()), "Instrucciones.htm");
    testkit::chooseMenu(*form1, "MnuIdioma_en");
    EXPECT_EQ(text(form1->MnuNew->caption() + u'|' + withoutAccessKey(options->Option2[3]->text())),
              "New| 7 sec.");
    EXPECT_EQ(services.kept[Setting::Language], "en");
    // In each language every menu, menu item and control of the options has an
    // access key of its own among its neighbours.
    auto keys = [](const QStringList& texts) {
        QString taken;
        for (const QString& t : texts) {
            const qsizetype at = t.indexOf(QRegularExpression("&[^&]"));
            if (at < 0 || taken.contains(t[at + 1].toLower()))
                return text(t);
            taken += t[at + 1].toLower();
        }
        return std::string("each its own");
    };
    for (const char* language : {"MnuIdioma_es", "MnuIdioma_en"}) {
        testkit::chooseMenu(*form1, language);
        QStringList bar;
        for (QAction* menu : form1->menuBar()->actions()) {
            bar << menu->text();
            QStringList items;
            for (QAction* item : menu->menu()->actions())
                if (!item->isSeparator())
                    items << item->text();
            EXPECT_EQ(keys(items), "each its own") << language;
        }
        EXPECT_EQ(keys(bar), "each its own");
        QStringList controls;
        for (const QAbstractButton* b : options->findChildren<QAbstractButton*>())
            controls << b->text();
        for (const QGroupBox* box : options->findChildren<QGroupBox*>())
            controls << box->title();
        EXPECT_EQ(keys(controls), "each its own") << language;
    }
}
