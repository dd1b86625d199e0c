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

void markCells(const NextStep& next, bool marked)
{
    if (next.outcome != StepOutcome::step) {
        return;
    }
    for (const auto* list : {&next.step.placements, &next.step.proof}) {
        for (const Candidate& each : *list) {
            setControlMarked(cellFieldId(columnOf(each.cell), rowOf(each.cell)), marked);
        }
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

// The step's eliminations are struck out for the hints after it and leave
// the notes of those cells; a digit goes in as the player's would.
void makeStep(const Step& step)
{
    for (const Candidate& struck : step.eliminations) {
        strikeCandidate(game, struck.cell, struck.digit);
    }
    for (const Candidate& placed : step.placements) {
        const bool wasFull = isFull(game);
        enterDigit(game, placed.cell, placed.digit, choices.strikePeerNotes);
        announceIfJustFilled(wasFull);
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
    show(findNextStep(candidatesOf(game)));
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
