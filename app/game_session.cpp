#include "game_session.h"

#include <optional>

GameState game;
PlayChoices choices;

namespace {

struct Solved {
    std::array<std::uint8_t, 81> givens{};
    GivensSolution solution;
};
std::optional<Solved> lastSolved;

std::array<std::uint8_t, 81> givensOf(const GameState& state)
{
    std::array<std::uint8_t, 81> givens{};
    for (int cell = 0; cell < 81; ++cell) {
        givens[cell] = state.cells[cell].given ? state.cells[cell].value : 0;
    }
    return givens;
}

}  // namespace

void startNewGame(const std::array<std::uint8_t, 81>& givens)
{
    GameState start;
    startGame(start, givens);
    startNewGame(start);
}

void startNewGame(const GameState& start)
{
    game = start;
    choices.showMistakes = false;
}

const GivensSolution& givensSolution()
{
    const std::array<std::uint8_t, 81> givens = givensOf(game);
    if (!lastSolved || lastSolved->givens != givens) {
        lastSolved = Solved{givens, solveGivens(game)};
    }
    return lastSolved->solution;
}

void forgetGame()
{
    game = GameState{};
    choices = PlayChoices{};
}
