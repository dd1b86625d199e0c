#pragma once

#include "candidate_grid.h"
#include "step.h"

#include <string>
#include <vector>

// A chain step's reason in a player's words, read along its links: "If row 3,
// column 5 is not 7, row 3, column 8 is 7, so row 6, column 8 is not 7, ...".
std::string singleChainWords(const Step& step, const CandidateGrid& grid);
std::string forcingChainWords(const Step& step, const CandidateGrid& grid);
std::string alignedTripletWords(const Step& step, const CandidateGrid& grid);

// The chain in the forums' link notation, a line per line of inference:
// "(7)r3c5=(7)r3c8-(7)r6c8=(7)r6c2": "=" a strong link (not the one, so the
// other), "-" a weak one (the one, so not the other), "(7=3)r2c2" a cell's
// two digits. Empty for a step without a chain.
std::vector<std::string> chainNotation(const Step& step);
