#include "hint_command.h"

#include "candidates.h"
#include "cell_entry.h"
#include "control_mark.h"
#include "controls.h"
#include "grid.h"
#include "main_window.h"
#include "next_step.h"

#include <optional>
#include <string>

namespace {

// The board the hints work on. It carries the candidates as the loop left
// them, so that a pair's removals, which change no value, count for the hints
// after it; it is started afresh whenever the grid's values are not its own.
std::optional<Board> hintBoard;
// The step found by the last Hint, while its mark and reason are shown.
std::optional<NextStep> shown;

void markCells(const NextStep& next, bool marked)
{
    if (next.outcome != StepOutcome::step) {
        return;
    }
    for (int cell : next.step.cells) {
        setControlMarked(cellFieldId(columnOf(cell), rowOf(cell)), marked);
    }
}

void takeDown()
{
    if (shown) {
        markCells(*shown, false);
        setControlText(hintTextId, "");
        shown.reset();
    }
}

void show(const NextStep& next)
{
    shown = next;
    markCells(next, true);
    setControlText(hintTextId, next.reason);
}

// The digit goes into its field as typed, so the entry checking stores it
// and brings the clash colours up to date; the hint board takes the step as
// the loop does.
void makeStep(const Step& step)
{
    applyStep(*hintBoard, step);
    if (step.digit != 0) {
        const int fieldId = cellFieldId(columnOf(step.cells.front()), rowOf(step.cells.front()));
        setControlText(fieldId, std::to_string(step.digit));
        cellEdited(fieldId);
    }
}

}  // namespace

void hintCommand()
{
    const Board current = Board::fromGrid();
    if (!hintBoard || hintBoard->value != current.value) {
        takeDown();
        hintBoard = current;
        initCandidates(*hintBoard);
    }
    if (shown && shown->outcome == StepOutcome::step) {
        const Step step = shown->step;
        takeDown();
        makeStep(step);
        return;
    }
    takeDown();
    show(findNextStep(*hintBoard));
}

void dropHintIfGridChanged()
{
    if (shown && hintBoard->value != Board::fromGrid().value) {
        takeDown();
    }
}

void forgetHint()
{
    takeDown();
    hintBoard.reset();
}
