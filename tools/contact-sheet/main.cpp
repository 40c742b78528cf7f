// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// trompalo-contact-sheet: renders every picture of the game with the game's own renderer
// (PictureData, that is QSvgRenderer) into one PNG, to judge the art as a player sees it.
//
//   trompalo-contact-sheet OUTPUT.png          every catalogue entry at 1x and 2x, the cast at
//                                              the sizes the game shows it, the marks over
//                                              portraits and the maker logo on black
//   trompalo-contact-sheet --field OUTPUT.png  the field with characters in the holes and the
//                                              hero in his poses, placed where his blows land
//
// Run it with QT_QPA_PLATFORM=offscreen when there is no display. It also checks each drawing
// (it loads, its own size is the catalogue size, opaque pictures have no transparent pixel) and
// exits with status 1 when one of the checks fails.

#include "platform/picture.h"
#include "window/picture_catalog.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

using namespace trompalo;

namespace {

const QColor kInk(0x22, 0x22, 0x33);

// A light checkerboard, so that transparent parts of a picture show.
void fillChecker(QPainter& p, const QRect& r, int square = 8) {
    p.save();
    p.setClipRect(r);
    p.fillRect(r, QColor(0xf4, 0xf4, 0xf4));
    for (int y = r.top(); y < r.bottom() + 1; y += square)
        for (int x = r.left(); x < r.right() + 1; x += square)
            if (((x - r.left()) / square + (y - r.top()) / square) % 2 == 1)
                p.fillRect(QRect(x, y, square, square), QColor(0xd8, 0xd8, 0xdc));
    p.restore();
}

PictureData dataOf(const PictureEntry& entry) {
    return PictureData(QString::fromLatin1(entry.resource), entry.pixels, entry.mirrored);
}

// The picture rendered at size (logical) and dpr, drawn at its device size at pos.
QSize drawRendering(QPainter& p, const PictureEntry& entry, QSize size, qreal dpr, QPoint pos) {
    const QImage image = dataOf(entry).renderImage(size, dpr);
    const QSize device(image.width(), image.height());
    p.drawImage(QRect(pos, device), image, image.rect());
    return device;
}

// The picture as the game draws it on a 1x screen: at logical size at pos.
void drawAt(QPainter& p, PictureId id, QPoint pos, QSize size = {}) {
    const PictureEntry& entry = pictureEntry(id);
    if (size.isEmpty())
        size = entry.pixels;
    const QImage image = dataOf(entry).renderImage(size, 1.0);
    p.drawImage(QRect(pos, size), image, image.rect());
}

// Checks every drawing; prints a line for each problem. Returns the number of problems.
int checkCatalogue() {
    int problems = 0;
    for (const PictureEntry& entry : pictureCatalog()) {
        QSvgRenderer renderer(QString::fromLatin1(entry.resource));
        if (!renderer.isValid()) {
            std::fprintf(stderr, "%s: %s does not load\n", entry.name, entry.resource);
            ++problems;
            continue;
        }
        if (renderer.defaultSize() != entry.pixels ||
            renderer.viewBoxF() != QRectF(QPointF(0, 0), QSizeF(entry.pixels))) {
            std::fprintf(stderr, "%s: drawing is %dx%d (view box %gx%g), catalogue says %dx%d\n",
                         entry.name, renderer.defaultSize().width(),
                         renderer.defaultSize().height(), renderer.viewBoxF().width(),
                         renderer.viewBoxF().height(), entry.pixels.width(), entry.pixels.height());
            ++problems;
        }
        const QImage image =
            dataOf(entry).renderImage(entry.pixels, 1.0).convertToFormat(QImage::Format_ARGB32);
        int transparent = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) < 255)
                    ++transparent;
        if (entry.opaque && transparent > 0) {
            std::fprintf(stderr, "%s: opaque picture has %d transparent pixels\n", entry.name,
                         transparent);
            ++problems;
        }
        if (!entry.opaque) {
            const std::array corners{image.pixel(0, 0), image.pixel(image.width() - 1, 0),
                                     image.pixel(0, image.height() - 1),
                                     image.pixel(image.width() - 1, image.height() - 1)};
            if (std::all_of(corners.begin(), corners.end(),
                            [](QRgb c) { return qAlpha(c) == 255; })) {
                std::fprintf(stderr, "%s: transparent picture has opaque corners\n", entry.name);
                ++problems;
            }
        }
    }
    return problems;
}

