#include "main_window_keys.h"

#include "main_window.h"

namespace {

constexpr KeyCommand keys[] = {
    {copyPuzzleId, "Copy puzzle", "Ctrl+C"},
    {pastePuzzleId, "Paste puzzle", "Ctrl+V; Shift+Ins"},
    {undoId, "Undo", "Ctrl+Z"},
    {redoId, "Redo", "Ctrl+Shift+Z; Ctrl+Y"},
    {hintId, "Hint", "Ctrl+H"},
    {checkPuzzleId, "Check puzzle", "Ctrl+K"},
    // Keys for two of the buttons.
    {printButtonId, nullptr, "Ctrl+P"},
    {generateButtonId, nullptr, "Ctrl+N"},
};

}  // namespace

std::span<const KeyCommand> mainWindowKeys() { return keys; }
