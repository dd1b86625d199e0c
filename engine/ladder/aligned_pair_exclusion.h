#pragma once

#include "technique_table.h"

// Aligned pair exclusion: two cells take a pair of digits together; a pair
// that would leave a two-digit cell seeing both with nothing, or put one
// digit twice into a region, is out, and a digit of one cell that every
// remaining pair leaves out goes.
void scanAlignedPairExclusion(const CandidateGrid& grid, StepSink& sink);

std::string alignedPairExclusionWords(const Step& step, const CandidateGrid& grid);
