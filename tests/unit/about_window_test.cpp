// The About window's surface: what the scenario language cannot point at (the
// bare window between its labels).
#include "dialogs/form_quorvane.h"
#include "support/driver.h"
#include "support/scripted_services.h"
#include "window/form1.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace trompalo;

TEST(AboutWindow, LeavingTheLinksOntoTheWindowClearsTheUnderlineAndAClickThereCloses) {
    testkit::ScriptedServices services;
    Form1 form1(services);
    form1.Form_Load();
    form1.show();
    FormQuorvane about(form1);
    about.show();
    QCoreApplication::processEvents();

    testkit::moveTo(*about.lblURL);
    ASSERT_TRUE(about.lblURL->underline());
    // A bare spot of the window, inside the white outline (which lets the mouse through).
    testkit::mouseMove(*about.surface, QPoint(4, 4));
    EXPECT_FALSE(about.lblURL->underline());
    EXPECT_FALSE(about.lblMail->underline());
    EXPECT_EQ(about.lblURL->cursor().shape(), Qt::PointingHandCursor);

    testkit::mousePress(*about.surface, QPoint(4, 4));
    EXPECT_FALSE(about.isHidden());
    testkit::mouseRelease(*about.surface, QPoint(4, 4));
    EXPECT_TRUE(about.isHidden());
    EXPECT_TRUE(services.shellTargets.isEmpty());
}

TEST(AboutWindow, TakesTheGameWindowsTitleAndIconWhenShown) {
    testkit::ScriptedServices services;
    Form1 form1(services);
    form1.setWindowTitle("Otro juego");
    FormQuorvane about(form1);
    EXPECT_EQ(about.lblTitulo->caption(), "Plintovaro 1.0");
    EXPECT_FALSE(about.imgIcono->picture());
    about.show();
    EXPECT_EQ(about.lblTitulo->caption(), "Otro juego");
    EXPECT_EQ(about.imgIcono->picture(), form1.iconPicture());
    EXPECT_EQ(about.imgLogo->picture()->pixels(), QSize(230, 229));
}
