#pragma once

#include <span>

// Commands of a window that the user gives by a key, or by an entry of the
// context menu of the window's entry fields. Like a button, a command raises
// a control event of type typePressed with its id, so the program hears it
// through the one queue and whoever waits there decides what to do with it.
struct KeyCommand {
    int id;
    // Its entry in the entry fields' context menu; null for a key alone.
    const char* caption;
    // Its keys, "; " between them, as in "Ctrl+Shift+Z; Ctrl+Y". The menu
    // shows the first.
    const char* keys;
};

// Gives the open window `window` these commands, the menu entries in the
// order given. A key of a command goes before an entry field's own use of it.
void addKeyCommands(int window, std::span<const KeyCommand> commands);
