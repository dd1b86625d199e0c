#include "multiple_chains.h"

#include "chain_nodes.h"
#include "chain_rank.h"
#include "chain_steps.h"
#include "implications.h"
#include "propagation.h"
#include "time_limit.h"

#include <array>
#include <limits>
#include <memory>
#include <vector>

namespace {

// The order among kinds of equal length.
constexpr int bothWaysRank = 1;
constexpr int cellRank = 5;
constexpr int regionRank = 6;
constexpr int contradictionRank = 7;

struct Strength {
    double base;
    bool dynamic;
    bool nishio;
    bool subsets;
};

Strength strengthOf(ForcingLevel level)
{
    switch (level) {
    case ForcingLevel::nishio:
        return {7.5, true, true, false};
    case ForcingLevel::multiple:
        return {8.0, false, false, false};
    case ForcingLevel::dynamic:
        return {8.5, true, false, false};
    case ForcingLevel::dynamicPlus:
        break;
    }
    return {9.0, true, false, true};
}

// Writes a line of inference into a step: each node after the nodes it
// follows from, with a link from each of them.
class BranchWriter {
public:
    void write(Step& step, const Propagation& run, Node target)
    {
        begin(step);
        visit(step, run, target);
    }

    // A node that was reached a second time in the other state, through its
    // own parents, ending a line at a contradiction.
    void writeNew(Step& step, const Propagation& run, Node node, const std::vector<Node>& parents)
    {
        begin(step);
        for (Node parent : parents) {
            visit(step, run, parent);
        }
        for (Node parent : parents) {
            step.chain.push_back({chainNode(parent), chainNode(node)});
        }
    }

private:
    void begin(Step& step)
    {
        ++stamp_;
        step.chainBranches.push_back(static_cast<int>(step.chain.size()));
    }

    void visit(Step& step, const Propagation& run, Node node)
    {
        if (written_[node] == stamp_) {
            return;
        }
        written_[node] = stamp_;
        for (const Node* parent = run.parentsBegin(node); parent != run.parentsEnd(node); ++parent) {
            visit(step, run, *parent);
        }
        for (const Node* parent = run.parentsBegin(node); parent != run.parentsEnd(node); ++parent) {
            step.chain.push_back({chainNode(*parent), chainNode(node)});
        }
    }

    std::array<std::uint32_t, nodeCount> written_{};
    std::uint32_t stamp_ = 0;
};

// What a search keeps between calls, so that the many propagations of one
// search allocate nothing once the first searches have run.
struct ForcingWorkspace {
    std::array<std::unique_ptr<Propagation>, candidateCount> onRuns;
    Propagation offRun;
    AncestorCounter counter;
    BranchWriter writer;
};

class ForcingChainSearch {
public:
    // With `all`, every chain found is kept there, in the order found,
    // instead of the best alone.
    ForcingChainSearch(const CandidateGrid& grid, ForcingLevel level, ForcingWorkspace& workspace,
                       std::vector<RankedChain<ForcingChainStep>>* all)
        : all_(all), grid_(grid), links_(LinkLists::of(grid)), counts_(PlaceCounts::of(grid)), strength_(strengthOf(level)), onRuns_(workspace.onRuns),
          offRun_(workspace.offRun),
          counter_(workspace.counter), writer_(workspace.writer)
    {
        mode_.dynamic = strength_.dynamic;
        mode_.cellLinks = !strength_.nishio;
        mode_.subsets = strength_.subsets;
    }

    std::optional<ForcingChainStep> run()
    {
        for (int row = 0; row < 9; ++row) {
            for (int column = 0; column < 9; ++column) {
                const int cell = cellIndex(column, row);
                const int count = bitTotal(grid_.candidates[cell]);
                if (count > 2 || (count > 1 && strength_.dynamic)) {
                    searchCell(cell, count);
                }
            }
        }
        return best_;
    }

private:
    const Propagation& assume(int cell, int digit)
    {
        const int index = (digit - 1) * 81 + cell;
        if (!onRuns_[index]) {
            onRuns_[index] = std::make_unique<Propagation>();
        }
        if (!done_[index]) {
            checkTimeLimit();
            onRuns_[index]->run(grid_, links_, counts_, nodeOf(cell, digit, true), mode_);
            done_[index] = true;
        }
        return *onRuns_[index];
    }

