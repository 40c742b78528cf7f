// The marks of the boards: strokes, crosses and rings in the hero table, the
// counters and claimed cells of the grid, the ladder of "Escalera." and the end
// of a game when the board is decided.
#include "window/form1.h"

#include "game/rules.h"

namespace trompalo {

void Form1::PlaceTableMark(ControlArray<Image>& marks, int row, int column) {
    Image& mark = marks.load(marks.count());
    mark.setTop(row);
    mark.setLeft(column);
    mark.bringToFront();
    mark.setVisible(true);
}

bool Form1::MarkHit() {
    Module1& m = module1_;
    Form1State& s = state_;
    const int c = s.HitChar;
    const int h = c + 1;
    const int p = m.CurrentPlayer;
    const bool grid = m.GameKind == kTresEnRaya;

    // The ladder: a hero counts only once the one below it is closed.
    if (m.GameKind == kEscalera && c != 8 && m.Marks[p][h + 1] != 3)
        return false;

    const int row = Image2[c].top();
    const int column = grid ? 0 : Label6[p + 3].left();
    auto counter = [&]() -> Label& { return p == 1 ? Label4[c] : Label8[c]; };
    const int count = m.Marks[p][h];
    if (count < 3) {
        if (count == 0) {
            if (grid)
                counter().setCaption(QStringLiteral("1"));
            else
                PlaceTableMark(Image6, row, column);
        } else if (count == 1) {
            if (grid)
                counter().setCaption(QStringLiteral("2"));
            else
                PlaceTableMark(Image7, row, column);
        } else if (!grid) {
            PlaceTableMark(Image8, row, column);
        } else {
            counter().setVisible(false);
            if (s.CellOwner[h] == 0) {
                // The cell is claimed: a cross for player 1, a ring for the other.
                ControlArray<Image>& marks = p == 1 ? Image7 : Image8;
                Image& claim = marks.load(marks.count());
                claim.setLeft(Image2[c].left());
                claim.setTop(Image2[c].top());
                claim.bringToFront();
                claim.setVisible(true);
                s.CellOwner[h] = p == 1 ? 1 : 2;
                CheckThreeInRow();
            }
        }
        ++m.Marks[p][h];
    }

    bool over = false;
    if (grid) {
        over = s.BoardOver;
    } else {
        int closed = 0;
        for (int hero = 1; hero <= 9; ++hero)
            closed += m.Marks[p][hero] == 3 ? 1 : 0;
        over = closed == 9;
    }
    if (over)
        EndGame();
    return over;
}

void Form1::EndGame() {
    Timer1->setInterval(0);
    StopPlay();
    state_.TimerBusy = false;
    ClearTurnDisplay();
    ShowWinner();
}

} // namespace trompalo
