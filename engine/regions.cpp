#include "regions.h"

namespace {

constexpr std::array<Region, 27> makeRegions()
{
    std::array<Region, 27> made{};
    for (int n = 0; n < 9; ++n) {
        Region& box = made[firstBox + n];
        Region& row = made[firstRow + n];
        Region& column = made[firstColumn + n];
        for (int i = 0; i < 9; ++i) {
            box.cells[i] = static_cast<std::uint8_t>(cellIndex(3 * (n % 3) + i % 3, 3 * (n / 3) + i / 3));
            row.cells[i] = static_cast<std::uint8_t>(cellIndex(i, n));
            column.cells[i] = static_cast<std::uint8_t>(cellIndex(n, i));
            box.set.add(box.cells[i]);
            row.set.add(row.cells[i]);
            column.set.add(column.cells[i]);
        }
        box.unit = static_cast<std::uint8_t>(boxUnit(3 * (n % 3), 3 * (n / 3)));
        row.unit = static_cast<std::uint8_t>(rowUnit(n));
        column.unit = static_cast<std::uint8_t>(columnUnit(n));
    }
    return made;
}

constexpr std::array<Region, 27> allRegions = makeRegions();

constexpr std::array<std::array<std::uint8_t, 3>, 81> makeRegionsOfCell()
{
    std::array<std::array<std::uint8_t, 3>, 81> made{};
    for (int cell = 0; cell < 81; ++cell) {
        const int column = columnOf(cell);
        const int row = rowOf(cell);
        made[cell] = {static_cast<std::uint8_t>(firstBox + 3 * (row / 3) + column / 3),
                      static_cast<std::uint8_t>(firstRow + row), static_cast<std::uint8_t>(firstColumn + column)};
    }
    return made;
}

constexpr std::array<std::array<std::uint8_t, 3>, 81> cellRegions = makeRegionsOfCell();

constexpr std::array<std::array<std::uint8_t, 20>, 81> makeHousePeers()
{
    std::array<std::array<std::uint8_t, 20>, 81> made{};
    for (int cell = 0; cell < 81; ++cell) {
        CellSet taken = CellSet::of(cell);
        int n = 0;
        for (int region : cellRegions[cell]) {
            for (std::uint8_t peer : allRegions[region].cells) {
                if (!taken.has(peer)) {
                    taken.add(peer);
                    made[cell][n++] = peer;
                }
            }
        }
    }
    return made;
}

constexpr std::array<std::array<std::uint8_t, 20>, 81> peersInHouseOrder = makeHousePeers();

constexpr bool wellFormed()
{
    for (const Region& region : allRegions) {
        for (std::uint8_t cell : region.cells) {
            if (!region.set.has(cell) || region.set.size() != 9) {
                return false;
            }
        }
    }
    return true;
}

static_assert(wellFormed());
static_assert(allRegions[firstBox + 5].cells[0] == cellIndex(6, 3) && allRegions[firstBox + 5].unit == boxUnit(6, 3));
static_assert(peersInHouseOrder[0][0] == cellIndex(1, 0) && peersInHouseOrder[0][8] == cellIndex(3, 0));

}  // namespace

const std::array<Region, 27>& regions = allRegions;
const std::array<std::array<std::uint8_t, 3>, 81>& regionsOfCell = cellRegions;
const std::array<std::array<std::uint8_t, 20>, 81>& housePeers = peersInHouseOrder;
