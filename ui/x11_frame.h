#pragma once

#include <QMargins>

#include <optional>

class QWidget;

// What only the X window system can tell. Elsewhere (the offscreen platform
// of the tests, Wayland) the answers are empty and the calls do nothing.

// The frame the window manager will put around the window, asked of it
// before the window is first shown (_NET_REQUEST_FRAME_EXTENTS), so that the
// framed window can be placed where it belongs without moving it once it is
// on the screen. Empty when the window manager does not tell.
std::optional<QMargins> frameExtentsBeforeShowing(QWidget* window);

// Returns once the X server has carried out everything drawn so far.
void waitForTheScreen();
