// The game window as it opens: its size, its pictures and what lies in front of what.
#include "support/scripted_services.h"
#include "window/form1.h"

#include <gtest/gtest.h>

using namespace trompalo;

namespace {

// The sibling index of a control in its window's stacking order (higher is in front).
int depth(const QWidget& w) {
    return static_cast<int>(w.parentWidget()->children().indexOf(const_cast<QWidget*>(&w)));
}

struct OpenWindow : ::testing::Test {
    testkit::ScriptedServices services;
    Form1 form1{services};
    void SetUp() override { form1.Form_Load(); }
};

} // namespace

TEST_F(OpenWindow, HasAFixedClientAreaWithTheFieldUnscaled) {
    EXPECT_EQ(form1.surface->size(), QSize(680, 412));
    EXPECT_EQ(form1.minimumSize(), form1.maximumSize());
    EXPECT_FALSE(form1.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form1.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(form1.windowTitle(), "Trompalo 1.1");
    // The field picture is one row taller than the client area: it is cut, never stretched.
    EXPECT_EQ(form1.surface->backgroundPicture()->pixels(), QSize(496, 413));
}

TEST_F(OpenWindow, TheHolesLieOverTheHeroAndTheButtonOverEverything) {
    int frontSprite = -1;
    for (ControlArray<Image>* sprites : {&form1.Mira, &form1.Prepara, &form1.Pega, &form1.Golpe})
        sprites->forEach([&](Image& s) { frontSprite = std::max(frontSprite, depth(s)); });
    form1.Image3.forEach([&](Image& hole) { EXPECT_GT(depth(hole), frontSprite); });
    EXPECT_GT(depth(*form1.Image9), depth(*form1.Label9));
    // The empty picture lies in front of the holes, the burst behind them until a hit.
    EXPECT_GT(depth(*form1.Image4), depth(form1.Image3[0]));
    EXPECT_LT(depth(*form1.Image1), depth(form1.Image3[0]));
    for (QObject* child : form1.surface->children()) {
        if (child != form1.Command1 && child->isWidgetType()) {
            EXPECT_LT(depth(*static_cast<QWidget*>(child)), depth(*form1.Command1));
        }
    }
    // The grid counters of player 2 lie over the score boxes.
    EXPECT_GT(depth(form1.Label8[0]), depth(form1.Label5[0]));
}

TEST_F(OpenWindow, HeroPosesAreSizedToTheirPicturesAndPairedAsMirrors) {
    for (ControlArray<Image>* sprites : {&form1.Mira, &form1.Prepara, &form1.Pega}) {
        for (int i = 0; i < sprites->count(); ++i) {
            const Image& pose = (*sprites)[i];
            ASSERT_TRUE(pose.picture());
            EXPECT_EQ(pose.widthTwips(), pose.picture()->pixels().width() * 15);
            EXPECT_EQ(pose.heightTwips(), pose.picture()->pixels().height() * 15);
            EXPECT_FALSE(pose.stretch());
            if (i % 2 == 1) {
                const Image& pair = (*sprites)[i - 1];
                EXPECT_EQ(pose.picture()->resource(), pair.picture()->resource());
                EXPECT_NE(pose.picture()->mirrored(), pair.picture()->mirrored());
            }
        }
    }
    // Only the standing hero facing left is shown, at his place.
    EXPECT_FALSE(form1.Mira[0].isHidden());
    EXPECT_EQ(form1.Mira[0].left(), 2700);
    EXPECT_EQ(form1.Mira[0].top(), 1600);
    EXPECT_EQ(form1.Prepara[5].left(), 3020);
    EXPECT_EQ(form1.Pega[7].left(), 1900);
}

TEST_F(OpenWindow, TheSplashCameFirstAndTookTheGamesTitle) {
    // The scripted services close the splash at once; it was shown modally during start-up.
    EXPECT_TRUE(services.openModals().empty());
    EXPECT_EQ(form1.Label1->caption(), "");
    EXPECT_TRUE(form1.MnuS->checked());
    EXPECT_FALSE(form1.MnuApo->checked());
}
