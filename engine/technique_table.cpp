#include "technique_table.h"

#include "ladder/aligned_pair_exclusion.h"
#include "ladder/bug.h"
#include "ladder/fish.h"
#include "ladder/locking.h"
#include "ladder/singles.h"
#include "ladder/subsets.h"
#include "ladder/unique_loops.h"
#include "ladder/wings.h"
#include "chains/aligned_triplets.h"
#include "chains/chain_words.h"
#include "chains/multiple_chains.h"
#include "chains/single_chains.h"

namespace {

// By SingleChainKind.
constexpr const char* singleChainNames[] = {"x-cycle", "y-cycle", "cycle", "forcing-x-chain", "forcing-chain"};
constexpr const char* singleChainTitles[] = {"X-cycle", "Y-cycle", "Bidirectional cycle", "Forcing X-chain",
                                             "Forcing chain"};
// By ForcingKind, for each strength.
constexpr const char* nishioNames[] = {"nishio-forcing-chains"};
constexpr const char* nishioTitles[] = {"Nishio forcing chains"};
constexpr const char* multipleNames[] = {"", "", "cell-forcing-chains", "region-forcing-chains"};
constexpr const char* multipleTitles[] = {"", "", "Cell forcing chains", "Region forcing chains"};
constexpr const char* dynamicNames[] = {"dynamic-contradiction-forcing-chains", "dynamic-double-forcing-chains",
                                        "dynamic-cell-forcing-chains", "dynamic-region-forcing-chains"};
constexpr const char* dynamicTitles[] = {"Dynamic contradiction forcing chains", "Dynamic double forcing chains",
                                         "Dynamic cell forcing chains", "Dynamic region forcing chains"};
constexpr const char* dynamicPlusNames[] = {
    "dynamic-contradiction-forcing-chains-plus", "dynamic-double-forcing-chains-plus",
    "dynamic-cell-forcing-chains-plus", "dynamic-region-forcing-chains-plus"};
constexpr const char* dynamicPlusTitles[] = {
    "Dynamic contradiction forcing chains (+)", "Dynamic double forcing chains (+)",
    "Dynamic cell forcing chains (+)", "Dynamic region forcing chains (+)"};

// What each form does, in a sentence for a player who does not know its
// name.
constexpr const char* singleChainIdeas[] = {
    "Places of one digit linked round a loop through rows, columns and boxes hold it at every other place, either "
    "way round, so no cell that sees both ends of a link can hold it.",
    "Cells of two digits linked round a loop, each sharing a digit with the next, hold one of each shared pair, "
    "either way round, so no cell that sees both ends of a link can hold its digit.",
    "Candidates linked round a loop, through cells and through rows, columns and boxes, are true at every other "
    "link, either way round, so a candidate that sees both ends of a link cannot be.",
    "Following one digit from place to place, taking a place as holding it (or not) leads to the opposite, so it "
    "cannot be so.",
    "Following digits from candidate to candidate, through cells and through rows, columns and boxes, taking a "
    "candidate as true (or false) leads to the opposite, so it cannot be so.",
};
constexpr const char* nishioIdeas[] = {
    "Putting a digit in a cell and following where that digit must then go, and must not, leads to a "
    "contradiction, so it cannot be there.",
};
constexpr const char* multipleIdeas[] = {
    "", "",
    "Whichever digit a cell takes, following what it forces leads to the same conclusion, so that conclusion holds.",
    "Wherever a digit goes in a row, column or box, following what it forces leads to the same conclusion, so that "
    "conclusion holds.",
};
constexpr const char* dynamicIdeas[] = {
    "Taking a candidate as true, and following all it forces as the grid changes, leads to a contradiction, so it "
    "is false.",
    "A candidate taken as true and taken as false forces the same conclusion either way, following all it forces "
    "as the grid changes, so that conclusion holds.",
    "Whichever digit a cell takes, following all it forces as the grid changes leads to the same conclusion, so "
    "that conclusion holds.",
    "Wherever a digit goes in a row, column or box, following all it forces as the grid changes leads to the same "
    "conclusion, so that conclusion holds.",
};
constexpr const char* dynamicPlusIdeas[] = {
    "Taking a candidate as true, and following all it forces as the grid changes, pointing, claiming, pairs and "
    "X-Wings included, leads to a contradiction, so it is false.",
    "A candidate taken as true and taken as false forces the same conclusion either way, following all it forces "
    "as the grid changes, pointing, claiming, pairs and X-Wings included, so that conclusion holds.",
    "Whichever digit a cell takes, following all it forces as the grid changes, pointing, claiming, pairs and "
    "X-Wings included, leads to the same conclusion, so that conclusion holds.",
    "Wherever a digit goes in a row, column or box, following all it forces as the grid changes, pointing, "
    "claiming, pairs and X-Wings included, leads to the same conclusion, so that conclusion holds.",
};

// Sudoku Explainer 1.2.1's ladder up to aligned pair exclusion, with its
// ratings and in its order: the order decides which step the rating's path
// takes, so it is the reference's own, not that of the ratings.
constexpr TechniqueRow rows[] = {
    {"full-house", "Last empty cell", 10, scanFullHouse, fullHouseWords,
     "A row, column or box with one empty cell left takes its missing digit there."},
    {"hidden-single-box", "Hidden single in a box", 12, scanHiddenSingleInBox, hiddenSingleWords,
     "A digit that fits in only one cell of a box goes there."},
    {"hidden-single-line", "Hidden single in a row or column", 15, scanHiddenSingleInLine, hiddenSingleWords,
     "A digit that fits in only one cell of a row or column goes there."},
    {"direct-pointing", "Pointing that leaves a single", 17, scanDirectPointing, lockingWords,
     "A digit whose places in a box all lie in one row or column cannot be elsewhere in that line, which leaves it "
     "one place in another box."},
    {"direct-claiming", "Claiming that leaves a single", 19, scanDirectClaiming, lockingWords,
     "A digit whose places in a row or column all lie in one box cannot be elsewhere in that box, which leaves it "
     "one place in another row or column."},
    {"direct-hidden-pair", "Hidden pair that leaves a single", 20, scanDirectHiddenSet<2>, hiddenSetWords,
     "Two digits that fit only in the same two cells of a row, column or box take those cells, which leaves another "
     "digit one place."},
    {"naked-single", "Naked single", 23, scanNakedSingle, nakedSingleWords,
     "A cell that every digit but one is ruled out of takes that digit."},
    {"direct-hidden-triple", "Hidden triple that leaves a single", 25, scanDirectHiddenSet<3>, hiddenSetWords,
     "Three digits that fit only in the same three cells of a row, column or box take those cells, which leaves "
     "another digit one place."},
    {"pointing", "Pointing", 26, scanPointing, lockingWords,
     "A digit whose places in a box all lie in one row or column cannot be elsewhere in that line."},
    {"claiming", "Claiming", 28, scanClaiming, lockingWords,
     "A digit whose places in a row or column all lie in one box cannot be elsewhere in that box."},
    {"naked-pair", "Naked pair", 30, scanNakedSet<2>, nakedSetWords,
     "Two cells of a row, column or box that can hold only the same two digits take them, so no other cell there "
     "can."},
    {"x-wing", "X-Wing", 32, scanFish<2>, fishWords,
     "A digit whose places in two rows lie in the same two columns cannot be elsewhere in those columns (or the "
     "same with columns and rows)."},
    {"hidden-pair", "Hidden pair", 34, scanHiddenSet<2>, hiddenSetWords,
     "Two digits that fit only in the same two cells of a row, column or box take those cells, so those cells hold "
     "no other digit."},
    {"naked-triple", "Naked triple", 36, scanNakedSet<3>, nakedSetWords,
     "Three cells of a row, column or box that can hold only three digits between them take those digits, so no "
     "other cell there can."},
    {"swordfish", "Swordfish", 38, scanFish<3>, fishWords,
     "A digit whose places in three rows lie in the same three columns cannot be elsewhere in those columns (or the "
     "same with columns and rows)."},
    {"hidden-triple", "Hidden triple", 40, scanHiddenSet<3>, hiddenSetWords,
     "Three digits that fit only in the same three cells of a row, column or box take those cells, so those cells "
     "hold no other digit."},
    {"xy-wing", "XY-Wing", 42, scanXYWing, wingWords,
     "A cell of two digits sees two cells that each share one of them and hold a third digit besides: one of the "
     "two takes that third digit, so no cell that sees both can."},
    {"xyz-wing", "XYZ-Wing", 44, scanXYZWing, wingWords,
     "A cell of three digits sees two cells of two of them, all three sharing one digit: one of the three takes it, "
     "so no cell that sees all three can."},
    {"unique-rectangle", "Unique rectangle or loop", 45, scanUniqueLoops, uniqueLoopWords,
     "Cells that could swap two digits between them would give the puzzle two solutions, so one of them must hold "
     "another digit.", true},
    {"naked-quad", "Naked quad", 50, scanNakedSet<4>, nakedSetWords,
     "Four cells of a row, column or box that can hold only four digits between them take those digits, so no other "
     "cell there can."},
    {"jellyfish", "Jellyfish", 52, scanFish<4>, fishWords,
     "A digit whose places in four rows lie in the same four columns cannot be elsewhere in those columns (or the "
     "same with columns and rows)."},
    {"hidden-quad", "Hidden quad", 54, scanHiddenSet<4>, hiddenSetWords,
     "Four digits that fit only in the same four cells of a row, column or box take those cells, so those cells "
     "hold no other digit."},
    {"bivalue-universal-grave", "Bivalue universal grave", 56, scanBivalueUniversalGrave,
     bivalueUniversalGraveWords,
     "Were every empty cell down to two digits, the puzzle would have two solutions, so a cell with a third digit "
     "must take it.", true},
    {"aligned-pair-exclusion", "Aligned pair exclusion", 62, scanAlignedPairExclusion, alignedPairExclusionWords,
     "Two cells that see each other cannot take a pair of digits that would leave a cell both of them see without a "
     "digit."},
    // Each chain technique hands over the chain the ladder ranks first of
    // all it finds: least difficulty (its base plus the length bonus), then
    // the shortest.
    {"chains-and-cycles", "Chains and cycles", 65, scanSingleChains, singleChainWords, nullptr, false,
     singleChainNames, singleChainTitles, singleChainIdeas},
    {"aligned-triplet-exclusion", "Aligned triplet exclusion", 75, scanAlignedTriplets, alignedTripletWords,
     "Three cells cannot take digits together that would leave a cell all of them see without a digit."},
    {"nishio-forcing-chains", "Nishio forcing chains", 75, scanNishioChains, forcingChainWords, nullptr, false,
     nishioNames, nishioTitles, nishioIdeas},
    {"multiple-forcing-chains", "Cell or region forcing chains", 80, scanMultipleChains, forcingChainWords, nullptr,
     false, multipleNames, multipleTitles, multipleIdeas},
    {"dynamic-forcing-chains", "Dynamic forcing chains", 85, scanDynamicChains, forcingChainWords, nullptr, false,
     dynamicNames, dynamicTitles, dynamicIdeas},
    {"dynamic-forcing-chains-plus", "Dynamic forcing chains (+)", 90, scanDynamicChainsPlus, forcingChainWords,
     nullptr, false, dynamicPlusNames, dynamicPlusTitles, dynamicPlusIdeas},
};

class FirstStep final : public StepSink {
public:
    bool take(Step&& step) override
    {
        first = std::move(step);
        return true;
    }
    std::optional<Step> first;
};

}  // namespace

std::span<const TechniqueRow> techniqueTable() { return rows; }

std::optional<Step> findFirst(int technique, const CandidateGrid& grid)
{
    FirstStep sink;
    rows[technique].scan(grid, sink);
    if (sink.first) {
        sink.first->technique = technique;
        sink.first->rating = sink.first->rating != 0 ? sink.first->rating : rows[technique].rating;
    }
    return std::move(sink.first);
}

const char* techniqueName(int technique, int form)
{
    const TechniqueRow& row = rows[technique];
    return row.formNames != nullptr ? row.formNames[form] : row.name;
}

const char* techniqueTitle(int technique, int form)
{
    const TechniqueRow& row = rows[technique];
    return row.formTitles != nullptr ? row.formTitles[form] : row.title;
}

const char* techniqueIdea(int technique, int form)
{
    const TechniqueRow& row = rows[technique];
    return row.formIdeas != nullptr ? row.formIdeas[form] : row.idea;
}
