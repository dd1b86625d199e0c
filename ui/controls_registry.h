#pragma once

#include <functional>

class QFont;
class QRect;
class QWidget;

// Controls are known by their id, which is unique across all windows.
// Other parts of the program add control kinds of their own by creating the
// widget as a child of findWindow(window) and registering it here.

// Registers the control with its geometry and font as they are now: its
// place and font at a zoom of 100%.
void registerControl(int window, int id, QWidget* control);

// The control with that id in an open window, or null.
QWidget* findControl(int id);

// The id of a control of an open window, or -1.
int findControlId(const QWidget* control);

// Called when a window closes: its controls are gone.
void forgetControlsOf(int window);

// Every control of the window, with its place and font at 100%.
void forEachControlOf(int window,
                      const std::function<void(QWidget* control, const QRect& place, const QFont& font)>& visit);

// Gives a control a new place at 100%; returns false for an unknown id.
bool setControlPlace(int id, const QRect& place);
