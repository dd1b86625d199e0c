#pragma once

#include "candidate_grid.h"
#include "step.h"
#include "technique_table.h"

#include <optional>
#include <vector>

// Forcing chains that follow every consequence of an assumption at once, in
// four strengths the ladder tries in turn:
// - nishio (7.5): one digit only, its candidates struck as they are found
//   false; a candidate goes when assuming it (or its absence) contradicts
//   itself.
// - multiple (8.0): the grid as it stands, any links; every digit of a cell
//   (of three or more) or every place of a digit in a region leads to the
//   same conclusion, so it holds.
// - dynamic (8.5): the consequences strike candidates as they are found, so
//   that later singles see them gone; besides the cell and region forcing
//   chains, a contradiction, or a conclusion both ways a candidate can go.
// - dynamicPlus (9.0): dynamic, and once singles run dry, pointing,
//   claiming, pairs and X-Wings on the struck grid carry the chain further.
enum class ForcingLevel { nishio, multiple, dynamic, dynamicPlus };

enum class ForcingKind {
    contradiction,  // an assumption leads to a candidate both on and off
    bothWays,       // a candidate on and off lead to the same conclusion
    cell,           // each digit of a cell leads to the same conclusion
    region,         // each place of a digit in a region does
};

struct ForcingChainStep {
    Step step;
    ForcingKind kind = ForcingKind::contradiction;
};

// The step the ladder takes at this strength: least length (the difficulty
// is the strength's base plus the length bonus), then by kind (both ways,
// cell, region, contradiction), then the first found (cells in reading
// order, digits upwards).
std::optional<ForcingChainStep> findForcingChain(const CandidateGrid& grid, ForcingLevel level);

// Every such chain, in the ladder's order, leaving out those that strike
// and place exactly what an earlier one does: the first is the step.
std::vector<ForcingChainStep> allForcingChains(const CandidateGrid& grid, ForcingLevel level);

// The table's scans, one a strength: the ladder's step first, then, for a
// sink that asks for more, every other chain in order. A step's form is its
// ForcingKind.
void scanNishioChains(const CandidateGrid& grid, StepSink& sink);
void scanMultipleChains(const CandidateGrid& grid, StepSink& sink);
void scanDynamicChains(const CandidateGrid& grid, StepSink& sink);
void scanDynamicChainsPlus(const CandidateGrid& grid, StepSink& sink);
