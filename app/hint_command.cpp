#include "hint_command.h"

#include "cell_entry.h"
#include "control_mark.h"
#include "controls.h"
#include "grid.h"
#include "main_window.h"
#include "next_step.h"

#include <optional>
#include <string>

namespace {

// The grid the hints work on. It carries the candidates the hints struck, so
// that a step's eliminations, which change no value, count for the hints
// after it; it is started afresh whenever the grid's values are not its own.
std::optional<CandidateGrid> hintGrid;
// The step found by the last Hint, while its mark and reason are shown.
std::optional<NextStep> shown;

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

// A digit goes into its field as typed, so the entry checking stores it and
// brings the clash colours up to date; the hint grid takes the whole step.
void makeStep(const Step& step)
{
    applyStep(*hintGrid, step);
    for (const Candidate& placed : step.placements) {
        const int fieldId = cellFieldId(columnOf(placed.cell), rowOf(placed.cell));
        setControlText(fieldId, std::to_string(placed.digit));
        cellEdited(fieldId);
    }
}

}  // namespace

void hintCommand()
{
    const Board current = Board::fromGrid();
    if (!hintGrid || hintGrid->value != current.value) {
        takeDown();
        hintGrid = CandidateGrid::fromValues(current);
    }
    if (shown && shown->outcome == StepOutcome::step) {
        const Step step = shown->step;
        takeDown();
        makeStep(step);
        return;
    }
    takeDown();
    show(findNextStep(*hintGrid));
}

void dropHintIfGridChanged()
{
    if (shown && hintGrid->value != Board::fromGrid().value) {
        takeDown();
    }
}

void forgetHint()
{
    takeDown();
    hintGrid.reset();
}
