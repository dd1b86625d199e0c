#include "game_state.h"

#include "clashes.h"

namespace {

void deriveClashes(GameState& game)
{
    for (GameCell& cell : game.cells) {
        cell.clash = false;
    }
    for (int cell : clashingCells(boardOf(game))) {
        game.cells[cell].clash = true;
    }
}

}  // namespace

void enterDigit(GameState& game, int cell, int digit, bool strikePeerNotes)
{
    GameCell& entered = game.cells[cell];
    if (entered.given) {
        return;
    }
    entered.value = static_cast<std::uint8_t>(digit);
    if (digit == 0) {
        deriveClashes(game);
        return;
    }
    entered.notes = 0;
    if (strikePeerNotes) {
        for (int peer : peerCells[cell]) {
            game.cells[peer].notes &= static_cast<DigitMask>(~digitBit(digit));
        }
    }
    deriveClashes(game);
}

void toggleNote(GameState& game, int cell, int digit)
{
    if (game.cells[cell].value == 0) {
        game.cells[cell].notes ^= digitBit(digit);
    }
}

void clearCellNotes(GameState& game, int cell) { game.cells[cell].notes = 0; }

void fillInNotes(GameState& game)
{
    const CandidateGrid fresh = CandidateGrid::fromValues(boardOf(game));
    for (int cell = 0; cell < 81; ++cell) {
        game.cells[cell].notes = fresh.candidates[cell];
    }
}

void clearAllNotes(GameState& game)
{
    for (GameCell& cell : game.cells) {
        cell.notes = 0;
    }
}

void strikeCandidate(GameState& game, int cell, int digit)
{
    game.cells[cell].struck |= digitBit(digit);
    game.cells[cell].notes &= static_cast<DigitMask>(~digitBit(digit));
}

void startGame(GameState& game, const std::array<std::uint8_t, 81>& givens)
{
    for (int cell = 0; cell < 81; ++cell) {
        game.cells[cell] = GameCell{givens[cell], givens[cell] != 0};
    }
    deriveClashes(game);
}

void setGiven(GameState& game, int cell, int digit)
{
    game.cells[cell] = GameCell{static_cast<std::uint8_t>(digit), digit != 0};
    deriveClashes(game);
}

void takeSolvedDigit(GameState& game, int cell, int digit)
{
    GameCell& solved = game.cells[cell];
    if (solved.value != digit) {
        solved = GameCell{static_cast<std::uint8_t>(digit), false, 0, solved.struck};
        deriveClashes(game);
    }
}

bool sameGrid(const GameState& a, const GameState& b)
{
    for (int cell = 0; cell < 81; ++cell) {
        if (a.cells[cell].value != b.cells[cell].value || a.cells[cell].struck != b.cells[cell].struck) {
            return false;
        }
    }
    return true;
}

std::array<std::uint8_t, 81> valuesOf(const GameState& game)
{
    std::array<std::uint8_t, 81> values{};
    for (int cell = 0; cell < 81; ++cell) {
        values[cell] = game.cells[cell].value;
    }
    return values;
}

bool hasGivens(const GameState& game)
{
    for (const GameCell& cell : game.cells) {
        if (cell.given) {
            return true;
        }
    }
    return false;
}

bool isFull(const GameState& game)
{
    for (const GameCell& cell : game.cells) {
        if (cell.value == 0) {
            return false;
        }
    }
    return true;
}

Board boardOf(const GameState& game)
{
    Board board;
    for (int cell = 0; cell < 81; ++cell) {
        if (game.cells[cell].value != 0) {
            board.place(cell, game.cells[cell].value);
        }
    }
    return board;
}

CandidateGrid candidatesOf(const GameState& game)
{
    CandidateGrid candidates = CandidateGrid::fromValues(boardOf(game));
    for (int cell = 0; cell < 81; ++cell) {
        for (int digit = 1; digit <= 9; ++digit) {
            if (game.cells[cell].struck & digitBit(digit)) {
                candidates.eliminate(cell, digit);
            }
        }
    }
    return candidates;
}
