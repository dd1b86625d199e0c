#include "clue_removal.h"

#include "logic_test.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// The failure allowance alone ends the removal only because sound techniques
// cannot fill a grid with one clue per box; this bound ends it regardless.
// A removal takes at most about 80 trials and as many skipping rounds.
constexpr int maxRounds = 1000;

// The positions of one box that may still be tried, in their first order:
// column offset outer, row offset inner.
struct BoxPositions {
    std::array<std::uint8_t, 9> columnOffset{};
    std::array<std::uint8_t, 9> rowOffset{};
    int count = 9;

    BoxPositions()
    {
        for (int p = 0; p < 9; ++p) {
            columnOffset[p] = static_cast<std::uint8_t>(p / 3);
            rowOffset[p] = static_cast<std::uint8_t>(p % 3);
        }
    }

    void erase(int p)
    {
        std::copy(columnOffset.begin() + p + 1, columnOffset.begin() + count, columnOffset.begin() + p);
        std::copy(rowOffset.begin() + p + 1, rowOffset.begin() + count, rowOffset.begin() + p);
        --count;
    }
};

struct BoxCursor {
    int column = 0;
    int row = 0;

    void moveOn()
    {
        if (++column > 2) {
            column = 0;
            if (++row > 2) {
                row = 0;
            }
        }
    }
};

}  // namespace

void removeCluesAtRandom(Board& board, int difficulty, const RandomSource& randomInt, const SetBar& setBar)
{
    removeCluesAtRandom(board, difficulty, randomInt, setBar, passesLogicTest);
}

void removeCluesAtRandom(Board& board, int difficulty, const RandomSource& randomInt, const SetBar& setBar,
                         const TrialJudge& judge)
{
    BoxPositions boxPositions[3][3];
    int bar = 12;
    setBar(bar);
    BoxCursor cursor;
    cursor.column = randomInt(2);
    cursor.row = randomInt(2);
    int allowance = difficulty;

    int rounds = 0;
    do {
        BoxPositions& positions = boxPositions[cursor.column][cursor.row];
        if (positions.count < 2) {
            cursor.moveOn();
        } else {
            // A random character of the list "crcrcr...", moved back to the
            // start of its pair: every pair equally likely.
            int k = randomInt(2 * positions.count - 1) + 1;
            if (k % 2 == 0) {
                --k;
            }
            const int p = (k - 1) / 2;
            const int cell = cellIndex(3 * cursor.column + positions.columnOffset[p],
                                       3 * cursor.row + positions.rowOffset[p]);
            Board trial = board;
            trial.clear(cell);
            const bool passed = judge(trial, difficulty);
            bar = std::min(bar + 2, 90);
            setBar(bar);
            if (passed) {
                positions.erase(p);
                board.clear(cell);
            } else {
                --allowance;
            }
            board.candidates = trial.candidates;
            board.progress = trial.progress;
        }
        cursor.moveOn();
    } while (allowance > 0 && ++rounds < maxRounds);
}
