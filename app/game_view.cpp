#include "game_view.h"

#include "cell_field.h"
#include "controls.h"
#include "engine_grid.h"
#include "game_session.h"
#include "grid.h"
#include "main_window.h"

namespace {

constexpr Rgb black{1, 0, 0};
constexpr Rgb red{255, 0, 0};
constexpr Rgb playerBlue{30, 80, 170};

bool sharesUnit(int cell, int other)
{
    for (int unit : unitsOfCell[cell]) {
        for (int own : unitsOfCell[other]) {
            if (unit == own) {
                return true;
            }
        }
    }
    return false;
}

// The cell whose field has the focus, or -1.
int focusedCell()
{
    const int focused = focusedControl();
    return isCellField(focused) ? cellOfField(focused) : -1;
}

CellLook lookOf(const Board& board, int cell, int focused, bool givens)
{
    const GameCell& shown = game.cells[cell];
    CellLook look;
    if (shown.value != 0) {
        look.digit = std::string(1, static_cast<char>('0' + shown.value));
    }
    const bool entered = shown.value != 0 && !shown.given;
    look.ink = shown.clash ? red : (givens && entered) ? playerBlue : black;
    if (shown.value == 0) {
        look.notes = shown.notes;
        look.ruledOutNotes = shown.notes & board.peerDigits(cell);
    }
    const int focusedDigit = focused >= 0 ? game.cells[focused].value : 0;
    if (focusedDigit != 0) {
        if (shown.value == focusedDigit) {
            look.tint = CellTint::digit;
            look.bold = true;
        } else if (sharesUnit(cell, focused)) {
            look.tint = CellTint::line;
        }
        look.markedNotes = look.notes & digitBit(focusedDigit);
    }
    look.crossed = choices.showMistakes && isMistake(game, givensSolution(), cell);
    return look;
}

}  // namespace

void showGame()
{
    const Board board = boardOf(game);
    const int focused = focusedCell();
    const bool givens = hasGivens(game);
    for (int cell = 0; cell < 81; ++cell) {
        setCellLook(cellFieldId(columnOf(cell), rowOf(cell)), lookOf(board, cell, focused, givens));
    }
    showNotesModeLine(choices.notesMode);
}