// Places cells left to right, wrapping at a given width.
class Shelf {
public:
    Shelf(int width, int top) : width_(width), x_(kGap), y_(top) {}

    QPoint place(QSize cell) {
        if (x_ > kGap && x_ + cell.width() > width_) {
            x_ = kGap;
            y_ += rowHeight_ + kGap;
            rowHeight_ = 0;
        }
        const QPoint at(x_, y_);
        x_ += cell.width() + kGap;
        rowHeight_ = std::max(rowHeight_, cell.height());
        return at;
    }
    // Starts a new row below everything placed so far; returns its top.
    int newRow(int extra = 0) {
        if (x_ > kGap)
            y_ += rowHeight_ + kGap;
        y_ += extra;
        x_ = kGap;
        rowHeight_ = 0;
        return y_;
    }
    int bottom() const { return y_ + rowHeight_ + kGap; }

    static constexpr int kGap = 14;

private:
    int width_;
    int x_;
    int y_;
    int rowHeight_ = 0;
};

constexpr int kLabel = 16; // height of a caption line

void caption(QPainter& p, QPoint at, const QString& text, QColor colour = kInk) {
    p.setPen(colour);
    p.drawText(QRect(at, QSize(1000, kLabel)), Qt::AlignLeft | Qt::AlignVCenter, text);
}

// A section title; p is null while measuring.
void heading(QPainter* p, Shelf& shelf, const QString& text) {
    const int top = shelf.newRow(10);
    if (p) {
        QFont font = p->font();
        font.setPointSizeF(font.pointSizeF() * 1.4);
        font.setBold(true);
        p->save();
        p->setFont(font);
        p->setPen(kInk);
        p->drawText(QRect(Shelf::kGap, top, 1000, 24), Qt::AlignLeft | Qt::AlignVCenter, text);
        p->restore();
    }
    shelf.newRow(28);
}

