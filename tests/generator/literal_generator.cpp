#include "literal_generator.h"

#include "candidates.h"
#include "grid.h"
#include "search.h"
#include "techniques.h"

#include <string>

namespace {

using GridTechnique = int (*)();

void runLoop(std::initializer_list<GridTechnique> techniques)
{
    do {
        progress = 0;
        for (GridTechnique technique : techniques) {
            if (technique() != 0) {
                break;
            }
        }
    } while (progress != 0);
}

bool logicTest(int difficulty)
{
    initCandidates();
    runLoop({placeNakedSingles, placeBoxHiddenSingles, placeLineHiddenSingles, placeBoxSinglesRefreshed});
    if (difficulty >= 2) {
        initCandidates();
        runLoop({placeNakedSingles, eliminateNakedPairs, placeBoxHiddenSingles, placeLineHiddenSingles,
                 placeBoxSinglesRefreshed});
    }
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            if (grid[i][j].value.empty()) {
                return false;
            }
        }
    }
    return true;
}

void restoreFromSolution()
{
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            grid[i][j].value.store(solution[i][j]);
        }
    }
}

int cluesInRow(int j)
{
    int n = 0;
    for (int i = 0; i < 9; ++i) {
        n += grid[i][j].value.empty() ? 0 : 1;
    }
    return n;
}

int cluesInColumn(int i)
{
    int n = 0;
    for (int j = 0; j < 9; ++j) {
        n += grid[i][j].value.empty() ? 0 : 1;
    }
    return n;
}

}  // namespace

std::vector<int> literalGeneratePuzzle(int difficulty, const RandomSource& randomInt, int attemptLimit)
{
    std::vector<int> bars;
    int bar = 0;
    auto setBar = [&](int position) {
        bar = position;
        bars.push_back(position);
    };
    for (int attempt = 1;; ++attempt) {
        std::string pool[3] = {"123456789", "123456789", "123456789"};
        std::string boxPositions[3][3];

        for (int i = 0; i < 9; ++i) {
            for (int j = 0; j < 9; ++j) {
                int p = -1;
                if (i <= 2 && j <= 2) {
                    p = 0;
                } else if (i >= 3 && i <= 5 && j >= 3 && j <= 5) {
                    p = 1;
                } else if (i >= 6 && j >= 6) {
                    p = 2;
                }
                std::string digit;
                if (p >= 0) {
                    const int k = randomInt(static_cast<int>(pool[p].size()) - 1) + 1;
                    digit = pool[p].substr(k - 1, 1);
                    pool[p] = pool[p].substr(0, k - 1) + pool[p].substr(k);
                }
                grid[i][j].value.store(digit);
            }
        }
        setBar(5);
        initCandidates();
        runLoop({placeNakedSingles, placeBoxSinglesRefreshed, placeLineHiddenSingles, placeBoxHiddenSingles,
                 eliminateNakedPairs});
        trySolve(0, 0);
        setBar(10);

        for (int i = 0; i < 9; ++i) {
            for (int j = 0; j < 9; ++j) {
                solution[i][j] = grid[i][j].value.read();
            }
        }
        setBar(11);

        for (auto& column : boxPositions) {
            for (auto& entry : column) {
                entry = "000102101112202122";
            }
        }
        setBar(12);
        int bc = randomInt(2);
        int br = randomInt(2);
        int allowance = difficulty;
        auto moveOn = [&] {
            if (++bc > 2) {
                bc = 0;
                if (++br > 2) {
                    br = 0;
                }
            }
        };

        do {
            std::string& list = boxPositions[bc][br];
            if (list.size() < 3) {
                moveOn();
            } else {
                int k = randomInt(static_cast<int>(list.size()) - 1) + 1;
                if (k % 2 == 0) {
                    k = k - 1;
                }
                const int c = list[k - 1] - '0';
                const int r = list[k] - '0';
                const int i = 3 * bc + c;
                const int j = 3 * br + r;
                grid[i][j].value.store("");
                const bool passed = logicTest(difficulty);
                bar += 2;
                if (bar > 90) {
                    bar = 90;
                }
                setBar(bar);
                if (passed) {
                    list = list.substr(0, k - 1) + list.substr(k + 1);
                    solution[i][j] = "";
                } else {
                    allowance -= 1;
                }
                restoreFromSolution();
            }
            moveOn();
        } while (allowance != 0);

        setBar(91);
        for (int i = 0; i < 9; ++i) {
            int empty = 9 - cluesInColumn(i);
            while (empty < difficulty) {
                int best = -1;
                for (int j = 0; j < 9; ++j) {
                    if (!grid[i][j].value.empty() && (best < 0 || cluesInRow(j) > cluesInRow(best))) {
                        best = j;
                    }
                }
                grid[i][best].value.store("");
                ++empty;
            }
        }
        setBar(92);
        for (int j = 0; j < 9; ++j) {
            int empty = 9 - cluesInRow(j);
            while (empty < difficulty) {
                int best = -1;
                for (int i = 0; i < 9; ++i) {
                    if (!grid[i][j].value.empty() && (best < 0 || cluesInColumn(i) > cluesInColumn(best))) {
                        best = i;
                    }
                }
                grid[best][j].value.store("");
                ++empty;
            }
        }

        if (countSolutions(2) == 1) {
            return bars;
        }
        if (attempt == attemptLimit) {
            restoreFromSolution();
            return bars;
        }
    }
}
