#pragma once

#include <string>

// Shows a message with a title and one OK button, modal to all the program's
// windows, and returns once the user has answered it.
void showMessage(const std::string& title, const std::string& text);
