#include "hint_command.h"

#include "balloon.h"
#include "candidate_marks.h"
#include "clashes.h"
#include "control_mark.h"
#include "corner_text.h"
#include "game_session.h"
#include "grid.h"
#include "ladder/words.h"
#include "main_window.h"
#include "next_step.h"
#include "technique_table.h"
#include "verdict_commands.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// The step found by the last Hint, while its marks and reason are shown, and
// the game it was found on.
std::optional<NextStep> shown;
GameState shownOn;

int fieldOf(int cell) { return cellFieldId(columnOf(cell), rowOf(cell)); }

// The cells the frame goes round: those the step places in or rests on.
std::vector<int> framedCells(const NextStep& next)
{
    std::vector<int> cells;
    if (next.outcome == StepOutcome::step) {
        for (const auto* list : {&next.step.placements, &next.step.proof}) {
            for (const Candidate& each : *list) {
                cells.push_back(each.cell);
            }
        }
    }
    return cells;
}

// Every cell the reason may name, which the balloon must not cover.
std::vector<int> namedFields(const NextStep& next)
{
    std::vector<int> cells = framedCells(next);
    for (const Candidate& each : next.step.eliminations) {
        cells.push_back(each.cell);
    }
    cells.insert(cells.end(), next.step.cells.begin(), next.step.cells.end());
    if (next.outcome == StepOutcome::clash) {
        const std::vector<int> clashing = clashingCells(boardOf(game));
        cells.insert(cells.end(), clashing.begin(), clashing.end());
    }
    std::vector<int> fields;
    for (const int cell : cells) {
        if (std::find(fields.begin(), fields.end(), fieldOf(cell)) == fields.end()) {
            fields.push_back(fieldOf(cell));
        }
    }
    return fields;
}

// What the step places, rests on and strikes, each candidate once with all
// it stands for. A chain's step rests on every candidate the chain passes
// through, taken as true or only as false.
std::vector<CandidateMark> marksOf(const Step& step)
{
    std::vector<CandidateMark> marks;
    const auto add = [&marks](const std::vector<Candidate>& candidates, unsigned shape) {
        for (const Candidate& each : candidates) {
            const CandidateMark mark{fieldOf(each.cell), each.digit, 0};
            auto found = std::find_if(marks.begin(), marks.end(), [&mark](const CandidateMark& other) {
                return other.field == mark.field && other.digit == mark.digit;
            });
            if (found == marks.end()) {
                found = marks.insert(marks.end(), mark);
            }
            found->shapes |= shape;
        }
    };
    add(step.placements, markPlaced);
    if (step.chain.empty()) {
        add(step.proof, markProof);
    }
    for (const ChainLink& link : step.chain) {
        for (const ChainNode& node : {link.from, link.to}) {
            add({node.candidate}, node.on ? markProof : markFalse);
        }
    }
    add(step.eliminations, markStruck);
    return marks;
}

std::vector<CandidateLink> linksOf(const Step& step)
{
    std::vector<CandidateLink> links;
    for (const ChainLink& link : step.chain) {
        links.push_back({fieldOf(link.from.candidate.cell), link.from.candidate.digit, fieldOf(link.to.candidate.cell),
                         link.to.candidate.digit, link.strong()});
    }
    return links;
}

// The step's technique and rating, "X-Wing (3.2)", or that there is none.
std::string headline(const NextStep& next)
{
    if (next.outcome != StepOutcome::step) {
        return "No hint";
    }
    return std::string(techniqueTitle(next.step.technique, next.step.form)) + " (" + ratingText(next.step.rating) + ")";
}

void setFrames(const NextStep& next, bool marked)
{
    for (const int cell : framedCells(next)) {
        setControlMarked(fieldOf(cell), marked);
    }
}

// The headline in the corner goes by itself when the grid changes.
void takeDownMarks()
{
    if (shown) {
        setFrames(*shown, false);
        showCandidateMarks(mainWindow, {}, {});
        hideBalloon();
        shown.reset();
    }
}

void show(const NextStep& next)
{
    shown = next;
    shownOn = game;
    setFrames(next, true);
    showCandidateMarks(mainWindow, marksOf(next.step), linksOf(next.step));
    std::string text = next.reason;
    if (next.outcome == StepOutcome::step) {
        text += "\n\nHint again (Ctrl+H) to make this step.";
    }
    showCornerText(headline(next));
    showBalloon(mainWindow, headline(next), text, namedFields(next));
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
