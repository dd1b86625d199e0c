#include "search.h"

#include "band_search.h"
#include "grid.h"

#include <bit>
#include <optional>

// The search keeps its meaning exactly (first filling in reading order,
// candidates tried in ascending order) but never walks into a branch that
// provably holds no filling. It works on a constraint picture of the grid:
// every open cell has the set of digits it may still take; every unit whose
// nine cells must end as a permutation of 1 to 9 is "exact", and there a
// digit that fits only one cell must go there. Where every unit is exact,
// the plain puzzle, the faster band search (band_search.h) does the work;
// this picture serves the rest: repeated givens, and cells left out before
// a later start.

namespace {

struct Constraints {
    std::array<DigitMask, 81> domain{};   // digits the cell may take; one bit once decided
    std::array<bool, 81> decided{};       // given, forced or chosen; also cells left out
    std::array<std::uint8_t, 81> pending{};
    int pendingCount = 0;
};

struct Problem {
    std::array<bool, 27> exact{};
    std::array<bool, 81> open{};          // the cells the search fills
};

bool isSingle(DigitMask mask) { return isSingleBit(mask); }

int lowestDigit(DigitMask mask) { return std::countr_zero(static_cast<unsigned>(mask)); }

void decide(Constraints& s, int cell, DigitMask digit)
{
    s.domain[cell] = digit;
    s.decided[cell] = true;
    s.pending[s.pendingCount++] = static_cast<std::uint8_t>(cell);
}

// Takes digits out of an undecided cell; false when none is left.
bool removeDigits(Constraints& s, int cell, DigitMask digits, bool& narrowed)
{
    if (s.decided[cell] || !(s.domain[cell] & digits)) {
        return true;
    }
    s.domain[cell] &= static_cast<DigitMask>(~digits);
    narrowed = true;
    if (s.domain[cell] == 0) {
        return false;
    }
    if (isSingle(s.domain[cell])) {
        decide(s, cell, s.domain[cell]);
    }
    return true;
}

// Where a box and a line cross, a digit of an exact box that fits only on
// that line leaves the rest of the line, and a digit of an exact line that
// fits only in that box leaves the rest of the box. A digit can stand at
// most once in any unit, so only the unit that must hold the digit needs to
// be exact.
bool lockCandidates(Constraints& s, const Problem& problem, bool& narrowed)
{
    for (int lineKind = 0; lineKind < 2; ++lineKind) {
        // segment[line][part]: the digits of the three cells where the line
        // crosses its part-th box.
        DigitMask segment[9][3];
        for (int line = 0; line < 9; ++line) {
            for (int part = 0; part < 3; ++part) {
                DigitMask digits = 0;
                for (int k = 3 * part; k < 3 * part + 3; ++k) {
                    digits |= s.domain[lineKind == 0 ? cellIndex(line, k) : cellIndex(k, line)];
                }
                segment[line][part] = digits;
            }
        }
        for (int line = 0; line < 9; ++line) {
            const int lineUnit = lineKind == 0 ? columnUnit(line) : rowUnit(line);
            const int first = 3 * (line / 3);
            for (int part = 0; part < 3; ++part) {
                const int box = lineKind == 0 ? boxUnit(line, 3 * part) : boxUnit(3 * part, line);
                const DigitMask elsewhereInBox = segment[first + (line + 1) % 3][part] |
                                                 segment[first + (line + 2) % 3][part];
                const DigitMask elsewhereOnLine = segment[line][(part + 1) % 3] | segment[line][(part + 2) % 3];
                const DigitMask pointing = problem.exact[box] ? segment[line][part] & ~elsewhereInBox : 0;
                const DigitMask claiming = problem.exact[lineUnit] ? segment[line][part] & ~elsewhereOnLine : 0;
                if (!(pointing & elsewhereOnLine) && !(claiming & elsewhereInBox)) {
                    continue;
                }
                for (int cell : unitCells[lineUnit]) {
                    const int along = lineKind == 0 ? rowOf(cell) : columnOf(cell);
                    if (along / 3 != part && !removeDigits(s, cell, pointing, narrowed)) {
                        return false;
                    }
                }
                for (int cell : unitCells[box]) {
                    const int across = lineKind == 0 ? columnOf(cell) : rowOf(cell);
                    if (across != line && !removeDigits(s, cell, claiming, narrowed)) {
                        return false;
                    }
                }
            }
        }
    }
    return true;
}

// Spreads every decided digit to its peers, and places hidden singles in the
// exact units, until nothing more follows. False on a contradiction.
bool propagate(Constraints& s, const Problem& problem)
{
    for (;;) {
        while (s.pendingCount > 0) {
            const int cell = s.pending[--s.pendingCount];
            const DigitMask digit = s.domain[cell];
            for (int peer : peerCells[cell]) {
                if (!(s.domain[peer] & digit)) {
                    continue;
                }
                if (s.decided[peer]) {
                    if (problem.open[peer]) {
                        return false;  // two decided peers share a digit
                    }
                    continue;          // a given: givens are never tested
                }
                s.domain[peer] &= static_cast<DigitMask>(~digit);
                if (s.domain[peer] == 0) {
                    return false;
                }
                if (isSingle(s.domain[peer])) {
                    decide(s, peer, s.domain[peer]);
                }
            }
        }
        bool placed = false;
        for (int unit = 0; unit < 27; ++unit) {
            if (!problem.exact[unit]) {
                continue;
            }
            DigitMask once = 0;
            DigitMask twice = 0;
            for (int cell : unitCells[unit]) {
                twice |= once & s.domain[cell];
                once |= s.domain[cell];
            }
            if (once != allDigits) {
                return false;
            }
            const DigitMask hidden = once & static_cast<DigitMask>(~twice);
            for (int cell : unitCells[unit]) {
                const DigitMask here = s.domain[cell] & hidden;
                if (s.decided[cell] || here == 0) {
                    continue;
                }
                if (!isSingle(here)) {
                    return false;
                }
                decide(s, cell, here);
                placed = true;
            }
        }
        if (placed) {
            continue;
        }
        bool narrowed = false;
        if (!lockCandidates(s, problem, narrowed)) {
            return false;
        }
        if (!narrowed) {
            return true;
        }
    }
}

// The alternatives a search step tries, each a cell and a digit: the digits
// of the open cell with the fewest, or, when every open cell has three or
// more, the places of a digit that an exact unit can put in only two cells.
// Either way exactly one alternative holds in any filling.
struct Branch {
    std::array<std::pair<std::uint8_t, DigitMask>, 9> choices{};
    int size = 0;
};

// False when every cell is decided.
bool chooseBranch(const Constraints& s, const Problem& problem, Branch& branch)
{
    int best = -1;
    int bestSize = 10;
    for (int cell = 0; cell < 81 && bestSize > 2; ++cell) {
        if (!s.decided[cell]) {
            const int size = bitTotal(s.domain[cell]);
            if (size < bestSize) {
                best = cell;
                bestSize = size;
            }
        }
    }
    if (best < 0) {
        return false;
    }
    if (bestSize > 2) {
        for (int unit = 0; unit < 27; ++unit) {
            if (!problem.exact[unit]) {
                continue;
            }
            DigitMask once = 0;
            DigitMask twice = 0;
            DigitMask thrice = 0;
            for (int cell : unitCells[unit]) {
                if (!s.decided[cell]) {
                    thrice |= twice & s.domain[cell];
                    twice |= once & s.domain[cell];
                    once |= s.domain[cell];
                }
            }
            const DigitMask twoPlaces = twice & static_cast<DigitMask>(~thrice);
            if (twoPlaces != 0) {
                const DigitMask digit = static_cast<DigitMask>(twoPlaces & -twoPlaces);
                for (int cell : unitCells[unit]) {
                    if (!s.decided[cell] && (s.domain[cell] & digit)) {
                        branch.choices[branch.size++] = {static_cast<std::uint8_t>(cell), digit};
                    }
                }
                return true;
            }
        }
    }
    for (DigitMask rest = s.domain[best]; rest != 0; rest &= rest - 1) {
        branch.choices[branch.size++] = {static_cast<std::uint8_t>(best), static_cast<DigitMask>(rest & -rest)};
    }
    return true;
}

// Counts fillings up to limit by depth-first search; the first filling found
// is kept. The constraints are used up.
int count(Constraints& s, const Problem& problem, int limit, Filling& first, bool& haveFirst)
{
    if (!propagate(s, problem)) {
        return 0;
    }
    Branch branch;
    if (!chooseBranch(s, problem, branch)) {
        if (!haveFirst) {
            for (int cell = 0; cell < 81; ++cell) {
                first[cell] = problem.open[cell] ? static_cast<std::uint8_t>(lowestDigit(s.domain[cell])) : 0;
            }
            haveFirst = true;
        }
        return 1;
    }
    int found = 0;
    for (int k = 0; k < branch.size && found < limit; ++k) {
        Constraints next = s;
        decide(next, branch.choices[k].first, branch.choices[k].second);
        found += count(next, problem, limit - found, first, haveFirst);
    }
    return found;
}

std::optional<Filling> findFilling(Constraints s, const Problem& problem)
{
    Filling filling{};
    bool have = false;
    if (count(s, problem, 1, filling, have) == 0) {
        return std::nullopt;
    }
    return filling;
}

// Sets up the constraints of the search on board from the given position:
// open cells may take the digits of their candidates that no peer holds.
// Returns false when an open cell has no such digit.
bool setUp(const Board& board, int start, bool useCandidates, Constraints& s, Problem& problem)
{
    for (int unit = 0; unit < 27; ++unit) {
        problem.exact[unit] = true;
        for (int digit = 1; digit <= 9; ++digit) {
            if (board.digitCount[unit][digit] > 1) {
                problem.exact[unit] = false;
            }
        }
    }
    for (int cell = 0; cell < 81; ++cell) {
        const int i = columnOf(cell);
        const int j = rowOf(cell);
        const int readingPosition = 9 * j + i;
        s.decided[cell] = true;
        if (board.value[cell] != 0) {
            s.domain[cell] = digitBit(board.value[cell]);
            continue;
        }
        if (readingPosition < start) {
            s.domain[cell] = 0;  // left empty, and so no constraint on anything
            for (int unit : {columnUnit(i), rowUnit(j), boxUnit(i, j)}) {
                problem.exact[unit] = false;
            }
            continue;
        }
        problem.open[cell] = true;
        const DigitMask allowed = useCandidates ? board.candidates[cell] & allDigits : allDigits;
        s.domain[cell] = allowed & static_cast<DigitMask>(~board.peerDigits(cell));
        if (s.domain[cell] == 0) {
            return false;
        }
        s.decided[cell] = false;
        if (isSingle(s.domain[cell])) {
            decide(s, cell, s.domain[cell]);
        }
    }
    return true;
}

// The digits each cell may take: a filled cell its value, an empty one the
// digits of its candidates (or all nine) that no peer holds. False when an
// empty cell has none.
bool allowedDigits(const Board& board, bool useCandidates, PlainPuzzle& puzzle)
{
    for (int cell = 0; cell < 81; ++cell) {
        puzzle.given[cell] = board.value[cell] != 0;
        if (puzzle.given[cell]) {
            puzzle.allowed[cell] = digitBit(board.value[cell]);
            continue;
        }
        const DigitMask tried = useCandidates ? board.candidates[cell] & allDigits : allDigits;
        puzzle.allowed[cell] = tried & static_cast<DigitMask>(~board.peerDigits(cell));
        if (puzzle.allowed[cell] == 0) {
            return false;
        }
    }
    return true;
}

bool allFilledFrom(const Board& board, int start)
{
    for (int position = start; position < 81; ++position) {
        if (board.value[cellIndex(position % 9, position / 9)] == 0) {
            return false;
        }
    }
    return true;
}

// A search from the first cell, or from a later one with every cell before
// it filled, on givens that do not repeat, is the plain puzzle: each unit
// ends with the nine digits once each.
bool isPlainPuzzle(const Board& board, int start)
{
    for (int position = 0; position < start; ++position) {
        if (board.value[cellIndex(position % 9, position / 9)] == 0) {
            return false;
        }
    }
    return !givensClash(board);
}

}  // namespace

