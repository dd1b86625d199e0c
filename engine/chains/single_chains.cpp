#include "single_chains.h"

#include "chain_nodes.h"
#include "chain_rank.h"
#include "chain_steps.h"
#include "implications.h"
#include "link_lists.h"
#include "time_limit.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <limits>
#include <vector>

namespace {

struct LinkMode {
    bool cellLinks;    // Y: a cell's digits link
    bool regionLinks;  // X: strong links between a digit's two places in a region
    double cycleBase;
    int cycleKind;
    SingleChainKind cycleName;
    bool forcing;      // forcing chains need X links: a Y-chain back to its start has both parities
    double forcingBase;
    int forcingKind;
    SingleChainKind forcingName;
};

constexpr LinkMode linkModes[] = {
    {false, true, 6.5, 2, SingleChainKind::xCycle, true, 6.6, 2, SingleChainKind::forcingXChain},
    {true, false, 6.5, 3, SingleChainKind::yCycle, false, 0.0, 0, SingleChainKind::forcingChain},
    {true, true, 7.0, 4, SingleChainKind::cycle, true, 7.0, 4, SingleChainKind::forcingChain},
};

constexpr ChainRank noneYet{std::numeric_limits<double>::infinity(), 0, 0};

// The inferences from one start, breadth first: all pending "on" nodes, then
// all pending "off" nodes, and so on, each node kept with the first node it
// was reached from. A node reached in the k-th pair of rounds rests on a
// chain of 2k nodes, so the search stops once chains that long can no
// longer rank first.
class InferenceTree {
public:
    InferenceTree(const LinkLists& links, const LinkMode& mode) : links_(links), mode_(mode) {}

    // weak(from, to, round) for every weak link followed, even to a node
    // already reached; strong(from, to, round) likewise; longest() the
    // longest chain still worth growing towards.
    template <class Weak, class Strong, class Longest>
    void grow(Node start, Weak&& weak, Strong&& strong, Longest&& longest)
    {
        ++stamp_;
        reach(start, start);
        onCount_ = offCount_ = 0;
        (nodeOn(start) ? ons_[onCount_++] : offs_[offCount_++]) = start;
        int onHead = 0;
        int offHead = 0;
        for (int round = 1; onHead < onCount_ || offHead < offCount_; ++round) {
            if (2 * round > longest()) {
                return;
            }
            for (const int end = onCount_; onHead < end; ++onHead) {
                const Node from = ons_[onHead];
                const auto follow = [&](Node to) {
                    weak(from, to, round);
                    if (reach(to, from)) {
                        offs_[offCount_++] = to;
                    }
                };
                if (mode_.cellLinks) {
                    for (Node to : links_.weakInCell(from)) {
                        follow(to);
                    }
                }
                for (Node to : links_.weakInRegions(from)) {
                    follow(to);
                }
            }
            for (const int end = offCount_; offHead < end; ++offHead) {
                const Node from = offs_[offHead];
                const auto follow = [&](Node to) {
                    strong(from, to, round);
                    if (reach(to, from)) {
                        ons_[onCount_++] = to;
                    }
                };
                if (mode_.cellLinks) {
                    for (Node to : links_.strongInCell(from)) {
                        follow(to);
                    }
                }
                if (mode_.regionLinks) {
                    for (Node to : links_.strongInRegions(from)) {
                        follow(to);
                    }
                }
            }
        }
    }

    // The node and the nodes it was reached through, back to the start.
    template <class Visit>
    void forEachOnPath(Node node, Visit&& visit) const
    {
        for (;;) {
            visit(node);
            if (parent_[node] == node) {
                return;
            }
            node = parent_[node];
        }
    }

    bool onPath(Node node, Node candidate) const
    {
        bool found = false;
        forEachOnPath(node, [&](Node n) { found = found || n == candidate; });
        return found;
    }

    // The path from the start to `last`, then `extra` nodes after it.
    void path(Node last, std::initializer_list<Node> extra, std::vector<Node>& nodes) const
    {
        nodes.clear();
        forEachOnPath(last, [&](Node n) { nodes.push_back(n); });
        std::reverse(nodes.begin(), nodes.end());
        nodes.insert(nodes.end(), extra.begin(), extra.end());
    }

private:
    // Marks the node reached from `parent`, unless it was already.
    bool reach(Node node, Node parent)
    {
        if (seen_[node] == stamp_) {
            return false;
        }
        seen_[node] = stamp_;
        parent_[node] = parent;
        return true;
    }

