#pragma once

#include <functional>

class QKeyEvent;
class QMenu;
class QPoint;
class QWidget;

// What the entry fields need to know of their window's key commands.

// Whether the key press is a key of one of the window's commands.
bool isKeyCommand(const QWidget* window, const QKeyEvent& key);

// Shows the window's context menu at a point on the screen, with the
// entries `addOwn` adds after the window's, and returns once the user has
// chosen an entry or closed it; false when the window has no menu entries.
bool showContextMenu(QWidget* window, const QPoint& globalPosition,
                     const std::function<void(QMenu& menu)>& addOwn = {});