int trySolve(Board& board, int column, int row)
{
    if (row >= 9) {
        return 1;
    }
    const int start = 9 * row + column;
    if (allFilledFrom(board, start)) {
        return 1;  // nothing to try, and filled cells are never tested
    }
    if (isPlainPuzzle(board, start)) {
        // One filling is the first in any order; only with several does the
        // reading order have to be followed.
        PlainPuzzle puzzle;
        Filling filling;
        if (!allowedDigits(board, true, puzzle)) {
            return 0;
        }
        const int fillings = countFillings(puzzle, 2, filling);
        if (fillings == 0) {
            return 0;
        }
        if (fillings > 1) {
            firstFillingInReadingOrder(puzzle, filling);
        }
        for (int cell = 0; cell < 81; ++cell) {
            if (board.value[cell] == 0) {
                board.place(cell, filling[cell]);
            }
        }
        return 1;
    }
    Constraints s;
    Problem problem;
    if (!setUp(board, start, true, s, problem) || !propagate(s, problem)) {
        return 0;
    }
    Filling filling{};
    bool have = false;
    Constraints root = s;
    const int fillings = count(root, problem, 2, filling, have);
    if (fillings == 0) {
        return 0;
    }
    if (fillings > 1) {
        // Several fillings: walk the open cells in reading order and settle
        // each on its smallest digit that still leads to a filling. The
        // filling in hand proves its own digit, so only smaller ones are tried.
        for (int r = 0; r < 9; ++r) {
            for (int c = 0; c < 9; ++c) {
                const int cell = cellIndex(c, r);
                if (s.decided[cell]) {
                    continue;
                }
                for (DigitMask rest = s.domain[cell]; rest != 0; rest &= rest - 1) {
                    const DigitMask digit = static_cast<DigitMask>(rest & -rest);
                    Constraints trial = s;
                    decide(trial, cell, digit);
                    if (digit == digitBit(filling[cell])) {
                        propagate(trial, problem);
                        s = trial;
                        break;
                    }
                    if (propagate(trial, problem)) {
                        if (auto better = findFilling(trial, problem)) {
                            filling = *better;
                            s = trial;
                            break;
                        }
                    }
                }
            }
        }
    }
    for (int cell = 0; cell < 81; ++cell) {
        if (problem.open[cell]) {
            board.place(cell, filling[cell]);
        }
    }
    return 1;
}