    const LinkLists& links_;
    const LinkMode& mode_;
    std::array<std::uint32_t, nodeCount> seen_{};
    std::uint32_t stamp_ = 0;
    std::array<Node, nodeCount> parent_{};
    std::array<Node, candidateCount> ons_{};
    std::array<Node, candidateCount> offs_{};
    int onCount_ = 0;
    int offCount_ = 0;
};

// What a cycle strikes: the candidates outside its cells that see a node of
// their digit that is on and one that is off; read the other way round, the
// off nodes are the true ones, so either way one of the two holds.
CandidateSet cycleEliminations(const CandidateGrid& grid, const std::vector<Node>& loop)
{
    CellSet cells;
    for (Node node : loop) {
        cells.add(nodeCell(node));
    }
    CandidateSet seenOn;
    CandidateSet seenOff;
    for (Node node : loop) {
        const int digit = nodeDigit(node);
        CellSet& seen = (nodeOn(node) ? seenOn : seenOff).cellsOf[digit];
        seen |= peerSet[nodeCell(node)] & grid.cellsOf[digit] & ~cells;
    }
    for (int digit = 1; digit <= 9; ++digit) {
        seenOn.cellsOf[digit] &= seenOff.cellsOf[digit];
    }
    return seenOn;
}

bool isEmpty(const CandidateSet& set)
{
    for (int digit = 1; digit <= 9; ++digit) {
        if (!set.cellsOf[digit].empty()) {
            return false;
        }
    }
    return true;
}

class SingleChainSearch {
public:
    // With `all`, every chain found is kept there, in the order found,
    // instead of the best alone.
    SingleChainSearch(const CandidateGrid& grid, std::vector<RankedChain<SingleChainStep>>* all)
        : grid_(grid), links_(LinkLists::of(grid)), all_(all)
    {
    }

    std::optional<SingleChainStep> run()
    {
        for (const LinkMode& mode : linkModes) {
            searchMode(mode);
        }
        return best_;
    }

private:
    void searchMode(const LinkMode& mode)
    {
        longestFor_ = -1;
        if (longest(mode) < 4) {
            return;
        }
        InferenceTree tree(links_, mode);
        for (int row = 0; row < 9; ++row) {
            checkTimeLimit();
            for (int column = 0; column < 9; ++column) {
                const int cell = cellIndex(column, row);
                const int count = bitTotal(grid_.candidates[cell]);
                // Y-cycles start only in a cell of two digits.
                if (count < 2 || (!mode.regionLinks && count > 2)) {
                    continue;
                }
                for (int digit = 1; digit <= 9; ++digit) {
                    if (grid_.has(cell, digit)) {
                        searchFrom(tree, mode, cell, digit);
                    }
                }
            }
        }
    }

    // The longest chains of the mode still worth looking for, worked out
    // again only when a better chain is found.
    int longest(const LinkMode& mode)
    {
        if (all_ != nullptr) {
            return longestUseful(0.0, 0, noneYet);
        }
        if (longestFor_ != rankVersion_) {
            longestCycle_ = longestUseful(mode.cycleBase, mode.cycleKind, rank_);
            longestForcing_ = mode.forcing ? longestUseful(mode.forcingBase, mode.forcingKind, rank_) : 0;
            longestFor_ = rankVersion_;
        }
        return std::max(longestCycle_, longestForcing_);
    }

    int longestForcing(const LinkMode& mode)
    {
        if (all_ != nullptr) {
            return longest(mode);
        }
        longest(mode);
        return longestForcing_;
    }

    bool worthTaking(const ChainRank& rank) const { return all_ != nullptr || ranksBefore(rank, rank_); }

    void take(const ChainRank& rank, SingleChainStep&& step)
    {
        if (all_ != nullptr) {
            all_->push_back({rank, std::move(step)});
            return;
        }
        rank_ = rank;
        ++rankVersion_;
        best_ = std::move(step);
    }

