#pragma once

#include "candidate_grid.h"
#include "step.h"
#include "technique_table.h"


// Aligned triplet exclusion (7.5): three cells, each with two digits or more,
// that share at least two "excluders" (cells of two or three digits each
// sees). A way of filling the three with their digits is ruled out when two
// cells that see each other take the same digit, or when it takes every
// digit of an excluder. A digit of a cell that no remaining way gives it
// goes.
//
// The cells are tried as the ladder tries them: every pair of cells taken in
// reading order (pairs ordered by their later cell, then their earlier
// one), and for each pair every third cell of two or three digits that one
// of them sees; the first that strikes anything is the step. No cell whose
// peers hold a naked single is tried: the single comes first anyway. The
// table's scan hands every such step in this order.
void scanAlignedTriplets(const CandidateGrid& grid, StepSink& sink);
