#include "puzzle_clipboard.h"

#include "clipboard.h"
#include "controls.h"
#include "grid_values.h"
#include "main_window.h"
#include "message_box.h"
#include "pasted_puzzle.h"

#include <string>

namespace {

// One digit, maybe with the line end that copying it from a text brings.
bool isOneDigit(const std::string& text)
{
    const std::string_view digit = std::string_view(text).substr(0, 1);
    const std::string_view rest = std::string_view(text).substr(digit.size());
    const bool lineEnd = rest.empty() || rest == "\n" || rest == "\r\n";
    return !digit.empty() && digit[0] >= '0' && digit[0] <= '9' && lineEnd;
}

}  // namespace

void copyPuzzleCommand() { setClipboardText(gridValues()); }

void pastePuzzleCommand()
{
    const std::string text = clipboardText();
    const int focused = focusedControl();
    if (isOneDigit(text) && isCellField(focused)) {
        insertText(focused, text.substr(0, 1));
        return;
    }
    std::string puzzle;
    std::string reason;
    if (!readPastedPuzzle(text, puzzle, reason)) {
        showMessage("Paste puzzle", reason);
        return;
    }
    showValues(puzzle);
}
