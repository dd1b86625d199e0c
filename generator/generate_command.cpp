#include "generate_command.h"

#include "clock.h"
#include "difficulty_dialog.h"
#include "events.h"
#include "grid.h"
#include "progress_window.h"
#include "puzzle_builder.h"
#include "windows.h"

#include <algorithm>
#include <cstdint>

namespace {

// A short pause with the bar at 1, the events of which are dropped. It ends
// after 10 ms even when nothing happens, since no event need ever come.
void pauseBeforeBuilding()
{
    const std::int64_t deadline = tickCount() + 10;
    do {
        setProgressBar(1);
        waitEvent(static_cast<int>(std::max<std::int64_t>(deadline - tickCount() + 1, 0)));
    } while (deadline >= tickCount());
}

// Runs the bar on from 93 to full, so that the user sees it end.
void finishBar()
{
    setProgressBar(93);
    for (int position = 93; position <= 100; ++position) {
        setProgressBar(position);
        sleepMilliseconds(5);
    }
}

}  // namespace

void generateCommand(void (*clear)(), const WriteField& show)
{
    if (!openDifficultyDialog()) {
        return;
    }
    const int difficulty = awaitDifficulty();
    closeWindow(difficultyDialog);
    if (!openProgressWindow()) {
        return;
    }
    clear();
    pauseBeforeBuilding();
    generatePuzzle(difficulty, randomInt, setProgressBar);
    finishBar();
    closeWindow(progressWindow);
    showGrid(show);
}
