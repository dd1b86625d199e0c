#pragma once

#include "candidate_grid.h"
#include "chain_nodes.h"
#include "step.h"

#include <functional>
#include <vector>

// What the dynamic chains that look further than singles (9.0 and up) may
// use once singles run dry on the working grid: pointing and claiming, then
// hidden pairs, then naked pairs, then X-Wings, the first of these that
// finds anything that the chain made possible. Each instance is handed over
// with the candidates it strikes and its reasons: the candidates the chain
// struck (present in `source`, gone from `work`) without which it would not
// hold. An instance with no such reason was there before the chain and is
// left out.
using SubsetStrikes = std::function<void(const std::vector<Candidate>& struck, const std::vector<Node>& reasons)>;

void forFirstSubsetStrikes(const CandidateGrid& source, const CandidateGrid& work, const SubsetStrikes& take);
