#include "link_lists.h"

#include "implications.h"

#include <algorithm>

LinkLists::LinkLists(const CandidateGrid& grid) { build(grid); }

void LinkLists::build(const CandidateGrid& grid)
{
    candidates_ = grid.candidates;
    links_.clear();
    const PlaceCounts counts = PlaceCounts::of(grid);
    for (int cell = 0; cell < 81; ++cell) {
        for (int digit = 1; digit <= 9; ++digit) {
            if (!grid.has(cell, digit)) {
                continue;
            }
            const Node on = nodeOf(cell, digit, true);
            bounds_[on][0] = static_cast<std::uint16_t>(links_.size());
            for (int other = 1; other <= 9; ++other) {
                if (other != digit && grid.has(cell, other)) {
                    links_.push_back(nodeOf(cell, other, false));
                }
            }
            bounds_[on][1] = static_cast<std::uint16_t>(links_.size());
            forEachWeakLink(grid, cell, digit, false, [&](int c, int d) { links_.push_back(nodeOf(c, d, false)); });
            bounds_[on][2] = static_cast<std::uint16_t>(links_.size());

            const Node off = negation(on);
            bounds_[off][0] = static_cast<std::uint16_t>(links_.size());
            forEachStrongLink(grid, counts, cell, digit, true, false,
                              [&](int c, int d, int) { links_.push_back(nodeOf(c, d, true)); });
            bounds_[off][1] = static_cast<std::uint16_t>(links_.size());
            forEachStrongLink(grid, counts, cell, digit, false, true, [&](int c, int d, int) {
                // A place can be the other one in two regions: once is enough.
                const Node strong = nodeOf(c, d, true);
                if (std::find(links_.begin() + bounds_[off][1], links_.end(), strong) == links_.end()) {
                    links_.push_back(strong);
                }
            });
            bounds_[off][2] = static_cast<std::uint16_t>(links_.size());
        }
    }
}

const LinkLists& LinkLists::of(const CandidateGrid& grid)
{
    thread_local LinkLists kept(grid);
    if (kept.candidates_ != grid.candidates) {
        kept.build(grid);
    }
    return kept;
}
