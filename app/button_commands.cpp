#include "button_commands.h"

#include "about_command.h"
#include "check_command.h"
#include "clear_command.h"
#include "generate_command.h"
#include "hint_command.h"
#include "main_window.h"
#include "print_command.h"
#include "solve_button.h"

namespace {

constexpr ButtonCommand commands[] = {
    {solveButtonId, solveButtonCommand},
    {generateButtonId, [] { generateCommand(clearCommand); }},
    {clearButtonId, clearCommand},
    {printButtonId, printCommand},
    {aboutButtonId, aboutCommand},
    {hintId, hintCommand},
    {checkPuzzleId, checkPuzzleCommand},
};

}  // namespace

std::span<const ButtonCommand> buttonCommands() { return commands; }
