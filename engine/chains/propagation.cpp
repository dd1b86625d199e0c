#include "propagation.h"

#include "implications.h"
#include "subset_strikes.h"

#include <algorithm>

void Propagation::add(Node node, const Node* parents, int count)
{
    reached_.add(node);
    if (nodeOn(node)) {
        ons_[onCount_++] = node;
    } else {
        offs_[offCount_++] = node;
    }
    if (parentTotal_ + count > parents_.size()) {
        parents_.resize(2 * parents_.size() + count);
    }
    parentBegin_[node] = static_cast<std::uint32_t>(parentTotal_);
    parentCount_[node] = static_cast<std::uint8_t>(count);
    pathLength_[node] = static_cast<std::uint16_t>(count > 0 ? pathLength_[parents[0]] + 1 : 1);
    std::copy(parents, parents + count, parents_.begin() + static_cast<std::ptrdiff_t>(parentTotal_));
    parentTotal_ += static_cast<std::size_t>(count);
}

void Propagation::run(const CandidateGrid& grid, const LinkLists& links, const PlaceCounts& counts, Node assumption,
                      const PropagationMode& mode)
{
    assumption_ = assumption;
    reached_.clear();
    onCount_ = 0;
    offCount_ = 0;
    parentTotal_ = 0;
    if (parents_.empty()) {
        parents_.resize(4096);
    }
    conflictKept_ = noNode;
    conflictParents_.clear();
    if (mode.dynamic) {
        work_.candidates = grid.candidates;
        work_.cellsOf = grid.cellsOf;
        workCounts_ = counts;
    }
    add(assumption, nullptr, 0);
    int onHead = 0;
    int offHead = 0;
    for (;;) {
        if (onHead < onCount_) {
            addWeakConsequences(links, ons_[onHead++], mode);
        } else if (offHead < offCount_) {
            const Node off = offs_[offHead++];
            if (mode.dynamic) {
                addDynamicStrongConsequences(grid, off, mode);
            } else {
                addStaticStrongConsequences(links, off, mode);
            }
        }
        if (contradiction()) {
            return;
        }
        if (onHead == onCount_ && offHead == offCount_) {
            if (!mode.subsets) {
                return;
            }
            addSubsetConsequences(grid);
            if (offHead == offCount_) {
                return;
            }
        }
    }
}

void Propagation::follow(Node from, Node to)
{
    if (reached_.has(negation(to))) {
        conflictKept_ = negation(to);
        conflictParents_.assign(1, from);
    } else if (!reached_.has(to)) {
        add(to, &from, 1);
    }
}

void Propagation::addWeakConsequences(const LinkLists& links, Node on, const PropagationMode& mode)
{
    const auto followWeak = [&](Node off) {
        // The working grid may have lost the candidate since the lists were
        // made.
        if (!contradiction() && (!mode.dynamic || work_.has(nodeCell(off), nodeDigit(off)))) {
            follow(on, off);
        }
    };
    if (mode.cellLinks) {
        std::for_each(links.weakInCell(on).begin(), links.weakInCell(on).end(), followWeak);
    }
    std::for_each(links.weakInRegions(on).begin(), links.weakInRegions(on).end(), followWeak);
}

void Propagation::addStaticStrongConsequences(const LinkLists& links, Node off, const PropagationMode& mode)
{
    const auto followStrong = [&](Node on) {
        if (!contradiction()) {
            follow(off, on);
        }
    };
    if (mode.cellLinks) {
        std::for_each(links.strongInCell(off).begin(), links.strongInCell(off).end(), followStrong);
    }
    std::for_each(links.strongInRegions(off).begin(), links.strongInRegions(off).end(), followStrong);
}

void Propagation::addDynamicStrongConsequences(const CandidateGrid& source, Node off, const PropagationMode& mode)
{
    const int offCell = nodeCell(off);
    const int offDigit = nodeDigit(off);
    // All consequences are taken, with their reasons, before the candidate
    // leaves the working grid.
    struct Consequence {
        Node node;
        int parentCount;
        Node parents[10];
    };
    Consequence found[4];
    int foundCount = 0;
    forEachStrongLink(work_, workCounts_, offCell, offDigit, mode.cellLinks, true, [&](int cell, int digit, int via) {
        const Node node = nodeOf(cell, digit, true);
        for (int i = 0; i < foundCount; ++i) {
            if (found[i].node == node) {
                return;  // the same place through a second region
            }
        }
        Consequence& consequence = found[foundCount++];
        consequence.node = node;
        consequence.parents[0] = off;
        consequence.parentCount = 1;
        // The candidates struck earlier that made it a single are reasons too.
        if (via == viaCell) {
            const DigitMask gone = static_cast<DigitMask>(source.candidates[cell] & ~work_.candidates[cell]);
            for (int d = 1; d <= 9; ++d) {
                if (gone & digitBit(d)) {
                    consequence.parents[consequence.parentCount++] = nodeOf(cell, d, false);
                }
            }
        } else {
            const CellSet gone = unitSet[via] & source.cellsOf[digit] & ~work_.cellsOf[digit];
            forEachInReadingOrder(via, gone, [&](int c) {
                consequence.parents[consequence.parentCount++] = nodeOf(c, digit, false);
            });
        }
    });
    work_.eliminate(offCell, offDigit);
    workCounts_.strike(offCell, offDigit);
    for (int i = 0; i < foundCount; ++i) {
        const Consequence& consequence = found[i];
        if (reached_.has(negation(consequence.node))) {
            conflictKept_ = negation(consequence.node);
            conflictParents_.assign(consequence.parents, consequence.parents + consequence.parentCount);
            return;
        }
        if (!reached_.has(consequence.node)) {
            add(consequence.node, consequence.parents, consequence.parentCount);
        }
    }
}

void Propagation::addSubsetConsequences(const CandidateGrid& source)
{
    forFirstSubsetStrikes(source, work_, [&](const std::vector<Candidate>& struck, const std::vector<Node>& reasons) {
        for (Candidate candidate : struck) {
            const Node off = nodeOf(candidate.cell, candidate.digit, false);
            if (!reached_.has(off)) {
                add(off, reasons.data(), static_cast<int>(reasons.size()));
            }
        }
    });
}

int AncestorCounter::walk(const Propagation& propagation)
{
    int count = 0;
    while (!stack_.empty()) {
        const Node node = stack_.back();
        stack_.pop_back();
        ++count;
        for (const Node* parent = propagation.parentsBegin(node); parent != propagation.parentsEnd(node); ++parent) {
            if (seen_[*parent] != stamp_) {
                seen_[*parent] = stamp_;
                stack_.push_back(*parent);
            }
        }
    }
    return count;
}

int AncestorCounter::count(const Propagation& propagation, Node node)
{
    ++stamp_;
    seen_[node] = stamp_;
    stack_.assign(1, node);
    return walk(propagation);
}

int AncestorCounter::countNew(const Propagation& propagation, const std::vector<Node>& parents)
{
    ++stamp_;
    stack_.clear();
    for (Node parent : parents) {
        if (seen_[parent] != stamp_) {
            seen_[parent] = stamp_;
            stack_.push_back(parent);
        }
    }
    return 1 + walk(propagation);
}
