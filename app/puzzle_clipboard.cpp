#include "puzzle_clipboard.h"

#include "cell_entry.h"
#include "clipboard.h"
#include "controls.h"
#include "game_session.h"
#include "main_window.h"
#include "message_box.h"
#include "pasted_puzzle.h"
#include "pencil_mark_grid.h"
#include "puzzle_text.h"

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

void copyPuzzleCommand() { setClipboardText(formatPuzzle(boardOf(game))); }

void copyWithNotesCommand() { setClipboardText(pencilMarkGrid(game)); }

void pastePuzzleCommand()
{
    const std::string text = clipboardText();
    const int focused = focusedControl();
    if (isOneDigit(text) && isCellField(focused)) {
        cellEdited(focused, text[0] - '0');
        return;
    }
    std::string puzzle;
    std::string reason;
    Board board;
    if (readPastedPuzzle(text, puzzle, reason) && parsePuzzle(puzzle, board, reason)) {
        startNewGame(board.value);
        return;
    }
    // A pencil-mark grid's notes count as cells for the plain reading.
    GameState pasted;
    if (looksLikePencilMarks(text) && readPencilMarkGrid(text, pasted, reason)) {
        startNewGame(pasted);
        return;
    }
    showMessage("Paste puzzle", reason);
}
