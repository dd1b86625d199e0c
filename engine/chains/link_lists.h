#pragma once

#include "candidate_grid.h"
#include "chain_nodes.h"

#include <array>
#include <cstdint>
#include <vector>

// Every link of a grid that no assumption changes, listed once per node in
// the order the chains walk them (implications.h), so that the many searches
// of one step follow flat lists instead of working each link out again:
// - weak links of an on node: within its cell (the cell's other digits),
//   then within its regions (the digit's other places);
// - strong links of an off node: within its cell (the last other digit of a
//   cell of two), then within its regions (the last other place of a region
//   of two, once per region).
class LinkLists {
public:
    explicit LinkLists(const CandidateGrid& grid);

    // The lists of the grid: the ladder tries one chain technique after
    // another on the same grid, so the last lists made are kept and made
    // again only for another grid.
    static const LinkLists& of(const CandidateGrid& grid);

    struct Range {
        const Node* first;
        const Node* last;
        const Node* begin() const { return first; }
        const Node* end() const { return last; }
    };

    Range weakInCell(Node on) const { return range(on, 0); }
    Range weakInRegions(Node on) const { return range(on, 1); }
    Range strongInCell(Node off) const { return range(off, 0); }
    Range strongInRegions(Node off) const { return range(off, 1); }

private:
    void build(const CandidateGrid& grid);
    Range range(Node node, int part) const
    {
        const std::uint16_t* bounds = bounds_[node].data();
        return {links_.data() + bounds[part], links_.data() + bounds[part + 1]};
    }

    std::array<DigitMask, 81> candidates_{};  // the grid the lists are of
    std::vector<Node> links_;
    // Per node: where its cell links start, where its region links start,
    // and where they end.
    std::array<std::array<std::uint16_t, 3>, nodeCount> bounds_{};
};
