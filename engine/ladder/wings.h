#pragma once

#include "technique_table.h"

// XY-Wing: a cell holding x and y sees a cell holding x and z and one holding
// y and z; one of those two is z, so no cell seeing both can be z. XYZ-Wing:
// the same with x, y and z in the first cell, which then must be seen too.
void scanXYWing(const CandidateGrid& grid, StepSink& sink);
void scanXYZWing(const CandidateGrid& grid, StepSink& sink);

std::string wingWords(const Step& step, const CandidateGrid& grid);
