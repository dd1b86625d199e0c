#pragma once

#include "technique_table.h"

// Naked sets: n cells of a region that hold only n digits between them leave
// those digits to no other cell of the region. Hidden sets: n digits that
// fit only in n cells of a region leave those cells no other digit; the
// direct forms count only where that leaves another digit one place in the
// region, and place it there.
template <int size>
void scanNakedSet(const CandidateGrid& grid, StepSink& sink);
template <int size>
void scanHiddenSet(const CandidateGrid& grid, StepSink& sink);
template <int size>
void scanDirectHiddenSet(const CandidateGrid& grid, StepSink& sink);

std::string nakedSetWords(const Step& step, const CandidateGrid& grid);
std::string hiddenSetWords(const Step& step, const CandidateGrid& grid);
