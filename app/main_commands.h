#pragma once

#include <span>

// What each of the main window's buttons does.
struct ButtonCommand {
    int buttonId;
    void (*run)();
};

std::span<const ButtonCommand> buttonCommands();
