#include "main_window_keys.h"

#include "main_window.h"
#include "notes_commands.h"
#include "verdict_commands.h"

namespace {

constexpr KeyCommand keys[] = {
    {copyPuzzleId, "Copy puzzle", "Ctrl+C"},
    {pastePuzzleId, "Paste puzzle", "Ctrl+V; Shift+Ins"},
    {undoId, "Undo", "Ctrl+Z"},
    {redoId, "Redo", "Ctrl+Shift+Z; Ctrl+Y"},
    {hintId, "Hint", "Ctrl+H"},
    {checkPuzzleId, "Check puzzle", "Ctrl+K"},
    menuSeparator,
    {copyWithNotesId, "Copy with notes", "Ctrl+Shift+C"},
    {showMistakesId, "Show mistakes", "Ctrl+M", mistakesShown},
    menuSeparator,
    {notesModeId, "Notes mode", "N", notesModeIsOn},
    {fillInNotesId, "Fill in notes", "Ctrl+Shift+F"},
    {clearNotesId, "Clear notes", "Ctrl+Shift+Del"},
    {strikePeerNotesId, "Strike placed digits from notes", nullptr, strikePeerNotesIsOn},
    menuSeparator,
    {zoomInId, "Zoom in", "Ctrl+=; Ctrl++"},
    {zoomOutId, "Zoom out", "Ctrl+-"},
    {zoomResetId, "Actual size", "Ctrl+0"},
    // Keys for two of the buttons.
    {printButtonId, nullptr, "Ctrl+P"},
    {generateButtonId, nullptr, "Ctrl+N"},
};

}  // namespace

std::span<const KeyCommand> mainWindowKeys() { return keys; }
