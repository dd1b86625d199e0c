#pragma once

#include "candidate_grid.h"
#include "chain_nodes.h"
#include "implications.h"
#include "link_lists.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// How an assumption is followed.
struct PropagationMode {
    // Every candidate found false is struck from a working copy of the grid
    // as it is followed, so that later singles see it gone (and name the
    // struck candidates as further reasons).
    bool dynamic = false;
    // Links within a cell (a cell's last digit, a digit ruling out the
    // cell's others); without them only one digit is followed (Nishio).
    bool cellLinks = true;
    // Once singles run dry, pointing, claiming, naked and hidden pairs and
    // X-Wings on the working grid strike more (dynamic only).
    bool subsets = false;
};

// Everything that follows from assuming one candidate on or off: each node
// reached with the nodes it follows from, in the order they were reached,
// and the contradiction that stopped it, if any. On nodes are taken one at
// a time before any off node, which fixes which reason a node keeps when it
// has several, and so the chains' lengths.
class Propagation {
public:
    // `links` and `counts` are the grid's.
    void run(const CandidateGrid& grid, const LinkLists& links, const PlaceCounts& counts, Node assumption,
             const PropagationMode& mode);

    Node assumption() const { return assumption_; }
    bool has(Node node) const { return reached_.has(node); }
    const NodeSet& reached() const { return reached_; }
    // The on and the off nodes in the order they were reached; the first on
    // node is the assumption when it is on, and so for off.
    std::span<const Node> ons() const { return {ons_.data(), static_cast<std::size_t>(onCount_)}; }
    std::span<const Node> offs() const { return {offs_.data(), static_cast<std::size_t>(offCount_)}; }

    // The nodes a reached node follows from, first the one it was reached
    // through.
    const Node* parentsBegin(Node node) const { return parents_.data() + parentBegin_[node]; }
    const Node* parentsEnd(Node node) const { return parentsBegin(node) + parentCount_[node]; }
    // The length of the path through first parents: no chain to the node is
    // shorter.
    int pathLength(Node node) const { return pathLength_[node]; }

    // A node found both on and off: the one reached before, and the other,
    // which was not kept, through its own parents.
    bool contradiction() const { return conflictKept_ != noNode; }
    Node conflictKept() const { return conflictKept_; }
    Node conflictNew() const { return negation(conflictKept_); }
    const std::vector<Node>& conflictNewParents() const { return conflictParents_; }

    static constexpr Node noNode = 0xFFFF;

private:
    void add(Node node, const Node* parents, int count);
    // Takes a link from a reached node: the node it leads to, unless it was
    // reached before, or the contradiction, if its negation was.
    void follow(Node from, Node to);
    void addWeakConsequences(const LinkLists& links, Node on, const PropagationMode& mode);
    void addStaticStrongConsequences(const LinkLists& links, Node off, const PropagationMode& mode);
    void addDynamicStrongConsequences(const CandidateGrid& source, Node off, const PropagationMode& mode);
    void addSubsetConsequences(const CandidateGrid& source);

    Node assumption_ = 0;
    NodeSet reached_;
    // Per node, meaningful where reached: kept in flat arrays, as a search
    // runs hundreds of propagations a step.
    std::array<Node, candidateCount> ons_;
    std::array<Node, candidateCount> offs_;
    int onCount_ = 0;
    int offCount_ = 0;
    std::array<std::uint32_t, nodeCount> parentBegin_;
    std::array<std::uint8_t, nodeCount> parentCount_;
    std::array<std::uint16_t, nodeCount> pathLength_;
    std::vector<Node> parents_;
    std::size_t parentTotal_ = 0;
    Node conflictKept_ = noNode;
    std::vector<Node> conflictParents_;
    CandidateGrid work_;
    PlaceCounts workCounts_;
};

// How many nodes a conclusion rests on: itself and every node it follows
// from, each counted once. Counts for several nodes of one or several
// propagations, adding up.
class AncestorCounter {
public:
    int count(const Propagation& propagation, Node node);
    // A node that was not kept, reached from the given parents.
    int countNew(const Propagation& propagation, const std::vector<Node>& parents);

private:
    int walk(const Propagation& propagation);
    std::array<std::uint32_t, nodeCount> seen_{};
    std::uint32_t stamp_ = 0;
    std::vector<Node> stack_;
};
