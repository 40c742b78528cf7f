// The boards of the right-hand panel: the hero table of "Guillotina." and
// "Escalera." and the 3 x 3 hero grid of "3 en raya.".
#include "window/form1.h"

#include "platform/services.h"

#include <cmath>

namespace trompalo {

namespace {

void sizeMarks(std::initializer_list<ControlArray<Image>*> templates, int side) {
    for (ControlArray<Image>* marks : templates) {
        (*marks)[0].setHeightTwips(side);
        (*marks)[0].setWidthTwips(side);
    }
}

} // namespace

void Form1::PrepareTable() {
    // One row per hero, hero 1 at the top; one column per player.
    for (int i = 0; i < 9; ++i) {
        Image& hero = Image2[i];
        hero.setBoundsTwips(7560, 2640 + 360 * i, 360, 360);
        hero.setVisible(true);
    }
    Line3.forEach([](Line& line) { line.setVisible(true); });
    sizeMarks({&Image6, &Image7, &Image8}, 360);
}

void Form1::PrepareGrid() {
    for (int i = 1; i <= 8; ++i) {
        Label4.load(i);
        Label8.load(i);
    }
    int x = 7800;
    int y = 3120;
    for (int k = 1; k <= 9; ++k) {
        state_.CellOwner[k] = 0;
        // The nine cells receive the nine heroes in a random order.
        int r = 0;
        do {
            r = static_cast<int>(std::floor(services_.random() * 9));
        } while (r < 0 || r > 8 || !Image2[r].isHidden());
        state_.GridHero[k] = r + 1;
        Image& hero = Image2[r];
        hero.setHeightTwips(480);
        hero.setWidthTwips(480);
        hero.setLeft(x);
        hero.setTop(y);
        hero.setVisible(true);
        Label& mine = Label4[r];
        mine.setLeft(hero.left());
        mine.setTop(hero.top() + 480);
        Label& theirs = Label8[r];
        theirs.setLeft(hero.left() + 240);
        theirs.setTop(hero.top() + 480);
        mine.setVisible(true);
        theirs.setVisible(true);
        mine.setCaption(QStringLiteral("0"));
        theirs.setCaption(QStringLiteral("0"));
        x += 840;
        if (x > 9560) {
            x = 7800;
            y += 840;
        }
    }
    sizeMarks({&Image6, &Image7, &Image8}, 480);
}

} // namespace trompalo
