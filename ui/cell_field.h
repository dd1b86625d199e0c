#pragma once

#include <cstdint>
#include <string>

class QFont;
class QPainter;
class QRectF;
class QWidget;

// The entry field of one cell: a single-line field with a sunken edge that
// shows what the program gives it and takes no edit of its own. Keys become
// events, which the program answers by giving the field its new look:
// - a digit 0 to 9, Backspace or Delete raise typeTextChanged with the digit
//   (0 for the last three), whatever the caret or the selection;
// - Ctrl+digit and Shift+digit (the digit row's key, whatever symbol Shift
//   gives it) raise typeNoteToggled with the digit 1 to 9;
// - the arrow keys move the focus on as arrow_keys.h arranges;
// - the Menu key, Shift+F10 and a right click open the context menu: the
//   window's key commands (key_commands.h), whose keys go before the
//   field's own, and the nine notes of the cell, each raising
//   typeNoteToggled.
// Gaining and losing the keyboard focus raise typeFocusGained and
// typeFocusLost.

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

enum class CellTint {
    none,
    line,   // a light tint: the row, column or box of the focused cell
    digit,  // a stronger one: the cell holds the focused cell's digit
};

// What a cell field shows. The default is a plain empty field.
struct CellLook {
    std::string digit;  // empty or one digit
    Rgb ink{1, 0, 0};   // the digit's colour
    bool bold = false;
    CellTint tint = CellTint::none;
    // The digit is crossed out by a stroke from corner to corner.
    bool crossed = false;
    // Notes, bits 1 to 9, drawn small in an empty field at fixed places, 1
    // top left to 9 bottom right. Ruled-out notes are drawn red and struck
    // through; marked ones bold on a tint.
    std::uint16_t notes = 0;
    std::uint16_t ruledOutNotes = 0;
    std::uint16_t markedNotes = 0;
    bool operator==(const CellLook&) const = default;
};

// Adds a cell field with that id to the open window; returns it, or null
// when the window is not open. Its font is the current default control
// font; its text is centred.
QWidget* createCellField(int window, int id, int x, int y, int w, int h);

// Gives the cell field its look; does nothing for another id. Whatever the
// desktop's palette, the field's background stays light, as the digits it
// shows are dark.
void setCellLook(int id, const CellLook& look);

// Where a cell field draws the note of a digit 1 to 9, in the field's own
// pixels, and the font it draws notes in.
QRectF notePlace(const QWidget* field, int digit);
QFont noteFont(const QWidget* field);

// Draws a note's digit in its place in the painter's font and pen, centred
// by the height of a digit, not of the font.
void drawNoteDigit(QPainter& painter, const QRectF& place, int digit);

// Called whenever a cell field gains or loses the keyboard focus, at once,
// before the event that says so is taken from the queue: what the window
// shows around the focus follows it even while the program is busy
// elsewhere.
void setCellFocusWatcher(void (*watcher)());
