#include "next_step.h"

#include "clashes.h"
#include "search.h"

#include <bit>
#include <optional>

namespace {

int lowestDigit(DigitMask mask) { return std::countr_zero(static_cast<unsigned>(mask)); }

// The candidates as the loop sees them once naked singles has swept the
// board: every empty cell's brought up to date with its peers' values, every
// filled cell's empty.
void refresh(Board& board)
{
    for (int cell = 0; cell < 81; ++cell) {
        if (board.value[cell] != 0) {
            board.candidates[cell] = 0;
        } else {
            board.eliminate(cell);
        }
    }
}

std::string number(int n) { return std::to_string(n); }
int columnNumber(int cell) { return columnOf(cell) + 1; }
int rowNumber(int cell) { return rowOf(cell) + 1; }
// Boxes as a player counts them: left to right, then top to bottom.
int boxNumber(int cell) { return 3 * (rowOf(cell) / 3) + columnOf(cell) / 3 + 1; }

std::optional<Step> findNakedSingle(const Board& board)
{
    for (int cell = 0; cell < 81; ++cell) {
        if (board.value[cell] == 0 && isSingleDigit(board.candidates[cell])) {
            return Step{StepTechnique::nakedSingle, {cell}, lowestDigit(board.candidates[cell]), 0, {}};
        }
    }
    return std::nullopt;
}

// Units in the order the loop's hidden-single techniques walk them; the
// technique is that of the unit's kind.
std::optional<Step> findHiddenSingle(const Board& board, int firstUnit, int lastUnit)
{
    for (int unit = firstUnit; unit <= lastUnit; ++unit) {
        for (int digit = 1; digit <= 9; ++digit) {
            if (board.present[unit] & digitBit(digit)) {
                continue;
            }
            int count = 0;
            int found = 0;
            for (int cell : unitCells[unit]) {
                if (board.candidates[cell] & digitBit(digit)) {
                    found = cell;
                    ++count;
                }
            }
            if (count == 1) {
                const StepTechnique technique = unit < rowUnit(0)       ? StepTechnique::columnHiddenSingle
                                                : unit < boxUnit(0, 0) ? StepTechnique::rowHiddenSingle
                                                                       : StepTechnique::boxHiddenSingle;
                return Step{technique, {found}, digit, 0, {}};
            }
        }
    }
    return std::nullopt;
}

// The first pair of a column (or row) sweep that strikes anything: its
// digits leave every other cell of its line.
std::optional<Step> findNakedPair(const Board& board, int firstUnit)
{
    const StepTechnique technique =
        firstUnit == columnUnit(0) ? StepTechnique::columnNakedPair : StepTechnique::rowNakedPair;
    for (int line = firstUnit; line < firstUnit + 9; ++line) {
        const auto& cells = unitCells[line];
        for (int b = 0; b < 9; ++b) {
            const DigitMask pair = board.candidates[cells[b]];
            if (candidateLength(pair) != 2) {
                continue;
            }
            for (int c = 0; c < 9; ++c) {
                if (c == b || board.candidates[cells[c]] != pair) {
                    continue;
                }
                Step step{technique, {cells[std::min(b, c)], cells[std::max(b, c)]}, 0, pair, {}};
                for (int k = 0; k < 9; ++k) {
                    const DigitMask struck = board.candidates[cells[k]] & pair;
                    if (k != b && k != c && struck != 0) {
                        step.removals.push_back({cells[k], struck});
                    }
                }
                if (!step.removals.empty()) {
                    return step;
                }
            }
        }
    }
    return std::nullopt;
}

std::string reasonFor(const Board& board, const Step& step)
{
    const int cell = step.cells.front();
    const std::string digit = number(step.digit);
    switch (step.technique) {
    case StepTechnique::nakedSingle: {
        const bool byPeersAlone = (allDigits & ~board.peerDigits(cell)) == digitBit(step.digit);
        return capitalised(cellName(cell)) + " can only be " + digit
               + (byPeersAlone ? ": every other digit is already in its row, column or box."
                               : ": every other digit is in its row, column or box or was struck out by a pair.");
    }
    case StepTechnique::columnHiddenSingle:
        return "In column " + number(columnNumber(cell)) + ", the " + digit + " fits only in row "
               + number(rowNumber(cell)) + ".";
    case StepTechnique::rowHiddenSingle:
        return "In row " + number(rowNumber(cell)) + ", the " + digit + " fits only in column "
               + number(columnNumber(cell)) + ".";
    case StepTechnique::boxHiddenSingle:
        return "In box " + number(boxNumber(cell)) + ", the " + digit + " fits only in " + cellName(cell) + ".";
    case StepTechnique::columnNakedPair:
    case StepTechnique::rowNakedPair: {
        const bool column = step.technique == StepTechnique::columnNakedPair;
        const int other = step.cells.back();
        const std::string line = column ? "column " + number(columnNumber(cell)) : "row " + number(rowNumber(cell));
        const std::string places = column ? "rows " + number(rowNumber(cell)) + " and " + number(rowNumber(other))
                                          : "columns " + number(columnNumber(cell)) + " and "
                                                + number(columnNumber(other));
        const int low = lowestDigit(step.pair);
        const int high = lowestDigit(static_cast<DigitMask>(step.pair & ~digitBit(low)));
        return capitalised(line) + ", " + places + " can only hold " + number(low) + " and " + number(high)
               + " between them, so no other cell of " + line + " can be " + number(low) + " or " + number(high)
               + ".";
    }
    }
    return {};
}

}  // namespace

std::optional<Step> findLoopStep(const Board& board)
{
    Board seen = board;
    refresh(seen);
    std::optional<Step> step = findNakedSingle(seen);
    if (!step) {
        step = findHiddenSingle(seen, columnUnit(0), rowUnit(8));
    }
    if (!step) {
        step = findHiddenSingle(seen, boxUnit(0, 0), boxUnit(8, 8));
    }
    if (!step) {
        step = findNakedPair(seen, columnUnit(0));
    }
    if (!step) {
        step = findNakedPair(seen, rowUnit(0));
    }
    return step;
}

bool isComplete(const Board& board)
{
    for (std::uint8_t digit : board.value) {
        if (digit == 0) {
            return false;
        }
    }
    return true;
}

NextStep findNextStep(const Board& board)
{
    if (const std::string clash = clashText(board); !clash.empty()) {
        return {StepOutcome::clash, {}, "The grid has a clash: " + clash};
    }
    if (isComplete(board)) {
        return {StepOutcome::complete, {}, "The puzzle is complete."};
    }
    if (countSolutions(board, 1) == 0) {
        return {StepOutcome::noSolution, {}, "The grid has no solution: a digit in it is wrong."};
    }
    const std::optional<Step> step = findLoopStep(board);
    if (!step) {
        return {StepOutcome::stuck, {}, "No single or pair is left; the rest needs trial and error."};
    }
    Board seen = board;
    refresh(seen);
    return {StepOutcome::step, *step, reasonFor(seen, *step)};
}

void applyStep(Board& board, const Step& step)
{
    refresh(board);
    if (step.digit != 0) {
        board.place(step.cells.front(), step.digit);
        board.candidates[step.cells.front()] = 0;
    }
    for (const CandidateRemoval& removal : step.removals) {
        board.candidates[removal.cell] &= static_cast<DigitMask>(~removal.digits);
    }
    board.progress = 1;
}
