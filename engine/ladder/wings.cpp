#include "wings.h"

#include "clashes.h"
#include "regions.h"
#include "words.h"

#include <bit>

namespace {

void addCandidates(std::vector<Candidate>& list, const CandidateGrid& grid, int cell)
{
    for (int digit = 1; digit <= 9; ++digit) {
        if (grid.has(cell, digit)) {
            list.push_back(Candidate::of(cell, digit));
        }
    }
}

// Pivots in reading order, each with the pincer pairs among its peers in
// their house order.
void scanWings(const CandidateGrid& grid, bool xyz, StepSink& sink)
{
    const int pivotSize = xyz ? 3 : 2;
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const int pivot = cellIndex(column, row);
            const DigitMask xy = grid.candidates[pivot];
            if (std::popcount(xy) != pivotSize) {
                continue;
            }
            for (int xz : housePeers[pivot]) {
                const DigitMask xzDigits = grid.candidates[xz];
                if (std::popcount(xzDigits) != 2 || std::popcount(static_cast<unsigned>(xy & ~xzDigits)) != 1) {
                    continue;
                }
                for (int yz : housePeers[pivot]) {
                    const DigitMask yzDigits = grid.candidates[yz];
                    const DigitMask shared = xy & xzDigits & yzDigits;
                    const DigitMask all = xy | xzDigits | yzDigits;
                    if (std::popcount(yzDigits) != 2 || std::popcount(all) != 3
                        || std::popcount(shared) != (xyz ? 1 : 0)) {
                        continue;
                    }
                    const int z = std::countr_zero(static_cast<unsigned>(xzDigits & yzDigits));
                    CellSet victims = peerSet[xz] & peerSet[yz] & ~CellSet::of(pivot) & grid.cellsOf[z];
                    if (xyz) {
                        victims &= peerSet[pivot];
                    }
                    if (victims.empty()) {
                        continue;
                    }
                    Step step;
                    for (int cell : {pivot, xz, yz}) {
                        addCandidates(step.proof, grid, cell);
                    }
                    for (int cell : victims) {
                        step.eliminations.push_back(Candidate::of(cell, z));
                    }
                    if (sink.take(std::move(step))) {
                        return;
                    }
                }
            }
        }
    }
}

std::string holding(const CandidateGrid& grid, int cell)
{
    return cellName(cell) + " (" + digitList(grid.candidates[cell], "or") + ")";
}

}  // namespace

void scanXYWing(const CandidateGrid& grid, StepSink& sink) { scanWings(grid, false, sink); }
void scanXYZWing(const CandidateGrid& grid, StepSink& sink) { scanWings(grid, true, sink); }

std::string wingWords(const Step& step, const CandidateGrid& grid)
{
    const std::vector<int> cells = cellsOf(step.proof);
    const int pivot = cells[0];
    const int xz = cells[1];
    const int yz = cells[2];
    const std::string z = std::to_string(step.eliminations.front().digit);
    const DigitMask x = grid.candidates[pivot] & grid.candidates[xz];
    const DigitMask y = grid.candidates[pivot] & grid.candidates[yz];
    if (std::popcount(grid.candidates[pivot]) == 2) {
        return capitalised(cellName(pivot)) + " holds " + digitList(grid.candidates[pivot], "or") + ": if it is "
               + digitList(x) + ", " + holding(grid, xz) + " is " + z + "; if it is " + digitList(y) + ", "
               + holding(grid, yz) + " is " + z + ". Either way one of them is " + z + ", so "
               + struckText(step.eliminations) + ".";
    }
    return capitalised(cellName(pivot)) + " holds " + digitList(grid.candidates[pivot], "or") + "; " + cellName(xz)
           + " holds " + digitList(grid.candidates[xz], "or") + " and " + cellName(yz) + " holds "
           + digitList(grid.candidates[yz], "or") + ": whichever digit the first takes, one of the three is " + z
           + ", so " + struckText(step.eliminations) + ".";
}
