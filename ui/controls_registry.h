#pragma once

class QWidget;

// Controls are known by their id, which is unique across all windows.
// Other parts of the program add control kinds of their own by creating the
// widget as a child of findWindow(window) and registering it here.
void registerControl(int window, int id, QWidget* control);

// The control with that id in an open window, or null.
QWidget* findControl(int id);

// The id of a control of an open window, or -1.
int findControlId(const QWidget* control);

// Called when a window closes: its controls are gone.
void forgetControlsOf(int window);
