#pragma once

#include <functional>
#include <string>

class QWidget;

// Windows are known by number: 0 the main window, 1 the difficulty dialog,
// 2 the progress window, 3 the About window, 4 the web-page window, 5 and 6
// the dialog and the progress window of New puzzle by rating.

// What the title bar offers. A window with neither box has a title bar only.
enum WindowStyle : unsigned {
    styleTitleOnly = 0,
    styleCloseBox = 1,
    styleMinimiseBox = 2,
    styleKeptOnTop = 4,
};

enum class Placement {
    centredOnScreen,
    // Centred over the window that is active when this one opens, moved right
    // or down where needed to keep its left and top edges on the screen; at
    // the screen's top-left corner when no window is active.
    centredOverActive,
};

// Opens window `number` with a client area of the given size, which the user
// cannot change. Returns false when the window cannot be opened (one with that
// number is already open, or the windowing system refused it). `fill`, when
// given, adds the window's controls before it is first shown.
bool openWindow(int number, const std::string& title, int clientWidth, int clientHeight,
                unsigned style, Placement placement, const std::function<void()>& fill = {});

// Closes the window and forgets its controls; does nothing if it is not open.
void closeWindow(int number);

// Closes every window that is still open.
void closeAllWindows();

bool windowIsOpen(int number);

// Gives the keyboard focus to the window itself, so that none of its controls
// holds it: keys reach no control until the user picks one, and the first
// Tab goes to the first tab stop.
void focusNoControl(int number);

// Returns once the open window is on the screen and can be drawn on, or after
// a second if the window system never says so. A window that is drawn while
// the program handles no window events must be on the screen first: the
// window manager maps a new window in its own time.
void waitUntilOnScreen(int number);

// The widget of an open window, or null.
QWidget* findWindow(int number);
