#include "check_command.h"

#include "clashes.h"
#include "game_session.h"
#include "message_box.h"
#include "puzzle_check.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::string solutionCount(int solutions)
{
    switch (solutions) {
    case 0:
        return "Solutions: none.";
    case 1:
        return "Solutions: one.";
    default:
        return "Solutions: two or more.";
    }
}

// "row 1, column 1 and row 1, column 4": names joined as a player would
// list them.
std::string listed(const std::vector<int>& cells)
{
    std::string text;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        text += k == 0 ? "" : k + 1 == cells.size() ? " and " : "; ";
        text += cellName(cells[k]);
    }
    return text;
}

// One sentence for each clashing digit, its cells in reading order: "The 5s
// in row 1, column 1 and row 1, column 4 clash."
std::string clashSentences(const Board& board)
{
    std::vector<int> clashing = clashingCells(board);
    std::sort(clashing.begin(), clashing.end(), [](int a, int b) {
        return rowOf(a) != rowOf(b) ? rowOf(a) < rowOf(b) : columnOf(a) < columnOf(b);
    });
    std::string text;
    for (int digit = 1; digit <= 9; ++digit) {
        std::vector<int> cells;
        for (int cell : clashing) {
            if (board.value[cell] == digit) {
                cells.push_back(cell);
            }
        }
        if (!cells.empty()) {
            text += "\nThe " + std::to_string(digit) + "s in " + listed(cells) + " clash.";
        }
    }
    return text;
}

}  // namespace

void checkPuzzleCommand()
{
    const Board board = boardOf(game);
    const PuzzleCheck check = checkPuzzle(board);
    std::string text = solutionCount(check.solutions) + "\n" + check.verdict;
    if (check.clash) {
        text += "\n";
        text += clashSentences(board);
    }
    showMessage("Check puzzle", text);
}
