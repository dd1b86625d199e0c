#pragma once

#include "candidate_grid.h"
#include "step.h"

#include <optional>
#include <span>
#include <string>

// Takes the steps a finder finds, one at a time; returns true to stop the
// finder there. The ladder stops at the first; the tests take them all.
class StepSink {
public:
    virtual bool take(Step&& step) = 0;

protected:
    ~StepSink() = default;
};

// The one table of the explaining techniques, which Hint, Check puzzle, the
// rating and explain all read. Rows stand in the order the ladder tries
// them; a step's `technique` is its row's index. Adding a technique is
// writing its finder and its words in a file of its own and adding its row.
struct TechniqueRow {
    const char* name;   // the word `rate` and `explain` print: "x-wing"
    const char* title;  // a player's name for it: "X-Wing"
    int rating;         // in tenths; the least a step of this row rates
    // Hands the technique's steps on the grid to the sink, the one the ladder
    // takes first, until the sink says stop. A step's rating may be left 0
    // where it is the row's.
    void (*scan)(const CandidateGrid& grid, StepSink& sink);
    // The step's reason in a player's words, on the grid it was found on.
    std::string (*words)(const Step& step, const CandidateGrid& grid);
    // What the technique does, in one sentence for a player who does not
    // know its name; none where the title says it all.
    const char* idea = nullptr;
    // Rests on the puzzle having one solution: never tried on a grid with
    // several.
    bool needsUniqueSolution = false;
    // Where a step's `form` tells apart techniques with names of their own
    // (a cycle or a forcing chain), their names, titles and ideas by form.
    const char* const* formNames = nullptr;
    const char* const* formTitles = nullptr;
    const char* const* formIdeas = nullptr;
};

std::span<const TechniqueRow> techniqueTable();

// The name, title and idea of a step of the row `technique` in the form
// `form`: the form's own where the row names its forms, else the row's.
const char* techniqueName(int technique, int form);
const char* techniqueTitle(int technique, int form);
// What it does in plain words, or none.
const char* techniqueIdea(int technique, int form);

// The first step of the table's row `technique` on the grid, its technique
// and rating filled in; none when the technique finds nothing.
std::optional<Step> findFirst(int technique, const CandidateGrid& grid);
