#include "undo_history.h"

#include "game_session.h"

#include <deque>

namespace {

// Each step is a whole game of a few hundred bytes, so a long history costs
// little; the oldest steps go once this many are kept.
constexpr std::size_t maximumSteps = 1000;

std::deque<GameState> undoSteps;
std::deque<GameState> redoSteps;

void keep(std::deque<GameState>& steps, const GameState& state)
{
    steps.push_back(state);
    if (steps.size() > maximumSteps) {
        steps.pop_front();
    }
}

// Puts back the latest game of `from` and keeps the one it replaces in `to`.
void stepBetween(std::deque<GameState>& from, std::deque<GameState>& to)
{
    if (from.empty()) {
        return;
    }
    keep(to, game);
    game = from.back();
    from.pop_back();
}

}  // namespace

void recordUndoStep(const std::function<void()>& change)
{
    const GameState before = game;
    change();
    if (game != before) {
        keep(undoSteps, before);
        redoSteps.clear();
    }
}

void undoCommand() { stepBetween(undoSteps, redoSteps); }

void redoCommand() { stepBetween(redoSteps, undoSteps); }

void forgetUndoSteps()
{
    undoSteps.clear();
    redoSteps.clear();
}
