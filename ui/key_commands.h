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
    // Its keys, "; " between them, as in "Ctrl+Shift+Z; Ctrl+Y"; the menu
    // shows the first. Null for an entry without a key.
    const char* keys;
    // For a setting that is on or off: whether it is on, shown as a check
    // mark in the menu. Null for a plain command.
    bool (*isOn)() = nullptr;
};

// A line between groups of entries in the context menu.
constexpr KeyCommand menuSeparator{-1, nullptr, nullptr};

// Gives the open window `window` these commands, the menu entries in the
// order given. A key of a command goes before an entry field's own use of it.
void addKeyCommands(int window, std::span<const KeyCommand> commands);
