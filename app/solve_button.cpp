#include "solve_button.h"

#include "clock.h"
#include "controls.h"
#include "message_box.h"
#include "solve_command.h"

#include <string>

void solveButtonCommand()
{
    const SolveHost host{
        setControlText,
        [](std::string_view title, std::string_view text) {
            showMessage(std::string(title), std::string(text));
        },
        tickCount,
    };
    solveCommand(host);
}
