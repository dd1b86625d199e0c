#pragma once

#include "technique_table.h"

// Unique rectangles and loops: cells that pair off in their rows, columns
// and boxes and would hold only the same two digits could swap them, and a
// proper puzzle has one solution; so the cells that hold more (one, two or
// more of them) must keep a digit of their own. Types 1 to 4; a step's
// rating grows with the loop's length and, for type 3, the set's size. All
// steps of one grid come in order of rating, then type.
void scanUniqueLoops(const CandidateGrid& grid, StepSink& sink);

std::string uniqueLoopWords(const Step& step, const CandidateGrid& grid);
