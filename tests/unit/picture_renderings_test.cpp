// The renderings a picture keeps: a character is shown at several sizes at
// once (in a hole, in the hero table, in the grid), the window icon is drawn at
// whatever size the window system asks for, and a surface paints its colour
// wherever its picture does not cover it.
#include "platform/surface.h"
#include "window/picture_catalog.h"

#include <QIcon>
#include <QImage>

#include <gtest/gtest.h>

using namespace trompalo;

namespace {

Picture pictureOf(PictureId id) {
    const PictureEntry& entry = pictureEntry(id);
    return std::make_shared<const PictureData>(QString::fromLatin1(entry.resource), entry.pixels,
                                               entry.mirrored);
}

int solidPixels(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int solid = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            solid += qAlpha(argb.pixel(x, y)) == 255 ? 1 : 0;
    return solid;
}

} // namespace

TEST(PictureRenderings, ACharacterShownAtSeveralSizesIsDrawnAtEachAndKept) {
    const Picture hero = pictureOf(characterPicture(0));
    const QPixmap hole = hero->render(QSize(49, 49), 1.0);
    const QPixmap table = hero->render(QSize(24, 24), 1.0);
    const QPixmap grid = hero->render(QSize(32, 32), 1.0);
    const QPixmap sharp = hero->render(QSize(49, 49), 2.0);
    EXPECT_EQ(hole.size(), QSize(49, 49));
    EXPECT_EQ(table.size(), QSize(24, 24));
    EXPECT_EQ(grid.size(), QSize(32, 32));
    EXPECT_EQ(sharp.size(), QSize(98, 98));
    EXPECT_EQ(sharp.deviceIndependentSize().toSize(), QSize(49, 49));
    // Back in the hole: the rendering made for it, not a new one.
    EXPECT_EQ(hero->render(QSize(49, 49), 1.0).cacheKey(), hole.cacheKey());
    EXPECT_EQ(hero->render(QSize(24, 24), 1.0).cacheKey(), table.cacheKey());
}

TEST(PictureRenderings, TheWindowIconIsDrawnAtTheSizesAskedFor) {
    const QIcon icon = pictureOf(PictureId::WindowIcon)->icon();
    ASSERT_FALSE(icon.isNull());
    for (int side : {16, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(side);
        const QPixmap drawn = icon.pixmap(QSize(side, side));
        ASSERT_FALSE(drawn.isNull());
        EXPECT_EQ(drawn.size(), QSize(side, side));
        EXPECT_GT(solidPixels(drawn.toImage()), side * side / 10);
    }
}

TEST(PictureRenderings, TheSurfaceColourShowsWhereItsPictureDoesNot) {
    QWidget window;
    Surface surface(&window);
    surface.setGeometry(0, 0, 120, 60);
    surface.setBackColor(Qt::red);
    auto colourAt = [&](QPoint at) {
        QImage shot(surface.size(), QImage::Format_ARGB32);
        shot.fill(Qt::black);
        surface.render(&shot);
        return shot.pixel(at);
    };
    // A character: clear above its figure, so the colour shows through there.
    surface.setBackgroundPicture(pictureOf(characterPicture(0)));
    EXPECT_EQ(colourAt(QPoint(0, 0)), qRgb(255, 0, 0));
    EXPECT_EQ(colourAt(QPoint(100, 50)), qRgb(255, 0, 0));
    // The field covers all of its own area; beside it, the colour.
    surface.setGeometry(0, 0, 600, 420);
    surface.setBackgroundPicture(pictureOf(PictureId::Field));
    const QImage field = pictureOf(PictureId::Field)->renderImage(QSize(496, 413), 1.0);
    EXPECT_EQ(colourAt(QPoint(10, 10)), field.pixel(10, 10));
    EXPECT_EQ(colourAt(QPoint(550, 10)), qRgb(255, 0, 0));
    EXPECT_EQ(colourAt(QPoint(10, 415)), qRgb(255, 0, 0));
    // Two areas repainted at once (two holes): each gets its field or its colour,
    // and nothing else is painted.
    QImage shot(surface.size(), QImage::Format_ARGB32);
    shot.fill(Qt::black);
    // (render() places the top-left corner of the region at the offset given.)
    surface.render(&shot, QPoint(10, 10), QRegion(10, 10, 20, 20) + QRegion(540, 100, 20, 20));
    EXPECT_EQ(shot.pixel(15, 15), field.pixel(15, 15));
    EXPECT_EQ(shot.pixel(550, 110), qRgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(300, 300), qRgb(0, 0, 0));
}
