#pragma once

#include "candidate_grid.h"
#include "chain_nodes.h"
#include "step.h"

#include <vector>

// A chain step's record from the nodes it goes through, in order: its links,
// the candidates it rests on and its rating. What it concludes is added by
// the finder.
Step chainStep(double difficulty, const std::vector<Node>& nodes);

// What a chain's conclusion about one candidate does on the grid: off strikes
// the candidate; on places the digit and strikes the cell's other digits.
void concludeOn(const CandidateGrid& grid, Node conclusion, Step& step);
