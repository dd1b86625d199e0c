#include "aligned_pair_exclusion.h"

#include "clashes.h"
#include "regions.h"
#include "words.h"

#include <algorithm>
#include <bit>

namespace {


// The digits of `cell` that some allowed pair with `other` keeps: a pair is
// out when both are one digit and the cells see each other, or when it is
// the two digits of a cell that sees both.
DigitMask kept(const CandidateGrid& grid, int cell, int other, const std::vector<int>& excluders)
{
    const bool peers = peerSet[cell].has(other);
    DigitMask keep = 0;
    for (int p = 1; p <= 9; ++p) {
        if (!grid.has(cell, p)) {
            continue;
        }
        for (int q = 1; q <= 9 && !(keep & digitBit(p)); ++q) {
            if (!grid.has(other, q) || (p == q && peers)) {
                continue;
            }
            bool allowed = true;
            for (int excluder : excluders) {
                allowed = allowed && grid.candidates[excluder] != (digitBit(p) | digitBit(q));
            }
            keep |= allowed ? digitBit(p) : 0;
        }
    }
    return keep;
}

// "9 in row 2, column 3 or 4 in row 5, column 1"
std::string placedText(const std::vector<Candidate>& candidates)
{
    std::string text;
    for (std::size_t k = 0; k < candidates.size(); ++k) {
        text += (k == 0 ? "" : " or ") + std::to_string(candidates[k].digit) + " in " + cellName(candidates[k].cell);
    }
    return text;
}

}  // namespace

void scanAlignedPairExclusion(const CandidateGrid& grid, StepSink& sink)
{
    std::vector<int> bases;
    std::vector<std::vector<int>> excludersOf;
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const int cell = cellIndex(column, row);
            if (std::popcount(grid.candidates[cell]) < 2) {
                continue;
            }
            std::vector<int> excluders;
            bool nakedSingle = false;
            for (int peer : housePeers[cell]) {
                const int count = std::popcount(grid.candidates[peer]);
                nakedSingle = nakedSingle || count == 1;
                if (count == 2) {
                    excluders.push_back(peer);
                }
            }
            if (!nakedSingle && !excluders.empty()) {
                bases.push_back(cell);
                excludersOf.push_back(std::move(excluders));
            }
        }
    }
    for (std::size_t second = 1; second < bases.size(); ++second) {
        for (std::size_t first = 0; first < second; ++first) {
            const int a = bases[first];
            const int b = bases[second];
            std::vector<int> common;
            for (int excluder : excludersOf[first]) {
                if (std::find(excludersOf[second].begin(), excludersOf[second].end(), excluder)
                    != excludersOf[second].end()) {
                    common.push_back(excluder);
                }
            }
            if (common.size() < 2) {
                continue;
            }
            Step step;
            for (int cell : {a, b}) {
                const DigitMask keep = kept(grid, cell, cell == a ? b : a, common);
                for (int digit = 1; digit <= 9; ++digit) {
                    if (grid.has(cell, digit)) {
                        (keep & digitBit(digit) ? step.proof : step.eliminations).push_back(Candidate::of(cell, digit));
                    }
                }
            }
            if (step.eliminations.empty()) {
                continue;
            }
            for (int excluder : common) {
                for (int digit = 1; digit <= 9; ++digit) {
                    if (grid.has(excluder, digit)) {
                        step.proof.push_back(Candidate::of(excluder, digit));
                    }
                }
            }
            step.cells = {a, b};
            if (sink.take(std::move(step))) {
                return;
            }
        }
    }
}

std::string alignedPairExclusionWords(const Step& step, const CandidateGrid& grid)
{
    const int a = step.cells[0];
    const int b = step.cells[1];
    std::vector<std::string> held;
    for (int cell : cellsOf(step.proof)) {
        if (cell != a && cell != b) {
            held.push_back(cellName(cell) + " (" + digitList(grid.candidates[cell], "or") + ")");
        }
    }
    std::string excluders;
    for (std::size_t k = 0; k < held.size(); ++k) {
        excluders += (k == 0 ? "" : k + 1 == held.size() ? " and " : "; ") + held[k];
    }
    return "Whatever digits " + cellName(a) + " and " + cellName(b) + " take together, they must leave each of "
           + excluders + " a digit" + (peerSet[a].has(b) ? ", and they cannot be the same, as they see each other"
                                                         : "")
           + ". None of the pairs that do so puts " + placedText(step.eliminations) + ", so "
           + struckText(step.eliminations) + ".";
}
