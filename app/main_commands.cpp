#include "main_commands.h"

#include "about_command.h"
#include "check_command.h"
#include "clear_command.h"
#include "generate_command.h"
#include "hint_command.h"
#include "main_window.h"
#include "main_window_keys.h"
#include "print_command.h"
#include "puzzle_clipboard.h"
#include "solve_button.h"
#include "undo_history.h"

namespace {

constexpr MainCommand commands[] = {
    {solveButtonId, [] { recordUndoStep(solveButtonCommand); }},
    {generateButtonId, [] { recordUndoStep([] { generateCommand(clearCommand); }); }},
    {clearButtonId, [] { recordUndoStep(clearCommand); }},
    {printButtonId, printCommand},
    {aboutButtonId, aboutCommand},
    {copyPuzzleId, copyPuzzleCommand},
    {pastePuzzleId, [] { recordUndoStep(pastePuzzleCommand); }},
    {undoId, undoCommand},
    {redoId, redoCommand},
    {hintId, [] { recordUndoStep(hintCommand); }},
    {checkPuzzleId, checkPuzzleCommand},
};

}  // namespace

std::span<const MainCommand> mainCommands() { return commands; }
