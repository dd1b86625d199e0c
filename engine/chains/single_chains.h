#pragma once

#include "candidate_grid.h"
#include "step.h"
#include "technique_table.h"

#include <optional>
#include <vector>

// Chains that follow one line of inference from one candidate, on the grid as
// it stands (no assumption changes it), in three kinds of link:
// - X: one digit only; "not here, so there" within a region (bilocal links).
// - Y: "not this digit, so that one" within a cell of two digits (bivalue
//   links), with the weak links of any kind in between.
// - XY: both.
// A cycle goes round back to its first candidate through alternating weak and
// strong links: every candidate that sees a true and a false node of it (of
// its own digit, outside its cells) goes, whichever way round it is read.
// A forcing chain leads from a candidate to its own negation: "if r1c1 is 5,
// then ... r1c1 is not 5", so it is not; or "if not, then it is", so it is.
//
// Of all the chains every empty cell's candidates start, the step is the one
// the ladder ranks first: least difficulty (X- and Y-cycles 6.5, forcing
// X-chains 6.6, XY-cycles and forcing chains 7.0, plus the length bonus),
// then the shortest, then by kind, then the first found (X chains first, then
// Y, then XY; cells in reading order, digits upwards).
enum class SingleChainKind {
    xCycle,
    yCycle,
    cycle,           // XY
    forcingXChain,
    forcingChain,    // XY
};

struct SingleChainStep {
    Step step;
    SingleChainKind kind = SingleChainKind::cycle;
};

std::optional<SingleChainStep> findSingleChain(const CandidateGrid& grid);

// Every such chain, in the ladder's order, leaving out those that strike
// and place exactly what an earlier one does: the first is the step.
std::vector<SingleChainStep> allSingleChains(const CandidateGrid& grid);

// The table's scan: the ladder's step first, then, for a sink that asks for
// more, every other chain in order. A step's form is its SingleChainKind.
void scanSingleChains(const CandidateGrid& grid, StepSink& sink);
