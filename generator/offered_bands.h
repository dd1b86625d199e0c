#pragma once

#include "rated_puzzle.h"

#include <string>
#include <vector>

// The bands of ER that New puzzle by rating offers, named in words.
struct OfferedBand {
    std::string name;  // "Hard", "Diabolical, chains"
    RatingBand band;
};

// The grades' bands, the diabolical one split where its hardest step starts
// to need chains (6.5), forcing chains that follow every consequence of a
// guess (7.5) and dynamic forcing chains (8.5). The last band has no upper
// end: a chain's length adds to its rating.
std::vector<OfferedBand> offeredBands();

// "2.5 – 4.9", or "8.5 and up" for a band with no upper end.
std::string bandText(RatingBand band);