    void searchCell(int cell, int count)
    {
        for (int digit = 1; digit <= 9; ++digit) {
            if (!grid_.has(cell, digit)) {
                continue;
            }
            const Propagation& on = assume(cell, digit);
            const bool contradictions = strength_.dynamic;
            const bool bothWays = count >= 3 && strength_.dynamic && !strength_.nishio;
            if (contradictions || bothWays) {
                checkTimeLimit();
                offRun_.run(grid_, links_, counts_, nodeOf(cell, digit, false), mode_);
            }
            if (contradictions) {
                offerContradiction(on);
                offerContradiction(offRun_);
            }
            if (bothWays) {
                offerBothWays(on);
            }
            if (!strength_.nishio) {
                for (int unit : regionsInChainOrder(cell)) {
                    searchRegion(unit, cell, digit);
                }
            }
        }
        if (!strength_.nishio) {
            searchWholeCell(cell);
        }
    }

    bool worthTrying(int lowerBound, int kind) const
    {
        return all_ != nullptr || ranksBefore({chainDifficulty(strength_.base, lowerBound), lowerBound, kind}, rank_);
    }

    // Takes the conclusion when its exact length ranks it first; `write`
    // fills in the lines of inference.
    template <class Write>
    void offer(int length, int kind, Node conclusion, ForcingKind name, Write&& write)
    {
        const ChainRank rank{chainDifficulty(strength_.base, length), length, kind};
        if (all_ == nullptr && !ranksBefore(rank, rank_)) {
            return;
        }
        Step step;
        step.rating = ratingInTenths(rank.difficulty);
        concludeOn(grid_, conclusion, step);
        if (step.eliminations.empty()) {
            return;
        }
        write(step);
        if (all_ != nullptr) {
            all_->push_back({rank, ForcingChainStep{std::move(step), name}});
            return;
        }
        rank_ = rank;
        best_ = ForcingChainStep{std::move(step), name};
    }

    void offerContradiction(const Propagation& run)
    {
        if (!run.contradiction()) {
            return;
        }
        const Node kept = run.conflictKept();
        const std::vector<Node>& parents = run.conflictNewParents();
        const int lowerBound = run.pathLength(kept) + run.pathLength(parents.front()) + 1;
        if (!worthTrying(lowerBound, contradictionRank)) {
            return;
        }
        const int length = counter_.count(run, kept) + counter_.countNew(run, parents);
        offer(length, contradictionRank, negation(run.assumption()), ForcingKind::contradiction, [&](Step& step) {
            step.proof.push_back(chainNode(run.assumption()).candidate);
            writer_.write(step, run, kept);
            writer_.writeNew(step, run, run.conflictNew(), parents);
        });
    }

    void offerBothWays(const Propagation& on)
    {
        for (std::span<const Node> nodes : {on.ons(), on.offs()}) {
            for (Node node : nodes) {
                if (!offRun_.has(node)) {
                    continue;
                }
                if (!worthTrying(on.pathLength(node) + offRun_.pathLength(node), bothWaysRank)) {
                    continue;
                }
                const int length = counter_.count(on, node) + counter_.count(offRun_, node);
                offer(length, bothWaysRank, node, ForcingKind::bothWays, [&](Step& step) {
                    step.proof.push_back(chainNode(on.assumption()).candidate);
                    writer_.write(step, on, node);
                    writer_.write(step, offRun_, node);
                });
            }
        }
    }