// The whole sheet is drawn twice: once to measure its height, once for real.
int drawSheet(QPainter* p, int width) {
    Shelf shelf(width, 0);
    auto maybe = [&](auto&& draw) {
        if (p)
            draw(*p);
    };

    maybe([&](QPainter& q) { q.fillRect(QRect(0, 0, width, 100000), QColor(0xfb, 0xfa, 0xf6)); });
    heading(p, shelf, QStringLiteral("Every picture: natural size and 2x"));

    const QFontMetrics metrics(QApplication::font());
    for (const PictureEntry& entry : pictureCatalog()) {
        const QSize natural = entry.pixels;
        const QString label = QStringLiteral("%1  %2x%3%4")
                                  .arg(QString::fromLatin1(entry.name))
                                  .arg(natural.width())
                                  .arg(natural.height())
                                  .arg(entry.mirrored ? QStringLiteral("  mirrored") : QString());
        const QSize cell(std::max(natural.width() * 3 + 8, metrics.horizontalAdvance(label) + 8),
                         kLabel + natural.height() * 2);
        const QPoint at = shelf.place(cell);
        maybe([&](QPainter& q) {
            caption(q, at, label);
            const QPoint one = at + QPoint(0, kLabel);
            const QPoint two = one + QPoint(natural.width() + 8, 0);
            fillChecker(q, QRect(one, natural));
            fillChecker(q, QRect(two, natural * 2));
            drawRendering(q, entry, natural, 1.0, one);
            drawRendering(q, entry, natural, 2.0, two);
        });
    }

    heading(p, shelf,
            QStringLiteral("The cast as the game shows it: 24 (table), 32 (strip), 49 (hole), "
                           "98 (hole at 2x)"));
    for (int c = 0; c <= 13; ++c) {
        const PictureEntry& entry = pictureEntry(characterPicture(c));
        const QSize cell(24 + 32 + 49 + 98 + 3 * 6, kLabel + 98);
        const QPoint at = shelf.place(cell);
        maybe([&](QPainter& q) {
            caption(q, at,
                    QStringLiteral("c%1 %2")
                        .arg(c, 2, 10, QLatin1Char('0'))
                        .arg(QString::fromLatin1(entry.name)));
            int x = at.x();
            const int y = at.y() + kLabel;
            for (auto [side, dpr] :
                 {std::pair{24, 1.0}, std::pair{32, 1.0}, std::pair{49, 1.0}, std::pair{49, 2.0}}) {
                const int device = static_cast<int>(side * dpr);
                fillChecker(q, QRect(x, y, device, device), 6);
                drawRendering(q, entry, QSize(side, side), dpr, QPoint(x, y));
                x += device + 6;
            }
        });
    }

    heading(p, shelf,
            QStringLiteral("Marks over portraits (24 in the table, 32 in the grid), fist, icon "
                           "sizes, maker logo on black"));
    {
        const std::array marks{PictureId::MarkStroke, PictureId::MarkCross, PictureId::MarkRing};
        for (int side : {24, 32}) {
            const QSize cell((side + 6) * 14, kLabel + side * 3 + 12);
            const QPoint at = shelf.place(cell);
            maybe([&](QPainter& q) {
                caption(q, at, QStringLiteral("%1 px").arg(side));
                for (std::size_t m = 0; m < marks.size(); ++m)
                    for (int c = 0; c <= 13; ++c) {
                        const QPoint cellAt(at.x() + c * (side + 6),
                                            at.y() + kLabel + static_cast<int>(m) * (side + 6));
                        q.fillRect(QRect(cellAt, QSize(side, side)), QColor(0xe9, 0xee, 0xf7));
                        drawAt(q, characterPicture(c), cellAt, QSize(side, side));
                        drawAt(q, marks[m], cellAt, QSize(side, side));
                    }
            });
        }
        for (PictureId id : {PictureId::Fist, PictureId::WindowIcon}) {
            const QSize cell(16 + 24 + 32 + 48 + 64 + 5 * 6, kLabel + 64);
            const QPoint at = shelf.place(cell);
            maybe([&](QPainter& q) {
                caption(q, at, QString::fromLatin1(pictureEntry(id).name));
                int x = at.x();
                for (int side : {16, 24, 32, 48, 64}) {
                    fillChecker(q, QRect(x, at.y() + kLabel, side, side), 4);
                    drawAt(q, id, QPoint(x, at.y() + kLabel), QSize(side, side));
                    x += side + 6;
                }
            });
        }
        const PictureEntry& logo = pictureEntry(PictureId::MakerLogo);
        const QPoint at =
            shelf.place(QSize(logo.pixels.width() + 40, kLabel + logo.pixels.height() + 40));
        maybe([&](QPainter& q) {
            caption(q, at, QStringLiteral("maker-logo on black"));
            q.fillRect(QRect(at + QPoint(0, kLabel), logo.pixels + QSize(40, 40)), Qt::black);
            drawAt(q, PictureId::MakerLogo, at + QPoint(20, kLabel + 20));
        });
    }
    return shelf.bottom();
}

// Where the game's field puts its ten holes (top-left corners of 49x49 squares).
constexpr std::array<QPoint, 10> kHoles{
    QPoint(344, 32),  QPoint(400, 96), QPoint(416, 184), QPoint(400, 264), QPoint(328, 336),
    QPoint(128, 336), QPoint(56, 264), QPoint(40, 184),  QPoint(56, 96),   QPoint(120, 24)};
constexpr int kHoleSide = 49;

// A blow of the hero: the pose facing left, the hole it lands on, and where that hole lies
// relative to the top-left corner of the picture. The mirrored pose lands on the mirror hole.
struct Blow {
    PictureId left;
    PictureId right;
    int leftHole;
    int rightHole;
    QPoint holeInPicture;
};
constexpr std::array kBlows{
    Blow{PictureId::Pega0, PictureId::Pega1, 5, 4, QPoint(0, 176)},
    Blow{PictureId::Pega2, PictureId::Pega3, 6, 3, QPoint(-51, 112)},
    Blow{PictureId::Pega4, PictureId::Pega5, 9, 0, QPoint(-8, -51)},
    Blow{PictureId::Pega6, PictureId::Pega7, 7, 2, QPoint(-67, 59)},
    Blow{PictureId::Pega8, PictureId::Pega9, 8, 1, QPoint(-72, 16)},
};

const QPoint kStandAt(180, 107);

QImage fieldPanel(const std::vector<std::pair<int, int>>& holeCharacters, PictureId hero,
                  QPoint heroAt, const QString& title) {
    const QSize fieldSize(496, 412); // the window shows x 0..495 and y 0..411
    QImage image(fieldSize + QSize(0, kLabel + 4), QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xfb, 0xfa, 0xf6));
    QPainter p(&image);
    caption(p, QPoint(4, 2), title);
    p.translate(0, kLabel + 4);
    p.setClipRect(QRect(QPoint(0, 0), fieldSize));
    drawAt(p, PictureId::Field, QPoint(0, 0));
    for (auto [hole, c] : holeCharacters)
        drawAt(p, characterPicture(c), kHoles[static_cast<std::size_t>(hole)],
               QSize(kHoleSide, kHoleSide));
    drawAt(p, hero, heroAt);
    return image;
}

