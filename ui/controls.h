#pragma once

#include <string>
#include <string_view>

class QWidget;

// Controls of the numbered windows. Each create function adds the control to
// the open window `window` at (x, y) with size w x h in its client area,
// shows it and returns it, or returns null when that window is not open.
// Controls are tab stops in the order they are created (the frame, the
// static text and the progress bar are not tab stops). Cell fields are in
// cell_field.h.

enum class TextAlign { left, centre };

// Raises a control event of type typePressed when clicked, or when Space,
// Return or Enter is pressed while it has the focus.
QWidget* createButton(int window, int id, const std::string& caption, int x, int y, int w, int h);

// The option buttons of one window form one group: checking one unchecks the
// others. Raises a control event of type typePressed when clicked.
QWidget* createOptionButton(int window, int id, const std::string& caption, int x, int y, int w,
                            int h);

// A check box, on or off by itself. Raises a control event of type
// typePressed when clicked.
QWidget* createCheckBox(int window, int id, const std::string& caption, int x, int y, int w, int h);

// Makes the button its window's default: Return and Enter on the window's
// option buttons and check boxes press it.
void setDefaultButton(int id);

// A text that wraps at the control's width.
QWidget* createStaticText(int window, int id, const std::string& text, int x, int y, int w, int h,
                          TextAlign align = TextAlign::left);

// A flat rectangle outlined by a thin line, drawing nothing else. Its id is
// given by the layer, above every fixed id; returns that id, or -1.
int createFrame(int window, int x, int y, int w, int h);

// A horizontal bar with the range 0 to 100, no text, starting at 0.
QWidget* createProgressBar(int window, int id, int x, int y, int w, int h);

// A horizontal bar that shows work going on, with no end known: it moves
// while the program handles window events.
QWidget* createBusyBar(int window, int id, int x, int y, int w, int h);

// Control state. Operations on an id that no open window holds do nothing
// and read as empty or unchecked.
void setControlText(int id, std::string_view text);
std::string controlText(int id);
void setChecked(int id, bool checked);
bool isChecked(int id);
void setTextColour(int id, int red, int green, int blue);
void setControlShown(int id, bool shown);
// Gives the control the loaded font with that number; does nothing if that
// font is not loaded.
void setControlFont(int id, int fontNumber);
// Moves the bar and draws it at once: the program may be busy for a while
// without handling any window events.
void setProgressPosition(int id, int position);

// The control that has the keyboard focus, or -1 when none of the program's
// controls has it.
int focusedControl();
