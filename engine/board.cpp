#include "board.h"

#include "grid.h"

namespace {

constexpr std::array<std::array<std::uint8_t, 9>, 27> makeUnitCells()
{
    std::array<std::array<std::uint8_t, 9>, 27> units{};
    for (int n = 0; n < 9; ++n) {
        for (int k = 0; k < 9; ++k) {
            units[columnUnit(n)][k] = static_cast<std::uint8_t>(cellIndex(n, k));
            units[rowUnit(n)][k] = static_cast<std::uint8_t>(cellIndex(k, n));
            const int column = 3 * (n / 3) + k / 3;
            const int row = 3 * (n % 3) + k % 3;
            units[18 + n][k] = static_cast<std::uint8_t>(cellIndex(column, row));
        }
    }
    return units;
}

constexpr std::array<std::array<std::uint8_t, 3>, 81> makeUnitsOfCell()
{
    std::array<std::array<std::uint8_t, 3>, 81> units{};
    for (int cell = 0; cell < 81; ++cell) {
        const int i = columnOf(cell);
        const int j = rowOf(cell);
        units[cell] = {static_cast<std::uint8_t>(columnUnit(i)), static_cast<std::uint8_t>(rowUnit(j)),
                       static_cast<std::uint8_t>(boxUnit(i, j))};
    }
    return units;
}

constexpr std::array<std::array<std::uint8_t, 20>, 81> makePeerCells()
{
    std::array<std::array<std::uint8_t, 20>, 81> peers{};
    for (int cell = 0; cell < 81; ++cell) {
        const int i = columnOf(cell);
        const int j = rowOf(cell);
        int n = 0;
        for (int other = 0; other < 81; ++other) {
            const int p = columnOf(other);
            const int q = rowOf(other);
            const bool shares = p == i || q == j || boxUnit(p, q) == boxUnit(i, j);
            if (other != cell && shares) {
                peers[cell][n++] = static_cast<std::uint8_t>(other);
            }
        }
    }
    return peers;
}

}  // namespace

const std::array<std::array<std::uint8_t, 9>, 27> unitCells = makeUnitCells();
const std::array<std::array<std::uint8_t, 20>, 81> peerCells = makePeerCells();
const std::array<std::array<std::uint8_t, 3>, 81> unitsOfCell = makeUnitsOfCell();

DigitMask candidateMask(std::string_view text)
{
    if (text == "test") {
        return testMarker;
    }
    DigitMask mask = 0;
    for (char c : text) {
        if (c >= '1' && c <= '9') {
            mask |= digitBit(c - '0');
        }
    }
    return mask;
}

namespace {

// The text of a mask, written into a buffer of nine characters; returns its
// length.
int writeCandidateText(DigitMask mask, char* text)
{
    if (mask & testMarker) {
        std::string_view("test").copy(text, 4);
        return 4;
    }
    int length = 0;
    for (int d = 1; d <= 9; ++d) {
        if (mask & digitBit(d)) {
            text[length++] = static_cast<char>('0' + d);
        }
    }
    return length;
}

// Straight into the fixed-length field, without building a string.
void storeCandidateText(FixedText<9>& field, DigitMask mask)
{
    char text[9];
    field.store(std::string_view(text, static_cast<std::size_t>(writeCandidateText(mask, text))));
}

}  // namespace

std::string candidateText(DigitMask mask)
{
    char text[9];
    return std::string(text, static_cast<std::size_t>(writeCandidateText(mask, text)));
}

int candidateLength(DigitMask mask)
{
    return (mask & testMarker) ? 4 : bitTotal(mask);
}

void Board::place(int cell, int digit)
{
    clear(cell);
    value[cell] = static_cast<std::uint8_t>(digit);
    for (int unit : unitsOfCell[cell]) {
        if (digitCount[unit][digit]++ == 0) {
            present[unit] |= digitBit(digit);
        }
    }
    peerMask[cell] |= digitBit(digit);
#pragma GCC unroll 20
    for (int peer : peerCells[cell]) {
        peerMask[peer] |= digitBit(digit);
    }
}

void Board::clear(int cell)
{
    const int digit = value[cell];
    if (digit == 0) {
        return;
    }
    value[cell] = 0;
    bool left = false;
    for (int unit : unitsOfCell[cell]) {
        if (--digitCount[unit][digit] == 0) {
            present[unit] &= static_cast<DigitMask>(~digitBit(digit));
            left = true;
        }
    }
    if (!left) {
        return;
    }
    const auto fromUnits = [this](int c) {
        const auto& units = unitsOfCell[c];
        peerMask[c] = present[units[0]] | present[units[1]] | present[units[2]];
    };
    fromUnits(cell);
    for (int peer : peerCells[cell]) {
        fromUnits(peer);
    }
}

Board Board::fromGrid()
{
    Board board;
    for (int cell = 0; cell < 81; ++cell) {
        const Cell& source = grid[columnOf(cell)][rowOf(cell)];
        const std::string_view value = source.value.view();
        if (!value.empty() && value[0] >= '1' && value[0] <= '9') {
            board.place(cell, value[0] - '0');
        }
        board.candidates[cell] = candidateMask(source.candidates.view());
    }
    board.progress = ::progress;
    return board;
}

void Board::toGrid() const
{
    for (int cell = 0; cell < 81; ++cell) {
        Cell& target = grid[columnOf(cell)][rowOf(cell)];
        const char digit = static_cast<char>('0' + value[cell]);
        target.value.store(value[cell] ? std::string_view(&digit, 1) : std::string_view());
        storeCandidateText(target.candidates, candidates[cell]);
    }
    ::progress = progress;
}

bool givensClash(const Board& board)
{
    for (const auto& counts : board.digitCount) {
        for (int digit = 1; digit <= 9; ++digit) {
            if (counts[digit] > 1) {
                return true;
            }
        }
    }
    return false;
}