QImage drawComposition() {
    std::vector<QImage> panels;
    std::vector<std::pair<int, int>> all;
    for (int h = 0; h < 10; ++h)
        all.emplace_back(h, h);
    panels.push_back(fieldPanel(all, PictureId::Mira0, kStandAt,
                                QStringLiteral("c00..c09 in the holes, mira-0")));
    all.clear();
    for (int h = 0; h < 10; ++h)
        all.emplace_back(h, 10 + h % 4);
    panels.push_back(fieldPanel(all, PictureId::Mira1, kStandAt,
                                QStringLiteral("c10..c13 in the holes, mira-1")));

    // The wind-ups, centred where the standing hero stands.
    const QPoint standCentre = kStandAt + QPoint(135 / 2, 164 / 2);
    for (PictureId id : {PictureId::Prepara0, PictureId::Prepara1, PictureId::Prepara2,
                         PictureId::Prepara3, PictureId::Prepara4, PictureId::Prepara5}) {
        const PictureEntry& entry = pictureEntry(id);
        const QPoint at = standCentre - QPoint(entry.pixels.width() / 2, entry.pixels.height() / 2);
        panels.push_back(fieldPanel({}, id, at,
                                    QStringLiteral("%1, centred on the standing hero")
                                        .arg(QString::fromLatin1(entry.name))));
    }

    int c = 0;
    for (const Blow& blow : kBlows) {
        for (bool mirrored : {false, true}) {
            const PictureId id = mirrored ? blow.right : blow.left;
            const PictureEntry& entry = pictureEntry(id);
            const int hole = mirrored ? blow.rightHole : blow.leftHole;
            QPoint inPicture = blow.holeInPicture;
            if (mirrored)
                inPicture.setX(entry.pixels.width() - inPicture.x() - kHoleSide);
            const QPoint at = kHoles[static_cast<std::size_t>(hole)] - inPicture;
            panels.push_back(fieldPanel({{hole, c++ % 12}}, id, at,
                                        QStringLiteral("%1 on hole %2 at (%3,%4)")
                                            .arg(QString::fromLatin1(entry.name))
                                            .arg(hole)
                                            .arg(at.x())
                                            .arg(at.y())));
        }
    }
    panels.push_back(fieldPanel({}, PictureId::Golpe0, QPoint(248 - 123, 206 - 72),
                                QStringLiteral("golpe-0, centred")));
    panels.push_back(fieldPanel({}, PictureId::Golpe1, QPoint(248 - 121, 206 - 69),
                                QStringLiteral("golpe-1, centred")));

    const int columns = 4;
    const QSize panel = panels.front().size();
    const int rows = (static_cast<int>(panels.size()) + columns - 1) / columns;
    QImage sheet(columns * (panel.width() + 10) + 10, rows * (panel.height() + 10) + 10,
                 QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0xfb, 0xfa, 0xf6));
    QPainter p(&sheet);
    for (std::size_t i = 0; i < panels.size(); ++i) {
        const int col = static_cast<int>(i) % columns;
        const int row = static_cast<int>(i) / columns;
        p.drawImage(QPoint(10 + col * (panel.width() + 10), 10 + row * (panel.height() + 10)),
                    panels[i]);
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const bool field = args.contains(QStringLiteral("--field"));
    QStringList files = args;
    files.removeAll(QStringLiteral("--field"));
    if (files.size() != 1 || files.front().startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "usage: trompalo-contact-sheet [--field] OUTPUT.png\n");
        return 2;
    }

    const int problems = checkCatalogue();

    QImage sheet;
    if (field) {
        sheet = drawComposition();
    } else {
        const int width = 1900;
        const int height = drawSheet(nullptr, width);
        sheet = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&sheet);
        drawSheet(&p, width);
    }
    if (!sheet.save(files.front())) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(files.front()));
        return 2;
    }
    std::printf("%s: %dx%d, %d problem(s)\n", qPrintable(files.front()), sheet.width(),
                sheet.height(), problems);
    return problems == 0 ? 0 : 1;
}
