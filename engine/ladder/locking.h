#pragma once

#include "technique_table.h"

// Locked candidates: a digit whose places in a box all lie in one line
// (pointing) or whose places in a line all lie in one box (claiming) leaves
// the rest of the other region. The direct forms count only where that
// leaves another region of the first kind one place for the digit, and
// place it there.
void scanDirectPointing(const CandidateGrid& grid, StepSink& sink);
void scanDirectClaiming(const CandidateGrid& grid, StepSink& sink);
void scanPointing(const CandidateGrid& grid, StepSink& sink);
void scanClaiming(const CandidateGrid& grid, StepSink& sink);

std::string lockingWords(const Step& step, const CandidateGrid& grid);
