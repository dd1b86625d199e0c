#include "solution_grid.h"

#include "full_grid.h"

#include <array>
#include <numeric>
#include <utility>

namespace {

template <std::size_t n>
void shuffle(std::array<int, n>& items, const RandomSource& randomInt)
{
    for (int k = static_cast<int>(n) - 1; k > 0; --k) {
        std::swap(items[k], items[randomInt(k)]);
    }
}

// Lines 0 to 8 in a random order that keeps each band (or stack) together.
std::array<int, 9> lineOrder(const RandomSource& randomInt)
{
    std::array<int, 3> bands{0, 1, 2};
    shuffle(bands, randomInt);
    std::array<int, 9> order{};
    for (int b = 0; b < 3; ++b) {
        std::array<int, 3> within{0, 1, 2};
        shuffle(within, randomInt);
        for (int k = 0; k < 3; ++k) {
            order[3 * b + k] = 3 * bands[b] + within[k];
        }
    }
    return order;
}

}  // namespace

Board randomSolutionGrid(const RandomSource& randomInt)
{
    Board drawn = drawDiagonalBoxes(randomInt);
    completeGrid(drawn);
    std::array<int, 9> digits{};
    std::iota(digits.begin(), digits.end(), 1);
    shuffle(digits, randomInt);
    const std::array<int, 9> columns = lineOrder(randomInt);
    const std::array<int, 9> rows = lineOrder(randomInt);
    const bool mirrored = randomInt(1) == 1;
    Board grid;
    for (int column = 0; column < 9; ++column) {
        for (int row = 0; row < 9; ++row) {
            const int from = mirrored ? cellIndex(rows[row], columns[column]) : cellIndex(columns[column], rows[row]);
            grid.place(cellIndex(column, row), digits[drawn.value[from] - 1]);
        }
    }
    return grid;
}
