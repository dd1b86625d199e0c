#include "ladder_text.h"

#include "chains/chain_words.h"
#include "ladder/words.h"
#include "next_step.h"
#include "puzzle_check.h"
#include "technique_table.h"

namespace {

std::string rating(int tenths) { return tenths < 0 ? "-" : ratingText(tenths); }

}  // namespace

std::string rateLine(const Board& puzzle)
{
    const PuzzleCheck check = checkPuzzle(puzzle);
    const LadderRating& ladder = check.rating;
    const bool runsOut = check.solutions == 1 && !check.givenComplete && !ladder.complete && !ladder.outOfTime;
    const std::string grade = runsOut ? check.grade + ", needs deeper chains" : check.grade;
    return std::to_string(check.solutions) + '\t' + rating(ladder.er) + '\t' + rating(ladder.ep) + '\t'
           + rating(ladder.ed) + '\t' + (ladder.complete ? techniqueName(ladder.hardest, ladder.hardestForm) : "-")
           + '\t' + grade + '\n';
}

std::string explainText(const Board& puzzle)
{
    CandidateGrid grid = CandidateGrid::fromValues(puzzle);
    std::string text;
    NextStep next = findNextStep(grid);
    for (int n = 1; next.outcome == StepOutcome::step; ++n) {
        text += std::to_string(n) + ". " + stepLine(next.step, grid) + '\n';
        for (const std::string& line : chainNotation(next.step)) {
            text += "   " + line + '\n';
        }
        applyStep(grid, next.step);
        next = findNextStep(grid);
    }
    return text + (next.outcome == StepOutcome::complete ? "Solved." : next.reason) + '\n';
}
