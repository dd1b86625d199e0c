#include "cell_entry.h"

#include "engine_grid.h"
#include "game_session.h"
#include "verdict_commands.h"

void cellEdited(int fieldId, int digit)
{
    const int cell = cellOfField(fieldId);
    if (cell < 0) {
        return;
    }
    if (choices.notesMode && digit != 0) {
        toggleNote(game, cell, digit);
        return;
    }
    if (digit == 0 && game.cells[cell].value == 0) {
        clearCellNotes(game, cell);
        return;
    }
    const bool wasFull = isFull(game);
    enterDigit(game, cell, digit, choices.strikePeerNotes);
    announceIfJustFilled(wasFull);
}

void noteToggled(int fieldId, int digit)
{
    const int cell = cellOfField(fieldId);
    if (cell >= 0 && digit >= 1 && digit <= 9) {
        toggleNote(game, cell, digit);
    }
}
