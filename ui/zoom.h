#pragma once

class QWidget;

// A window drawn larger as a whole: the window's size and every control's
// place, size and font are those it was given times the zoom, rounded edge
// by edge so that controls that meet at 100% meet at every zoom. At 100%
// everything is exactly as given. Code that paints on its own asks
// controlZoom how much larger to draw.

// Draws the open window at `percent` (100 or more). A window on the screen
// keeps its centre where it can, moved only as far as it must to stay on
// the screen's free area.
void zoomWindow(int window, int percent);

// The window's zoom in percent; 100 for a window never zoomed.
int windowZoom(int window);

// Whether the window, with the frame the window manager puts around it,
// fits the screen's free area at that zoom.
bool windowFitsAt(int window, int percent);

// The zoom of the window that holds the control, 1.0 at 100%.
double controlZoom(const QWidget* control);

// Gives a control a new place, given at 100%, and puts it there at its
// window's zoom.
void placeControl(int id, int x, int y, int w, int h);

// For openWindow: the client size the window was opened with, at 100%.
void rememberClientSize(QWidget* window, int width, int height);
