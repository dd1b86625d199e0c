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

// Sudoku Explainer 1.2.1's ladder up to aligned pair exclusion, with its
// ratings and in its order: the order decides which step the rating's path
// takes, so it is the reference's own, not that of the ratings.
constexpr TechniqueRow rows[] = {
    {"full-house", "Last empty cell", 10, scanFullHouse, fullHouseWords},
    {"hidden-single-box", "Hidden single in a box", 12, scanHiddenSingleInBox, hiddenSingleWords},
    {"hidden-single-line", "Hidden single in a row or column", 15, scanHiddenSingleInLine, hiddenSingleWords},
    {"direct-pointing", "Pointing that leaves a single", 17, scanDirectPointing, lockingWords},
    {"direct-claiming", "Claiming that leaves a single", 19, scanDirectClaiming, lockingWords},
    {"direct-hidden-pair", "Hidden pair that leaves a single", 20, scanDirectHiddenSet<2>, hiddenSetWords},
    {"naked-single", "Naked single", 23, scanNakedSingle, nakedSingleWords},
    {"direct-hidden-triple", "Hidden triple that leaves a single", 25, scanDirectHiddenSet<3>, hiddenSetWords},
    {"pointing", "Pointing", 26, scanPointing, lockingWords},
    {"claiming", "Claiming", 28, scanClaiming, lockingWords},
    {"naked-pair", "Naked pair", 30, scanNakedSet<2>, nakedSetWords},
    {"x-wing", "X-Wing", 32, scanFish<2>, fishWords},
    {"hidden-pair", "Hidden pair", 34, scanHiddenSet<2>, hiddenSetWords},
    {"naked-triple", "Naked triple", 36, scanNakedSet<3>, nakedSetWords},
    {"swordfish", "Swordfish", 38, scanFish<3>, fishWords},
    {"hidden-triple", "Hidden triple", 40, scanHiddenSet<3>, hiddenSetWords},
    {"xy-wing", "XY-Wing", 42, scanXYWing, wingWords},
    {"xyz-wing", "XYZ-Wing", 44, scanXYZWing, wingWords},
    {"unique-rectangle", "Unique rectangle or loop", 45, scanUniqueLoops, uniqueLoopWords, true},
    {"naked-quad", "Naked quad", 50, scanNakedSet<4>, nakedSetWords},
    {"jellyfish", "Jellyfish", 52, scanFish<4>, fishWords},
    {"hidden-quad", "Hidden quad", 54, scanHiddenSet<4>, hiddenSetWords},
    {"bivalue-universal-grave", "Bivalue universal grave", 56, scanBivalueUniversalGrave,
     bivalueUniversalGraveWords, true},
    {"aligned-pair-exclusion", "Aligned pair exclusion", 62, scanAlignedPairExclusion, alignedPairExclusionWords},
    // Each chain technique hands over the chain the ladder ranks first of
    // all it finds: least difficulty (its base plus the length bonus), then
    // the shortest.
    {"chains-and-cycles", "Chains and cycles", 65, scanSingleChains, singleChainWords, false, singleChainNames,
     singleChainTitles},
    {"aligned-triplet-exclusion", "Aligned triplet exclusion", 75, scanAlignedTriplets, alignedTripletWords},
    {"nishio-forcing-chains", "Nishio forcing chains", 75, scanNishioChains, forcingChainWords, false, nishioNames,
     nishioTitles},
    {"multiple-forcing-chains", "Cell or region forcing chains", 80, scanMultipleChains, forcingChainWords, false,
     multipleNames, multipleTitles},
    {"dynamic-forcing-chains", "Dynamic forcing chains", 85, scanDynamicChains, forcingChainWords, false,
     dynamicNames, dynamicTitles},
    {"dynamic-forcing-chains-plus", "Dynamic forcing chains (+)", 90, scanDynamicChainsPlus, forcingChainWords, false,
     dynamicPlusNames, dynamicPlusTitles},
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
