#include "band_search.h"

#include <bit>

namespace {

// A band is three rows; bit 9·r + c of a band's board is its row r, column c.
using BandBits = std::uint32_t;

constexpr BandBits inEachRow(BandBits rowBits) { return rowBits | rowBits << 9 | rowBits << 18; }
constexpr BandBits rowOfBand(int r) { return 0x1FFu << (9 * r); }
constexpr BandBits boxOfBand(int k) { return inEachRow(7u << (3 * k)); }
constexpr BandBits columnOfBand(int c) { return inEachRow(1u << c); }

constexpr int bandOf(int cell) { return rowOf(cell) / 3; }
constexpr BandBits bitOf(int cell) { return 1u << (9 * (rowOf(cell) % 3) + columnOf(cell)); }

int lowestBit(BandBits bits) { return std::countr_zero(bits); }

// The engine's number of the cell at each bit of each band.
constexpr std::array<std::array<std::uint8_t, 27>, 3> makeCellAt()
{
    std::array<std::array<std::uint8_t, 27>, 3> cellAt{};
    for (int cell = 0; cell < 81; ++cell) {
        cellAt[bandOf(cell)][std::countr_zero(bitOf(cell))] = static_cast<std::uint8_t>(cell);
    }
    return cellAt;
}

constexpr auto cellAt = makeCellAt();

struct Tables {
    // Which of its three boxes a row of a band reaches, as three bits.
    std::array<std::uint8_t, 512> boxesOfRow{};
    // A digit stands once in each row and once in each box of a band, so its
    // three places there pair the rows with the boxes one to one. Given which
    // rows reach which boxes (bit 3·r + k), the cells of the band that some
    // such pairing can use; none when no pairing fits.
    std::array<BandBits, 512> usableCells{};
    // Of the columns of a band that hold a digit (nine bits), those that are
    // alone in their box: the digit's place in that box lies on that column.
    std::array<std::uint16_t, 512> aloneInBox{};
    // The columns of the boxes that a set of columns touches.
    std::array<std::uint16_t, 512> boxColumns{};
};

constexpr Tables makeTables()
{
    Tables t;
    for (int row = 0; row < 512; ++row) {
        for (int k = 0; k < 3; ++k) {
            if (row & (7 << (3 * k))) {
                t.boxesOfRow[row] |= static_cast<std::uint8_t>(1 << k);
            }
        }
    }
    for (int columns = 0; columns < 512; ++columns) {
        for (int k = 0; k < 3; ++k) {
            const int inBox = columns & (7 << (3 * k));
            if (inBox != 0) {
                t.boxColumns[columns] |= static_cast<std::uint16_t>(7 << (3 * k));
                if ((inBox & (inBox - 1)) == 0) {
                    t.aloneInBox[columns] |= static_cast<std::uint16_t>(inBox);
                }
            }
        }
    }
    constexpr int pairings[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (int reach = 0; reach < 512; ++reach) {
        for (const auto& boxOfRow : pairings) {
            bool fits = true;
            for (int r = 0; r < 3; ++r) {
                fits = fits && (reach & (1 << (3 * r + boxOfRow[r])));
            }
            for (int r = 0; fits && r < 3; ++r) {
                t.usableCells[reach] |= (7u << (3 * boxOfRow[r])) << (9 * r);
            }
        }
    }
    return t;
}

constexpr Tables tables = makeTables();

// The candidates of every digit in every band, and the cells still open.
// `seen` holds each board as its last narrowing left it, so that only boards
// changed since are looked at again.
struct State {
    BandBits board[9][3]{};
    BandBits seen[9][3]{};
    BandBits open[3]{};
};

// Digit d (0 to 8) goes into the open cells `cells` of band b, each in its
// own row and column: the cells leave every other digit, and their columns
// leave the digit in the other bands. The digit's own band is narrowed by
// the caller.
void settle(State& s, int d, int b, BandBits cells)
{
    s.open[b] &= ~cells;
    for (int e = 0; e < 9; ++e) {
        if (e != d) {
            s.board[e][b] &= ~cells;
        }
    }
    const BandBits columns = inEachRow((cells | cells >> 9 | cells >> 18) & 0x1FF);
    s.board[d][(b + 1) % 3] &= ~columns;
    s.board[d][(b + 2) % 3] &= ~columns;
}

// Puts digit d into one open cell; false when the digit is no longer possible there.
bool place(State& s, int d, int b, BandBits cell)
{
    if (!(s.board[d][b] & cell)) {
        return false;
    }
    const int at = lowestBit(cell);
    s.board[d][b] &= ~(rowOfBand(at / 9) | boxOfBand(at % 9 / 3)) | cell;
    settle(s, d, b, cell);
    return true;
}

// Locked candidates and row singles of one digit in one band.
bool narrowBand(State& s, int d, int b)
{
    BandBits bits = s.board[d][b];
    const int reach = tables.boxesOfRow[bits & 0x1FF] | tables.boxesOfRow[(bits >> 9) & 0x1FF] << 3 |
                      tables.boxesOfRow[bits >> 18] << 6;
    bits &= tables.usableCells[reach];
    if (bits == 0) {
        return false;
    }
    BandBits alone = 0;
    for (int r = 0; r < 3; ++r) {
        const BandBits row = bits & rowOfBand(r);
        if ((row & (row - 1)) == 0) {
            alone |= row;
        }
    }
    s.board[d][b] = bits;
    s.seen[d][b] = bits;
    if (const BandBits newly = alone & s.open[b]; newly != 0) {
        settle(s, d, b, newly);
    }
    return true;
}

bool changedSinceSeen(const State& s, int d)
{
    return ((s.board[d][0] ^ s.seen[d][0]) | (s.board[d][1] ^ s.seen[d][1]) | (s.board[d][2] ^ s.seen[d][2])) != 0;
}

// Narrows the bands of one digit, then its columns: a column must hold the
// digit once, so where a box has it on one column only, the column's other
// boxes lose it, and where a column has it in one band only, the other
// columns of that box lose it. Repeats until the digit's boards hold.
bool narrowDigit(State& s, int d)
{
    do {
        BandBits columns[3];
        for (int b = 0; b < 3; ++b) {
            if (s.board[d][b] != s.seen[d][b] && !narrowBand(s, d, b)) {
                return false;
            }
            const BandBits bits = s.board[d][b];
            columns[b] = (bits | bits >> 9 | bits >> 18) & 0x1FF;
        }
        if ((columns[0] | columns[1] | columns[2]) != 0x1FF) {
            return false;  // a column where the digit has no place
        }
        for (int b = 0; b < 3; ++b) {
            const int next = (b + 1) % 3;
            const int last = (b + 2) % 3;
            const BandBits pointing = inEachRow(tables.aloneInBox[columns[b]]);
            s.board[d][next] &= ~pointing;
            s.board[d][last] &= ~pointing;
            const unsigned onlyHere = columns[b] & ~(columns[next] | columns[last]);
            s.board[d][b] &= ~inEachRow(tables.boxColumns[onlyHere] & ~onlyHere);
        }
    } while (changedSinceSeen(s, d));
    return true;
}

// Narrows until nothing follows; false on a contradiction.
bool propagate(State& s)
{
    for (;;) {
        for (bool changed = true; changed;) {
            changed = false;
            for (int d = 0; d < 9; ++d) {
                if (changedSinceSeen(s, d)) {
                    if (!narrowDigit(s, d)) {
                        return false;
                    }
                    changed = true;
                }
            }
        }
        bool placed = false;
        for (int b = 0; b < 3; ++b) {
            BandBits once = 0;
            BandBits twice = 0;
            for (const auto& digit : s.board) {
                twice |= once & digit[b];
                once |= digit[b];
            }
            if (s.open[b] & ~once) {
                return false;  // an open cell with no digit left
            }
            for (BandBits single = s.open[b] & ~twice; single != 0; single &= single - 1) {
                const BandBits cell = single & (0u - single);
                int d = 0;
                while (d < 9 && !(s.board[d][b] & cell)) {
                    ++d;
                }
                if (d == 9) {
                    return false;  // its one digit went to a peer of this round
                }
                place(s, d, b, cell);
                placed = true;
            }
        }
        if (!placed) {
            return true;
        }
    }
}

bool solved(const State& s) { return (s.open[0] | s.open[1] | s.open[2]) == 0; }

void readFilling(const State& s, Filling& filling)
{
    for (int d = 0; d < 9; ++d) {
        for (int b = 0; b < 3; ++b) {
            for (BandBits rest = s.board[d][b]; rest != 0; rest &= rest - 1) {
                filling[cellAt[b][lowestBit(rest)]] = static_cast<std::uint8_t>(d + 1);
            }
        }
    }
}

struct Guess {
    int band = 0;
    BandBits cell = 0;
};

// How many open cells share a unit with the cell at bit `at` of band b.
int openPeers(const State& s, int b, int at)
{
    const BandBits column = columnOfBand(at % 9);
    return bitTotal(s.open[b] & (rowOfBand(at / 9) | boxOfBand(at % 9 / 3))) +
           bitTotal(s.open[(b + 1) % 3] & column) + bitTotal(s.open[(b + 2) % 3] & column);
}

// Of the cells with two digits, the one with the most open peers, where
// either guess settles the most; without such a cell, the open cell with the
// fewest digits.
Guess fewestDigits(const State& s)
{
    Guess best;
    int mostPeers = -1;
    int fewest = 10;
    for (int b = 0; b < 3; ++b) {
        BandBits once = 0;
        BandBits twice = 0;
        BandBits thrice = 0;
        for (const auto& digit : s.board) {
            thrice |= twice & digit[b];
            twice |= once & digit[b];
            once |= digit[b];
        }
        for (BandBits pairs = s.open[b] & ~thrice; pairs != 0; pairs &= pairs - 1) {
            const int at = lowestBit(pairs);
            if (const int peers = openPeers(s, b, at); peers > mostPeers) {
                best = {b, 1u << at};
                mostPeers = peers;
            }
        }
        for (BandBits rest = s.open[b]; mostPeers < 0 && rest != 0; rest &= rest - 1) {
            const BandBits cell = rest & (0u - rest);
            int count = 0;
            for (const auto& digit : s.board) {
                count += (digit[b] & cell) ? 1 : 0;
            }
            if (count < fewest) {
                best = {b, cell};
                fewest = count;
            }
        }
    }
    return best;
}

Guess firstOpenInReadingOrder(const State& s)
{
    for (int b = 0; b < 3; ++b) {
        if (s.open[b] != 0) {
            return {b, s.open[b] & (0u - s.open[b])};
        }
    }
    return {};
}

// Depth-first over the guesses that chooseGuess picks, digits ascending,
// until `limit` fillings are found; the first is kept, and where `last` is
// given, each later one in turn.
template <typename ChooseGuess>
void search(State& s, int limit, int& found, Filling& first, Filling* last, ChooseGuess chooseGuess)
{
    if (!propagate(s)) {
        return;
    }
    if (solved(s)) {
        if (found++ == 0) {
            readFilling(s, first);
        } else if (last != nullptr) {
            readFilling(s, *last);
        }
        return;
    }
    const Guess guess = chooseGuess(s);
    for (int d = 0; d < 9 && found < limit; ++d) {
        if (s.board[d][guess.band] & guess.cell) {
            State next = s;
            place(next, d, guess.band, guess.cell);
            search(next, limit, found, first, last, chooseGuess);
        }
    }
}

// The boards of the allowed digits, with the givens settled and every other
// cell that has one digit put in place; false when two of them clash.
bool start(const PlainPuzzle& puzzle, State& s)
{
    for (int cell = 0; cell < 81; ++cell) {
        for (unsigned rest = puzzle.allowed[cell] & allDigits; rest != 0; rest &= rest - 1) {
            s.board[lowestBit(rest) - 1][bandOf(cell)] |= bitOf(cell);
        }
        if (!puzzle.given[cell]) {
            s.open[bandOf(cell)] |= bitOf(cell);
        }
    }
    for (int cell = 0; cell < 81; ++cell) {
        const DigitMask digits = puzzle.allowed[cell] & allDigits;
        if (!puzzle.given[cell] && isSingleBit(digits) &&
            !place(s, lowestBit(digits) - 1, bandOf(cell), bitOf(cell))) {
            return false;
        }
    }
    return true;
}

}  // namespace

int countFillings(const PlainPuzzle& puzzle, int limit, Filling& found)
{
    State s;
    int count = 0;
    if (start(puzzle, s)) {
        search(s, limit, count, found, nullptr, fewestDigits);
    }
    return count;
}

int countFillings(const PlainPuzzle& puzzle, int limit, Filling& first, Filling& last)
{
    State s;
    int count = 0;
    if (start(puzzle, s)) {
        search(s, limit, count, first, &last, fewestDigits);
    }
    return count;
}

bool firstFillingInReadingOrder(const PlainPuzzle& puzzle, Filling& first)
{
    State s;
    int count = 0;
    if (start(puzzle, s)) {
        search(s, 1, count, first, nullptr, firstOpenInReadingOrder);
    }
    return count > 0;
}
