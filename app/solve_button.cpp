#include "solve_button.h"

#include "clock.h"
#include "engine_grid.h"
#include "game_view.h"
#include "message_box.h"
#include "solve_command.h"

#include <string>

void solveButtonCommand()
{
    writeGameToGrid();
    const SolveHost host{
        takeSolvedValue,
        [](std::string_view title, std::string_view text) {
            showGame();
            showMessage(std::string(title), std::string(text));
        },
        tickCount,
    };
    solveCommand(host);
}
