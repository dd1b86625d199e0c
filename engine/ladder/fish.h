#pragma once

#include "technique_table.h"

// Basic fish: n lines (columns or rows) in which a digit fits only in the
// same n crossing lines leave those crossing lines no other place for it:
// X-Wing (2), Swordfish (3), Jellyfish (4).
template <int size>
void scanFish(const CandidateGrid& grid, StepSink& sink);

std::string fishWords(const Step& step, const CandidateGrid& grid);
