#include "hint_command.h"

#include "control_mark.h"
#include "corner_text.h"
#include "game_session.h"
#include "grid.h"
#include "next_step.h"
#include "verdict_commands.h"

#include <optional>

namespace {

// The step found by the last Hint, while its mark and reason are shown, and
// the game it was found on.
std::optional<NextStep> shown;
GameState shownOn;

// Kelvaro's own candidates as the loop's board: the game's digits, and in
// every empty cell all digits but those that hints of this game struck out.
Board hintBoard()
{
    Board board = boardOf(game);
    for (int cell = 0; cell < 81; ++cell) {
        board.candidates[cell] =
            game.cells[cell].value != 0 ? testMarker : static_cast<DigitMask>(allDigits & ~game.cells[cell].struck);
    }
    return board;
}

void markCells(const NextStep& next, bool marked)
{
    if (next.outcome != StepOutcome::step) {
        return;
    }
    for (int cell : next.step.cells) {
        setControlMarked(cellFieldId(columnOf(cell), rowOf(cell)), marked);
    }
}

// The reason, in the corner text, goes by itself when the grid changes.
void takeDownMarks()
{
    if (shown) {
        markCells(*shown, false);
        shown.reset();
    }
}

void show(const NextStep& next)
{
    shown = next;
    shownOn = game;
    markCells(next, true);
    showCornerText(next.reason);
}

// The digit goes in as the player's would, the pair's digits are struck
// out for the hints after it and leave the notes of those cells.
void makeStep(const Step& step)
{
    if (step.digit != 0) {
        const bool wasFull = isFull(game);
        enterDigit(game, step.cells.front(), step.digit, choices.strikePeerNotes);
        announceIfJustFilled(wasFull);
    }
    for (const CandidateRemoval& removal : step.removals) {
        for (int digit = 1; digit <= 9; ++digit) {
            if (removal.digits & digitBit(digit)) {
                strikeCandidate(game, removal.cell, digit);
            }
        }
    }
}

}  // namespace

void hintCommand()
{
    dropHintIfGridChanged();
    if (shown && shown->outcome == StepOutcome::step) {
        const Step step = shown->step;
        takeDownMarks();
        clearCornerText();
        makeStep(step);
        return;
    }
    takeDownMarks();
    show(findNextStep(hintBoard()));
}

void dropHintIfGridChanged()
{
    if (shown && !sameGrid(shownOn, game)) {
        takeDownMarks();
    }
}

void forgetHint()
{
    takeDownMarks();
    clearCornerText();
}
