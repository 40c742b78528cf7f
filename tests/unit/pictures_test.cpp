// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's pictures: drawn at their exact sizes, mirror pairs as mirror
// images, transparent where they must be, each size rendered once (the window
// drawing them sharp: window_size_test).
#include "platform/picture.h"
#include "support/images.h"
#include "window/picture_catalog.h"

#include <QIcon>
#include <QImage>
#include <QSvgRenderer>

#include <gtest/gtest.h>

using namespace trompalo;
using testkit::differing;

static QImage render(const PictureEntry& entry) {
    return PictureData(entry.resource, entry.pixels, entry.mirrored).renderImage(entry.pixels, 1.0);
}

TEST(Pictures, EveryDrawingIsThereAtItsExactSizeClearOrOpaqueAndMirrorPairsAreMirrorImages) {
    // The field and the hero's poses cover every pixel (on white); the cast,
    // the marks, the burst and the icons are clear above their figure.
    const auto catalog = pictureCatalog();
    int pairs = 0;
    for (std::size_t i = 0; i < catalog.size(); ++i) {
        const PictureEntry& entry = catalog[i];
        SCOPED_TRACE(entry.name);
        QSvgRenderer drawing(QString::fromLatin1(entry.resource));
        ASSERT_TRUE(drawing.isValid());
        EXPECT_EQ(drawing.defaultSize(), entry.pixels);
        EXPECT_EQ(drawing.viewBox().size(), entry.pixels);
        const QImage image = render(entry);
        EXPECT_EQ(image.format() == QImage::Format_RGB32, entry.opaque);
        EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, 0)), entry.opaque ? 255 : 0);
        if (i == 0 || !entry.mirrored)
            continue;
        // A mirrored pose is the mirror image of the one before it, which is
        // the drawing as it is; and the pose is not symmetric itself: the pair
        // really faces both ways.
        const PictureEntry& even = catalog[i - 1];
        EXPECT_FALSE(even.mirrored);
        EXPECT_STREQ(entry.resource, even.resource);
        const QImage a = render(even);
        EXPECT_LT(differing(a.mirrored(true, false), image), 0.002);
        const QIcon drawn(QString::fromLatin1(even.resource)); // (Qt's own drawing of it)
        EXPECT_LT(differing(a, drawn.pixmap(even.pixels).toImage()), 0.002);
        EXPECT_GT(differing(a, image), 0.02);
        ++pairs;
    }
    EXPECT_EQ(pairs, 9); // the standing hero, three wind-ups, five strikes
    EXPECT_EQ(render(pictureEntry(PictureId::Mira0)).pixel(0, 0), qRgb(255, 255, 255));
}

TEST(Pictures, EachSizeIsRenderedOnceAndIconsAtTheSizesAskedFor) {
    const PictureEntry& hero = pictureEntry(characterPicture(0));
    const PictureData picture(hero.resource, hero.pixels);
    // A character shows at once in a hole, in the hero table and in the grid.
    const QPixmap hole = picture.render(QSize(49, 49), 1.0);
    const QPixmap table = picture.render(QSize(24, 24), 1.0);
    EXPECT_EQ(table.size(), QSize(24, 24));
    EXPECT_EQ(picture.render(QSize(49, 49), 2.0).size(), QSize(98, 98));
    EXPECT_EQ(picture.render(QSize(49, 49), 1.0).cacheKey(), hole.cacheKey());
    EXPECT_EQ(picture.render(QSize(24, 24), 1.0).cacheKey(), table.cacheKey());
    const PictureEntry& icon = pictureEntry(PictureId::WindowIcon);
    const QIcon windowIcon = PictureData(icon.resource, icon.pixels).icon();
    for (int side : {16, 48, 256})
        EXPECT_EQ(windowIcon.pixmap(QSize(side, side)).size(), QSize(side, side));
}
