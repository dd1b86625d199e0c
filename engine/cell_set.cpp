#include "cell_set.h"

#include "board.h"

#include <array>

namespace {

constexpr bool sharesUnit(int unit, int cell)
{
    const int column = columnOf(cell);
    const int row = rowOf(cell);
    return unit == columnUnit(column) || unit == rowUnit(row) || unit == boxUnit(column, row);
}

constexpr std::array<CellSet, 27> makeUnitSets()
{
    std::array<CellSet, 27> sets{};
    for (int unit = 0; unit < 27; ++unit) {
        for (int cell = 0; cell < 81; ++cell) {
            if (sharesUnit(unit, cell)) {
                sets[unit].add(cell);
            }
        }
    }
    return sets;
}

constexpr std::array<CellSet, 27> unitSets = makeUnitSets();

constexpr std::array<CellSet, 81> makePeerSets()
{
    std::array<CellSet, 81> sets{};
    for (int cell = 0; cell < 81; ++cell) {
        const int column = columnOf(cell);
        const int row = rowOf(cell);
        sets[cell] = unitSets[columnUnit(column)] | unitSets[rowUnit(row)] | unitSets[boxUnit(column, row)];
        sets[cell].remove(cell);
    }
    return sets;
}

constexpr std::array<CellSet, 81> peerSets = makePeerSets();

static_assert(unitSets[boxUnit(4, 4)].size() == 9 && peerSets[40].size() == 20);

}  // namespace

const std::array<CellSet, 27>& unitSet = unitSets;
const std::array<CellSet, 81>& peerSet = peerSets;