    void searchFrom(InferenceTree& tree, const LinkMode& mode, int cell, int digit)
    {
        const Node on = nodeOf(cell, digit, true);
        const Node off = negation(on);
        // The off nodes whose strong link leads back to the start.
        std::array<Node, 4> closers{};
        int closerCount = 0;
        if (mode.cellLinks) {
            for (Node strong : links_.strongInCell(off)) {
                closers[closerCount++] = negation(strong);
            }
        }
        if (mode.regionLinks) {
            for (Node strong : links_.strongInRegions(off)) {
                closers[closerCount++] = negation(strong);
            }
        }
        int contradictionRound = 0;
        Node contradictionFrom = on;
        tree.grow(
            on,
            [&](Node from, Node to, int round) {
                if (mode.forcing && to == off && contradictionRound == 0) {
                    contradictionRound = round;
                    contradictionFrom = from;
                }
                if (round < 2) {
                    return;
                }
                for (int i = 0; i < closerCount; ++i) {
                    if (to == closers[i] && !tree.onPath(from, to)) {
                        offerCycle(tree, mode, from, to, 2 * round);
                    }
                }
            },
            [](Node, Node, int) {}, [&] { return longest(mode); });
        if (contradictionRound > 0) {
            offerForcing(mode, 2 * contradictionRound,
                         [&](std::vector<Node>& nodes) { tree.path(contradictionFrom, {off}, nodes); });
        }
        if (!mode.forcing) {
            return;
        }
        int confirmationRound = 0;
        Node confirmationFrom = off;
        tree.grow(
            off, [](Node, Node, int) {},
            [&](Node from, Node to, int round) {
                if (to == on && confirmationRound == 0) {
                    confirmationRound = round;
                    confirmationFrom = from;
                }
            },
            [&] { return longestForcing(mode); });
        if (confirmationRound > 0) {
            offerForcing(mode, 2 * confirmationRound,
                         [&](std::vector<Node>& nodes) { tree.path(confirmationFrom, {on}, nodes); });
        }
    }

    void offerCycle(const InferenceTree& tree, const LinkMode& mode, Node last, Node closer, int length)
    {
        const ChainRank rank{chainDifficulty(mode.cycleBase, length), length, mode.cycleKind};
        if (!worthTaking(rank)) {
            return;
        }
        tree.path(last, {closer}, nodes_);
        const CandidateSet struck = cycleEliminations(grid_, nodes_);
        if (isEmpty(struck)) {
            return;
        }
        nodes_.push_back(nodes_.front());
        SingleChainStep step{chainStep(rank.difficulty, nodes_), mode.cycleName};
        for (int cell = 0; cell < 81; ++cell) {
            for (int digit = 1; digit <= 9; ++digit) {
                if (struck.has(cell, digit)) {
                    step.step.eliminations.push_back(
                        {static_cast<std::uint8_t>(cell), static_cast<std::uint8_t>(digit)});
                }
            }
        }
        take(rank, std::move(step));
    }

    // `path` writes the chain's nodes, from the assumption to its negation.
    template <class Path>
    void offerForcing(const LinkMode& mode, int length, Path&& path)
    {
        const ChainRank rank{chainDifficulty(mode.forcingBase, length), length, mode.forcingKind};
        if (!worthTaking(rank)) {
            return;
        }
        path(nodes_);
        SingleChainStep step{chainStep(rank.difficulty, nodes_), mode.forcingName};
        concludeOn(grid_, nodes_.back(), step.step);
        take(rank, std::move(step));
    }

    const CandidateGrid& grid_;
    const LinkLists& links_;
    std::vector<Node> nodes_;
    std::vector<RankedChain<SingleChainStep>>* all_;
    ChainRank rank_ = noneYet;
    int rankVersion_ = 0;
    int longestFor_ = -1;
    int longestCycle_ = 0;
    int longestForcing_ = 0;
    std::optional<SingleChainStep> best_;
};

}  // namespace

std::optional<SingleChainStep> findSingleChain(const CandidateGrid& grid)
{
    return SingleChainSearch(grid, nullptr).run();
}

std::vector<SingleChainStep> allSingleChains(const CandidateGrid& grid)
{
    std::vector<RankedChain<SingleChainStep>> found;
    SingleChainSearch(grid, &found).run();
    return inLadderOrder(std::move(found));
}

void scanSingleChains(const CandidateGrid& grid, StepSink& sink)
{
    std::optional<SingleChainStep> first = findSingleChain(grid);
    if (!first) {
        return;
    }
    first->step.form = static_cast<int>(first->kind);
    if (sink.take(std::move(first->step))) {
        return;
    }
    std::vector<SingleChainStep> all = allSingleChains(grid);
    for (std::size_t i = 1; i < all.size(); ++i) {
        all[i].step.form = static_cast<int>(all[i].kind);
        if (sink.take(std::move(all[i].step))) {
            return;
        }
    }
}