int trySolve(int column, int row)
{
    Board board = Board::fromGrid();
    const int result = trySolve(board, column, row);
    board.toGrid();
    return result;
}

std::string peerValues(int column, int row)
{
    std::string text;
    for (int k = 0; k < 9; ++k) {
        if (k != column) {
            text += grid[k][row].value.view();
        }
    }
    for (int k = 0; k < 9; ++k) {
        if (k != row) {
            text += grid[column][k].value.view();
        }
    }
    const int bi = 3 * (column / 3);
    const int bj = 3 * (row / 3);
    for (int x = bi; x < bi + 3; ++x) {
        for (int y = bj; y < bj + 3; ++y) {
            if (x != column || y != row) {
                text += grid[x][y].value.view();
            }
        }
    }
    return text;
}

int countSolutions(const Board& board, int limit)
{
    PlainPuzzle puzzle;
    if (givensClash(board) || !allowedDigits(board, false, puzzle)) {
        return 0;  // two equal givens in a unit: no clash-free grid agrees
    }
    Filling unused;
    return countFillings(puzzle, limit, unused);
}

int countSolutions(int limit) { return countSolutions(Board::fromGrid(), limit); }

int countSolutions(const Board& board, int limit, const Filling& known, Filling& other)
{
    PlainPuzzle puzzle;
    if (givensClash(board) || !allowedDigits(board, false, puzzle)) {
        return 0;
    }
    Filling last;
    const int count = countFillings(puzzle, limit, other, last);
    if (count > 1 && other == known) {
        other = last;
    }
    return count;
}
