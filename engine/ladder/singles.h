#pragma once

#include "technique_table.h"

// The singles: the last empty cell of a region, a digit with one place left
// in a box or a line, a cell with one candidate left.
void scanFullHouse(const CandidateGrid& grid, StepSink& sink);
void scanHiddenSingleInBox(const CandidateGrid& grid, StepSink& sink);
void scanHiddenSingleInLine(const CandidateGrid& grid, StepSink& sink);
void scanNakedSingle(const CandidateGrid& grid, StepSink& sink);

std::string fullHouseWords(const Step& step, const CandidateGrid& grid);
std::string hiddenSingleWords(const Step& step, const CandidateGrid& grid);
std::string nakedSingleWords(const Step& step, const CandidateGrid& grid);
