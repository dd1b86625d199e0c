#pragma once

#include "candidate_grid.h"
#include "step.h"

#include <optional>
#include <span>
#include <string>

// The one table of the explaining techniques, which Hint, Check puzzle, the
// rating and explain all read. Rows stand in the order the ladder tries
// them; a step's `technique` is its row's index. Adding a technique is
// writing its finder and its words in a file of its own and adding its row.
struct TechniqueRow {
    const char* name;   // the word `rate` and `explain` print: "x-wing"
    const char* title;  // a player's name for it: "X-Wing"
    int rating;         // in tenths; the least a step of this row rates
    // The step the ladder takes with this technique on the grid, or none.
    std::optional<Step> (*find)(const CandidateGrid& grid);
    // The step's reason in a player's words, on the grid it was found on.
    std::string (*words)(const Step& step, const CandidateGrid& grid);
};

std::span<const TechniqueRow> techniqueTable();
