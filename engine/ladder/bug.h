#pragma once

#include "technique_table.h"

// The bivalue universal grave: were a few cells' odd digits gone, every empty
// cell would hold two digits and every digit two places in each region it is
// missing from; such a grid has two solutions, so the odd digits cannot all
// go. Types 1 to 4.
void scanBivalueUniversalGrave(const CandidateGrid& grid, StepSink& sink);

std::string bivalueUniversalGraveWords(const Step& step, const CandidateGrid& grid);
