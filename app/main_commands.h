#pragma once

#include <span>

// What each command of the main window does, given by its button, its key or
// its context-menu entry.
struct MainCommand {
    int id;
    void (*run)();
};

std::span<const MainCommand> mainCommands();
