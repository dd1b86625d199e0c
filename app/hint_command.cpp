#include "hint_command.h"

#include "control_mark.h"
#include "corner_text.h"
#include "game_session.h"
#include "grid.h"
#include "main_window.h"
#include "next_step.h"
#include "place_marks.h"
#include "verdict_commands.h"

#include <algorithm>
#include <optional>
#include <vector>

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

FieldPlace placeOf(const Candidate& candidate)
{
    return {cellFieldId(columnOf(candidate.cell), rowOf(candidate.cell)), candidate.digit};
}

// A chain's links drawn from candidate to candidate over the grid, each
// candidate of the chain ringed as taken true or false, and the candidates
// it strikes crossed out.
void drawChain(const Step& step)
{
    std::vector<PlaceLink> links;
    std::vector<PlaceMark> marks;
    const auto ring = [&](const ChainNode& node) {
        const PlaceMark mark{placeOf(node.candidate), node.on ? PlaceMarkKind::on : PlaceMarkKind::off};
        const bool ringed = std::any_of(marks.begin(), marks.end(), [&](const PlaceMark& other) {
            return other.at.field == mark.at.field && other.at.place == mark.at.place;
        });
        if (!ringed) {
            marks.push_back(mark);
        }
    };
    for (const ChainLink& link : step.chain) {
        links.push_back({placeOf(link.from.candidate), placeOf(link.to.candidate),
                         link.strong() ? PlaceLinkKind::strong : PlaceLinkKind::weak});
        ring(link.from);
        ring(link.to);
    }
    for (const Candidate& struck : step.eliminations) {
        marks.push_back({placeOf(struck), PlaceMarkKind::struck});
    }
    showPlaceMarks(mainWindow, links, marks);
}

// The reason, in the corner text, goes by itself when the grid changes.
void takeDownMarks()
{
    if (shown) {
        markCells(*shown, false);
        clearPlaceMarks(mainWindow);
        shown.reset();
    }
}

void show(const NextStep& next)
{
    shown = next;
    shownOn = game;
    markCells(next, true);
    if (next.outcome == StepOutcome::step && !next.step.chain.empty()) {
        drawChain(next.step);
    }
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
