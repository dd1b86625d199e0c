#include "literal_techniques.h"

#include "grid.h"

#include <string>

namespace {

bool contains(const std::string& text, const std::string& digit) { return text.find(digit) != std::string::npos; }

// Deletes every occurrence of the value from the text.
std::string without(std::string text, const std::string& value)
{
    for (std::size_t at = text.find(value); at != std::string::npos; at = text.find(value)) {
        text.erase(at, 1);
    }
    return text;
}

void removeFrom(int i, int j, int x, int y)
{
    const std::string value = grid[x][y].value.read();
    if (!value.empty()) {
        grid[i][j].candidates.store(without(grid[i][j].candidates.read(), value));
    }
}

void placeDigit(int i, int j, const std::string& digit)
{
    grid[i][j].value.store(digit);
    grid[i][j].candidates.store("");
    progress = 1;
}

// The hidden-single step of one unit, given as nine (column, row) pairs in
// its walking order.
void hiddenSingle(const int (&cells)[9][2], const std::string& digit)
{
    for (const auto& cell : cells) {
        if (grid[cell[0]][cell[1]].value.read() == digit) {
            return;
        }
    }
    int count = 0;
    int found = 0;
    for (int n = 0; n < 9 && count < 2; ++n) {
        literalEliminateCandidates(cells[n][0], cells[n][1]);
        if (contains(grid[cells[n][0]][cells[n][1]].candidates.read(), digit)) {
            ++count;
            found = n;
        }
    }
    if (count == 1) {
        placeDigit(cells[found][0], cells[found][1], digit);
    }
}

void reduceForPair(const Cell& p, Cell& r)
{
    const std::string pair = p.candidates.read();
    const std::string before = r.candidates.read();
    const std::string middle = without(before, pair.substr(0, 1));
    if (middle != before) {
        progress = 1;
    }
    const std::string after = without(middle, pair.substr(1, 1));
    if (after != middle) {
        progress = 1;
    }
    r.candidates.store(after);
}

void refreshAll()
{
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            literalEliminateCandidates(i, j);
        }
    }
}

// One sweep of the pair technique: over the lines (columns, or rows when
// alongRows), each cell of a line against every other cell of that line.
void pairSweep(bool alongRows)
{
    const auto cell = [alongRows](int line, int k) -> Cell& {
        return alongRows ? grid[k][line] : grid[line][k];
    };
    for (int line = 0; line < 9; ++line) {
        for (int b = 0; b < 9; ++b) {
            if (cell(line, b).candidates.read().size() != 2) {
                continue;
            }
            for (int c = 0; c < 9; ++c) {
                const std::string partner = cell(line, c).candidates.read();
                if (c == b || partner.size() != 2 || partner != cell(line, b).candidates.read()) {
                    continue;
                }
                for (int k = 0; k < 9; ++k) {
                    if (k != b && k != c) {
                        reduceForPair(cell(line, b), cell(line, k));
                    }
                }
            }
        }
    }
}

}  // namespace

void literalInitCandidates()
{
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            grid[i][j].candidates.store(grid[i][j].value.read().empty() ? "123456789" : "test");
        }
    }
}

void literalEliminateCandidates(int i, int j)
{
    for (int x = 3 * (i / 3); x < 3 * (i / 3) + 3; ++x) {
        for (int y = 3 * (j / 3); y < 3 * (j / 3) + 3; ++y) {
            removeFrom(i, j, x, y);
        }
    }
    for (int k = 0; k < 9; ++k) {
        if (k != j) {
            removeFrom(i, j, i, k);
        }
    }
    for (int k = 0; k < 9; ++k) {
        if (k != i) {
            removeFrom(i, j, k, j);
        }
    }
}

int literalPlaceBoxSinglesRefreshed()
{
    refreshAll();
    for (int bi = 0; bi < 3; ++bi) {
        for (int bj = 0; bj < 3; ++bj) {
            for (int d = 1; d <= 9; ++d) {
                const std::string digit = std::to_string(d);
                int count = 0;
                int fx = 0;
                int fy = 0;
                for (int x = 0; x < 3; ++x) {
                    for (int y = 0; y < 3; ++y) {
                        if (contains(grid[3 * bi + x][3 * bj + y].candidates.read(), digit)) {
                            ++count;
                            fx = x;
                            fy = y;
                        }
                    }
                }
                if (count == 1) {
                    grid[3 * bi + fx][3 * bj + fy].value.store(digit);
                    progress = 1;
                }
            }
        }
    }
    return progress;
}

int literalEliminateNakedPairs()
{
    refreshAll();
    pairSweep(false);
    pairSweep(true);
    pairSweep(false);
    return progress;
}

int literalPlaceNakedSingles()
{
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            if (!grid[i][j].value.read().empty()) {
                grid[i][j].candidates.store("");
                continue;
            }
            literalEliminateCandidates(i, j);
            const std::string candidates = grid[i][j].candidates.read();
            if (candidates.size() == 1) {
                placeDigit(i, j, candidates);
            }
        }
    }
    return progress;
}

int literalPlaceBoxHiddenSingles()
{
    for (int bx = 0; bx < 9; bx += 3) {
        for (int by = 0; by < 9; by += 3) {
            int cells[9][2];
            for (int n = 0; n < 9; ++n) {
                cells[n][0] = bx + n / 3;
                cells[n][1] = by + n % 3;
            }
            for (int d = 1; d <= 9; ++d) {
                hiddenSingle(cells, std::to_string(d));
            }
        }
    }
    return progress;
}

int literalPlaceLineHiddenSingles()
{
    int cells[9][2];
    for (int i = 0; i < 9; ++i) {
        for (int k = 0; k < 9; ++k) {
            cells[k][0] = i;
            cells[k][1] = k;
        }
        for (int d = 1; d <= 9; ++d) {
            hiddenSingle(cells, std::to_string(d));
        }
    }
    for (int j = 0; j < 9; ++j) {
        for (int k = 0; k < 9; ++k) {
            cells[k][0] = k;
            cells[k][1] = j;
        }
        for (int d = 1; d <= 9; ++d) {
            hiddenSingle(cells, std::to_string(d));
        }
    }
    return progress;
}
