#include "main_commands.h"

#include "about_command.h"
#include "check_command.h"
#include "clear_command.h"
#include "engine_grid.h"
#include "generate_command.h"
#include "hint_command.h"
#include "main_window.h"
#include "main_window_keys.h"
#include "notes_commands.h"
#include "print_command.h"
#include "puzzle_clipboard.h"
#include "solve_button.h"
#include "undo_history.h"
#include "verdict_commands.h"
#include "zoom_commands.h"

namespace {

// Generate clears the game and the engine's grid with it before it builds.
void clearForGenerate()
{
    clearCommand();
    writeGameToGrid();
}

constexpr MainCommand commands[] = {
    {solveButtonId, [] { recordUndoStep(solveButtonCommand); }},
    {generateButtonId,
     [] {
         recordUndoStep([] {
             writeGameToGrid();
             generateCommand(clearForGenerate, takeGeneratedValue);
         });
     }},
    {clearButtonId, [] { recordUndoStep(clearCommand); }},
    {printButtonId,
     [] {
         writeGameToGrid();
         printCommand();
     }},
    {aboutButtonId, aboutCommand},
    {copyPuzzleId, copyPuzzleCommand},
    {pastePuzzleId, [] { recordUndoStep(pastePuzzleCommand); }},
    {undoId, undoCommand},
    {redoId, redoCommand},
    {hintId, [] { recordUndoStep(hintCommand); }},
    {checkPuzzleId, checkPuzzleCommand},
    {copyWithNotesId, copyWithNotesCommand},
    {showMistakesId, showMistakesCommand},
    {notesModeId, notesModeCommand},
    {fillInNotesId, [] { recordUndoStep(fillInNotesCommand); }},
    {clearNotesId, [] { recordUndoStep(clearNotesCommand); }},
    {strikePeerNotesId, strikePeerNotesCommand},
    {zoomInId, zoomInCommand},
    {zoomOutId, zoomOutCommand},
    {zoomResetId, zoomResetCommand},
};

}  // namespace

std::span<const MainCommand> mainCommands() { return commands; }
