// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window as it opens (its size, its hero, what lies in front of what)
// and the About window's bare surface.
#include "dialogs/form_quorvane.h"
#include "game_window.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace trompalo;

// The sibling index of a control in its window's stacking order (higher is in front).
static int depth(const QWidget& w) {
    return static_cast<int>(w.parentWidget()->children().indexOf(const_cast<QWidget*>(&w)));
}

struct OpenWindow : testkit::GameWindow {};

TEST_F(OpenWindow, HasItsTitleAFixedBorderAndItsControlsInPlaceTheHolesOverTheHero) {
    EXPECT_EQ(form1.windowTitle(), "Trompalo " TROMPALO_VERSION);
    EXPECT_EQ(form1.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint),
              Qt::WindowMinimizeButtonHint);
    // The holes over the hero, the start button over everything.
    int frontSprite = -1;
    for (ControlArray<Image>* sprites : {&form1.Mira, &form1.Prepara, &form1.Pega, &form1.Golpe})
        sprites->forEach([&](Image& s) { frontSprite = std::max(frontSprite, depth(s)); });
    form1.Image3.forEach([&](Image& hole) { EXPECT_GT(depth(hole), frontSprite); });
    EXPECT_GT(depth(*form1.Image9), depth(*form1.Label9));
    // The empty picture lies in front of the holes, the burst behind them until a hit.
    EXPECT_GT(depth(*form1.Image4), depth(form1.Image3[0]));
    EXPECT_LT(depth(*form1.Image1), depth(form1.Image3[0]));
    // The grid counters of player 2 lie over the score boxes.
    EXPECT_GT(depth(form1.Label8[0]), depth(form1.Label5[0]));
    // "Apoyos" puts the markers behind everything; a hit brings the burst
    // over everything but the start button, which stays over everything.
    testkit::chooseMenu(form1, "Apoyos");
    form1.Shape1.forEach([&](Shape& marker) { EXPECT_LT(depth(marker), depth(*form1.Label9)); });
    form1.game().display().Hole[0] = 3;
    testkit::click(form1.Image3[0]);
    EXPECT_GT(depth(*form1.Image1), depth(form1.Image2[2])); // the front of the field
    EXPECT_EQ(form1.surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).last(),
              form1.Command1);
    // The score panel beside the field shows the window's colour, painted by
    // the surface itself (Qt draws no background under it).
    QImage shot(form1.surface->size(), QImage::Format_RGB32);
    shot.fill(Qt::red);
    form1.surface->render(&shot, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(shot.pixel(600, 300), form1.surface->palette().color(QPalette::Window).rgb());
    // Each hole over the pit the field's drawing has for it, round the ring
    // (the pit's middle half across and two thirds down the hole's square).
    QFile field(":/pictures/field.svg");
    ASSERT_TRUE(field.open(QIODevice::ReadOnly));
    static const QRegularExpression pit(
        R"re(<ellipse cx="([\d.]+)" cy="([\d.]+)"[^>]*url\(#pit\))re");
    auto drawn = pit.globalMatch(QString::fromUtf8(field.readAll()));
    for (int i = 0; i < 10; ++i) {
        const Image& hole = form1.Image3[i];
        ASSERT_TRUE(drawn.hasNext());
        const auto m = drawn.next();
        const QPointF middle = QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()) * 15;
        EXPECT_EQ(QRectF(hole.left(), hole.top(), hole.widthTwips(), hole.heightTwips()),
                  QRectF(middle - QPointF(367.5, 498), QSizeF(735, 735)));
        EXPECT_EQ(form1.Shape1[i].geometry(), hole.geometry());
    }
    EXPECT_FALSE(drawn.hasNext());
    // The hero's poses, standing (two), winding up (six), striking (ten) and
    // slapping (two): each one's Left and Top; its size is its picture's; all
    // but the slaps in mirror pairs.
    std::string places;
    for (ControlArray<Image>* poses : {&form1.Mira, &form1.Prepara, &form1.Pega, &form1.Golpe})
        for (int i = 0; i < poses->count(); ++i) {
            const Image& pose = (*poses)[i];
            places += std::to_string(pose.left()) + "," + std::to_string(pose.top()) + " ";
            EXPECT_EQ(QSize(pose.widthTwips(), pose.heightTwips()), pose.picture()->pixels() * 15);
            if (poses != &form1.Golpe && i % 2 == 1) { // the odd one the even one's mirror image
                EXPECT_EQ(pose.picture()->resource(), (*poses)[i - 1].picture()->resource());
                EXPECT_TRUE(pose.picture()->mirrored() && !(*poses)[i - 1].picture()->mirrored());
            }
        }
    EXPECT_EQ(places, "2700,1600 2700,1600 3120,1440 2200,1440 2880,2040 2000,2040 1920,1440 "
                      "3020,1440 1920,2400 1920,2400 1600,2280 3600,2280 1920,1120 2880,1120 "
                      "1600,1880 1900,1880 1920,1200 2880,1200 1920,1920 2040,1920 ");
    // The training's misses and target box, as the game has them (the stories
    // of the scenarios show the rest of the game on the window).
    Display& d = form1.game().display();
    d.MissesLineShown = d.TargetShown = true;
    d.MissesShown = 2;
    d.Target = 1;
    form1.Timer1->fire(); // any event shows the game
    EXPECT_TRUE(form1.Label7->isVisible() && form1.Image9->isVisible() &&
                form1.Label9->isVisible());
    EXPECT_EQ(form1.Label7->caption(), "2Fallo(s).");
    EXPECT_EQ(form1.Image9->picture(), form1.Image2[1].picture());
}

TEST_F(OpenWindow, TheAboutWindowsBareSurfaceClearsTheUnderlineAndClosesIt) {
    FormQuorvane about(form1, services, form1.iconPicture(), form1.picture(PictureId::MakerLogo));
    about.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(about.lblTitulo->caption(), form1.windowTitle());
    EXPECT_EQ(about.grab().toImage().pixelColor(10, 10), QColor(Qt::black)); // its card
    testkit::moveTo(*about.lblURL);
    ASSERT_TRUE(about.lblURL->underline());
    EXPECT_EQ(about.lblURL->cursor().shape(), Qt::PointingHandCursor);
    // A bare spot inside the white outline (which lets the mouse through).
    testkit::mouseMove(*about.surface, QPoint(4, 4));
    EXPECT_FALSE(about.lblURL->underline());
    testkit::mousePress(*about.surface, QPoint(4, 4));
    EXPECT_FALSE(about.isHidden());
    testkit::mouseRelease(*about.surface, QPoint(4, 4));
    EXPECT_TRUE(about.isHidden());
}
