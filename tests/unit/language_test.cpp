// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game in English: the system's language on a first start, the message
// boxes, and the language menu that switches every window at once, is kept,
// and gives a short game read in English.
#include "dialogs/form3.h"
#include "game_window.h"
#include "platform/access_keys.h"
#include "platform/language.h"
#include "platform/menu_item.h"
#include "platform/message_box.h"
#include "window/game_texts.h"

#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

using namespace trompalo;

const auto text = [](const QString& s) { return s.toStdString(); };

// The first of these texts without an access key of its own among them.
static std::string sharedAccessKey(const QStringList& texts) {
    QString taken;
    for (const QString& t : texts) {
        const qsizetype at = t.indexOf(QRegularExpression("&[^&]"));
        if (at < 0 || taken.contains(t[at + 1].toLower()))
            return text(t);
        taken += t[at + 1].toLower();
    }
    return "";
}

struct English : testkit::GameWindow {};

TEST(Languages, AFirstStartTakesTheFirstOfTheSystemsLanguagesThatTheGameSpeaksElseSpanish) {
    EXPECT_EQ(text(gameLanguages().join(u' ')), "es en");
    // The system's languages, first the most wanted.
    const std::pair<const char*, const char*> rows[] = {
        {"en-US es-ES", "en"}, {"es-ES en-US", "es"}, {"de-DE en_GB", "en"},
        {"de fr", "es"},       {"C", "es"},           {"", "es"},
        {"EN", "en"}};
    for (const auto& [wanted, chosen] : rows)
        EXPECT_EQ(text(chooseLanguage(QString(wanted).split(u' ', Qt::SkipEmptyParts))), chosen)
            << wanted;
    // A regional translation where the game has one, else the language's.
    const QStringList regional{"es", "pt", "pt_BR"};
    EXPECT_EQ(text(chooseLanguage({"pt-BR"}, regional)), "pt_BR");
    EXPECT_EQ(text(chooseLanguage({"pt_PT", "pt-BR"}, regional)), "pt");
    // The window follows it until the player chooses (a language kept that
    // the game no longer speaks is no choice).
    const std::tuple<const char*, const char*, const char*> starts[] = {{"de-DE en-GB", "", "New"},
                                                                        {"fr-FR", "", "Nuevo"},
                                                                        {"fr-FR", "en", "New"},
                                                                        {"en-US", "pt", "New"}};
    for (const auto& [system, kept, item] : starts) {
        testkit::ScriptedServices services;
        services.kept[Setting::Language] = kept;
        services.systemLanguageList = QString(system).split(u' ');
        Form1 form1(services);
        EXPECT_EQ(text(form1.MnuNew->caption()), item);
        EXPECT_EQ(services.kept[Setting::Language], kept);
    }
    setLanguage(QStringLiteral("es"));
}

TEST(Languages, TheMessageBoxesReadWhoTiedAndATrainingCompletedInTheGamesLanguage) {
    // (the winner and a stage lost: the stories of the scenarios, and the game
    // in English below)
    const std::tuple<const char*, Notice, const char*> rows[] = {
        {"es", {Notice::Tie, {1, 2, 4}}, "Final de partida. Han empatado los jugadores: 1,2,4."},
        {"es", {Notice::TrainingCompleted, {}}, "Has completado con éxito el entrenamiento!!."},
        {"en", {Notice::Tie, {1, 3}}, "Game over. A tie between players: 1,3."},
    };
    for (const auto& [language, notice, said] : rows) {
        setLanguage(language);
        EXPECT_EQ(text(GameTexts::notice(notice)), said);
    }
    // Their buttons speak the game's language too, each with its access key.
    for (const auto& [language, buttons] : {std::pair{"es", "&Aceptar|&Cancelar Trompalo"},
                                            std::pair{"en", "&OK|&Cancel Trompalo"}}) {
        setLanguage(language);
        const auto box = makeMessageBox(nullptr, "?", MsgButtons::OkCancel, MsgIcon::Question);
        EXPECT_EQ(text(box->button(QMessageBox::Ok)->text() + u'|' +
                       box->button(QMessageBox::Cancel)->text() + u' ' + box->windowTitle()),
                  buttons);
    }
    setLanguage(QStringLiteral("es"));
}