    // Conclusions common to every assumption of a group (a cell's digits, or
    // a digit's places in `unit`), in the order the first one reached them.
    void offerCommon(const std::vector<const Propagation*>& runs, int kind, ForcingKind name, int unit)
    {
        NodeSet common = runs.front()->reached();
        for (const Propagation* run : runs) {
            for (int digit = 1; digit <= 9; ++digit) {
                common.on.cellsOf[digit] &= run->reached().on.cellsOf[digit];
                common.off.cellsOf[digit] &= run->reached().off.cellsOf[digit];
            }
        }
        for (std::span<const Node> nodes : {runs.front()->ons(), runs.front()->offs()}) {
            for (Node node : nodes) {
                if (!common.has(node)) {
                    continue;
                }
                int lowerBound = 0;
                for (const Propagation* run : runs) {
                    lowerBound += run->pathLength(node);
                }
                if (!worthTrying(lowerBound, kind)) {
                    continue;
                }
                int length = 0;
                for (const Propagation* run : runs) {
                    length += counter_.count(*run, node);
                }
                offer(length, kind, node, name, [&](Step& step) {
                    for (const Propagation* run : runs) {
                        step.proof.push_back(chainNode(run->assumption()).candidate);
                        writer_.write(step, *run, node);
                    }
                    if (unit >= 0) {
                        step.units.push_back(unit);
                    }
                });
            }
        }
    }

    // Once, from the first place of the digit in the region.
    void searchRegion(int unit, int cell, int digit)
    {
        const CellSet places = unitSet[unit] & grid_.cellsOf[digit];
        if (places.size() < 2) {
            return;
        }
        int first = -1;
        forEachInReadingOrder(unit, places, [&](int c) {
            if (first < 0) {
                first = c;
            }
        });
        if (first != cell) {
            return;
        }
        std::vector<const Propagation*> runs;
        forEachInReadingOrder(unit, places, [&](int c) { runs.push_back(&assume(c, digit)); });
        offerCommon(runs, regionRank, ForcingKind::region, unit);
    }

    void searchWholeCell(int cell)
    {
        std::vector<const Propagation*> runs;
        for (int digit = 1; digit <= 9; ++digit) {
            if (grid_.has(cell, digit)) {
                runs.push_back(&assume(cell, digit));
            }
        }
        offerCommon(runs, cellRank, ForcingKind::cell, -1);
    }

    std::vector<RankedChain<ForcingChainStep>>* all_;
    const CandidateGrid& grid_;
    const LinkLists& links_;
    PlaceCounts counts_;
    Strength strength_;
    PropagationMode mode_;
    std::array<std::unique_ptr<Propagation>, candidateCount>& onRuns_;
    std::array<bool, candidateCount> done_{};
    Propagation& offRun_;
    AncestorCounter& counter_;
    BranchWriter& writer_;
    ChainRank rank_{std::numeric_limits<double>::infinity(), 0, 0};
    std::optional<ForcingChainStep> best_;
};

ForcingWorkspace& workspace()
{
    thread_local ForcingWorkspace kept;
    return kept;
}

}  // namespace

std::optional<ForcingChainStep> findForcingChain(const CandidateGrid& grid, ForcingLevel level)
{
    return ForcingChainSearch(grid, level, workspace(), nullptr).run();
}

std::vector<ForcingChainStep> allForcingChains(const CandidateGrid& grid, ForcingLevel level)
{
    std::vector<RankedChain<ForcingChainStep>> found;
    ForcingChainSearch(grid, level, workspace(), &found).run();
    return inLadderOrder(std::move(found));
}

namespace {

void scanAtLevel(const CandidateGrid& grid, ForcingLevel level, StepSink& sink)
{
    std::optional<ForcingChainStep> first = findForcingChain(grid, level);
    if (!first) {
        return;
    }
    first->step.form = static_cast<int>(first->kind);
    if (sink.take(std::move(first->step))) {
        return;
    }
    std::vector<ForcingChainStep> all = allForcingChains(grid, level);
    for (std::size_t i = 1; i < all.size(); ++i) {
        all[i].step.form = static_cast<int>(all[i].kind);
        if (sink.take(std::move(all[i].step))) {
            return;
        }
    }
}

}  // namespace

void scanNishioChains(const CandidateGrid& grid, StepSink& sink) { scanAtLevel(grid, ForcingLevel::nishio, sink); }
void scanMultipleChains(const CandidateGrid& grid, StepSink& sink) { scanAtLevel(grid, ForcingLevel::multiple, sink); }
void scanDynamicChains(const CandidateGrid& grid, StepSink& sink) { scanAtLevel(grid, ForcingLevel::dynamic, sink); }
void scanDynamicChainsPlus(const CandidateGrid& grid, StepSink& sink)
{
    scanAtLevel(grid, ForcingLevel::dynamicPlus, sink);
}
