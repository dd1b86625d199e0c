#include "locking.h"

#include "clashes.h"
#include "regions.h"
#include "words.h"

namespace {

bool crosses(int a, int b)
{
    return !(regions[a].set & regions[b].set).empty();
}

// The step of a digit locked in the crossing of `locked` and `other`: it
// leaves the rest of `other`.
Step lockedStep(const CandidateGrid& grid, int locked, int other, int digit)
{
    Step step;
    const CellSet places = grid.cellsOf[digit] & regions[locked].set;
    for (std::uint8_t cell : regions[other].cells) {
        if (places.has(cell)) {
            step.proof.push_back(Candidate::of(cell, digit));
        } else if (grid.has(cell, digit)) {
            step.eliminations.push_back(Candidate::of(cell, digit));
        }
    }
    step.units = {regions[locked].unit, regions[other].unit};
    return step;
}

// A region of the locked one's kind, crossing `other`, that the strikes leave
// one place for the digit.
bool takeFollowingSingles(const CandidateGrid& grid, int lockedKind, int locked, int other, int digit,
                          StepSink& sink)
{
    for (int r = lockedKind; r < lockedKind + 9; ++r) {
        if (r == locked || !crosses(r, other)) {
            continue;
        }
        const CellSet places = grid.cellsOf[digit] & regions[r].set;
        const CellSet left = places & ~regions[other].set;
        if (places.size() > 1 && left.size() == 1) {
            // Only the digit goes in: the reference rater's path keeps the
            // candidates that the lock rules out, and the rating follows it.
            Step step = lockedStep(grid, locked, other, digit);
            step.eliminations.clear();
            step.placements = {Candidate::of(left.first(), digit)};
            step.units.push_back(regions[r].unit);
            if (sink.take(std::move(step))) {
                return true;
            }
        }
    }
    return false;
}

// Every digit whose places in a region of kind `lockedKind` lie in one region
// of kind `otherKind`, regions in their order, digits rising.
bool scanLocked(const CandidateGrid& grid, int lockedKind, int otherKind, bool direct, StepSink& sink)
{
    for (int locked = lockedKind; locked < lockedKind + 9; ++locked) {
        for (int other = otherKind; other < otherKind + 9; ++other) {
            if (!crosses(locked, other)) {
                continue;
            }
            for (int digit = 1; digit <= 9; ++digit) {
                const CellSet places = grid.cellsOf[digit] & regions[locked].set;
                if (places.size() <= 1 || !(places & ~regions[other].set).empty()) {
                    continue;
                }
                if (direct) {
                    if (takeFollowingSingles(grid, lockedKind, locked, other, digit, sink)) {
                        return true;
                    }
                } else if (!(grid.cellsOf[digit] & regions[other].set & ~regions[locked].set).empty()
                           && sink.take(lockedStep(grid, locked, other, digit))) {
                    return true;
                }
            }
        }
    }
    return false;
}

}  // namespace

void scanDirectPointing(const CandidateGrid& grid, StepSink& sink)
{
    scanLocked(grid, firstBox, firstColumn, true, sink) || scanLocked(grid, firstBox, firstRow, true, sink);
}

void scanDirectClaiming(const CandidateGrid& grid, StepSink& sink)
{
    scanLocked(grid, firstColumn, firstBox, true, sink) || scanLocked(grid, firstRow, firstBox, true, sink);
}

void scanPointing(const CandidateGrid& grid, StepSink& sink)
{
    scanLocked(grid, firstBox, firstColumn, false, sink) || scanLocked(grid, firstBox, firstRow, false, sink);
}

void scanClaiming(const CandidateGrid& grid, StepSink& sink)
{
    scanLocked(grid, firstColumn, firstBox, false, sink) || scanLocked(grid, firstRow, firstBox, false, sink);
}

std::string lockingWords(const Step& step, const CandidateGrid&)
{
    const std::string digit = std::to_string(step.proof.front().digit);
    const std::string locked = unitName(step.units[0]);
    const std::string other = unitName(step.units[1]);
    std::string text = "In " + locked + ", the " + digit + " can only go in " + other + ", so it cannot be in "
                       + other + " outside " + locked;
    if (step.placements.empty()) {
        return text + ": " + struckText(step.eliminations) + ".";
    }
    return text + "; that leaves " + unitName(step.units[2]) + " only " + cellName(step.placements.front().cell)
           + " for its " + digit + ".";
}