TEST_F(English, TheLanguageMenuSwitchesEveryWindowAtOnceKeepsTheChoiceAndAGameReadsInIt) {
    auto* spanish = form1.findChild<MenuItem*>("MnuIdioma_es");
    auto* english = form1.findChild<MenuItem*>("MnuIdioma_en");
    ASSERT_TRUE(spanish && english);
    EXPECT_EQ(text(spanish->caption() + u' ' + english->caption()), "Español English");
    newGame(5, 5, 1); // "325.", 15 seconds, 2 players
    Form2* options = form1.findChild<Form2*>();
    ASSERT_NE(options, nullptr);
    testkit::chooseMenu(form1, "MnuIdioma_en");
    // The window, its menus (their titles: below), the start button and the
    // hidden options dialog.
    EXPECT_EQ(text(withoutAccessKey(form1.findChild<QMenu*>("MnuIdioma")->title())), "Language");
    EXPECT_EQ(text(form1.Label6[0].caption() + u'|' + form1.Label6[8].caption()), "P1:|Turn:");
    EXPECT_EQ(text(form1.Command1->caption()), "Round: 1\r\rPlayer 1");
    EXPECT_EQ(text(options->windowTitle() + u'|' + withoutAccessKey(options->Option1[5]->text()) +
                   u'|' + withoutAccessKey(options->Option2[3]->text()) + u'|' +
                   options->Command1->caption() + u'|' + options->Command2->caption()),
              "Options|325.| 7 sec.|Start|Cancel");
    EXPECT_TRUE(english->checked() && !spanish->checked());
    EXPECT_EQ(services.kept[Setting::Language], "en");
    // Player 1 reaches 325 with the caped hero's 25; the legend (as its menu
    // item makes it) and the help are in English.
    testkit::click(*form1.Command1);
    form1.game().display().Score[0] = 300;
    services.popUp(0, 4);
    testkit::click(form1.Image3[4]);
    EXPECT_EQ(text(messages.join(u'|')), "Game over. The winner is player: 1");
    Form3 legend(form1, form1.Image2);
    EXPECT_EQ(text(legend.windowTitle() + u'|' + legend.Label1[1].caption() + u'|' +
                   legend.Label1[4].caption()),
              "Points|25 Points.|-15 Points and a round of slaps.");
    testkit::chooseMenu(form1, "MnuHow");
    testkit::chooseMenu(form1, "MnuIdioma_es");
    EXPECT_EQ(text(form1.MnuNew->caption() + u'|' + withoutAccessKey(options->Option2[3]->text()) +
                   u'|' + options->Command2->caption()),
              "Nuevo| 7 seg.|Cancelar");
    testkit::chooseMenu(form1, "MnuHow");
    EXPECT_EQ(text(services.shellTargets.join(u' ')), "Instrucciones_en.htm Instrucciones.htm");
    // In each language the menus' titles, and every menu, menu item and control
    // of the options has an access key of its own among its neighbours.
    for (const auto& [language, titles] :
         {std::pair{"MnuIdioma_en", "&Game &Help"}, {"MnuIdioma_es", "&Juego &Ayuda"}}) {
        testkit::chooseMenu(form1, language);
        QStringList bar, controls;
        for (QAction* menu : form1.menuBar()->actions()) {
            bar << menu->text();
            QStringList items;
            for (QAction* item : menu->menu()->actions())
                if (!item->isSeparator())
                    items << item->text();
            EXPECT_EQ(sharedAccessKey(items), "") << language;
        }
        for (const QAbstractButton* b : options->findChildren<QAbstractButton*>())
            controls << b->text();
        for (const QGroupBox* box : options->findChildren<QGroupBox*>())
            controls << box->title();
        EXPECT_EQ(text(bar.join(u' ')), titles);
        EXPECT_EQ(sharedAccessKey(bar) + sharedAccessKey(controls), "") << language;
    }
}
