#include "undo_history.h"

#include "grid_values.h"

#include <deque>
#include <string>

namespace {

// Each step is 81 bytes, so a long history costs next to nothing; the oldest
// steps go once this many are kept.
constexpr std::size_t maximumSteps = 1000;

std::deque<std::string> undoSteps;
std::deque<std::string> redoSteps;

void keep(std::deque<std::string>& steps, std::string values)
{
    steps.push_back(std::move(values));
    if (steps.size() > maximumSteps) {
        steps.pop_front();
    }
}

// Shows the latest values of `from` and keeps the values it replaces in `to`.
void stepBetween(std::deque<std::string>& from, std::deque<std::string>& to)
{
    if (from.empty()) {
        return;
    }
    keep(to, gridValues());
    showValues(from.back());
    from.pop_back();
}

}  // namespace

void recordUndoStep(const std::function<void()>& change)
{
    std::string before = gridValues();
    change();
    if (gridValues() != before) {
        keep(undoSteps, std::move(before));
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
