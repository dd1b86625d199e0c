#pragma once

#include <string>

// The text in the free corner below the buttons, which says one thing at a
// time about the grid as it stands: a hint's reason, the verdict on a full
// grid, or why mistakes cannot be shown. It goes as soon as the grid's
// digits or the candidates struck by hints change.

void showCornerText(const std::string& text);
void clearCornerText();

// Clears the text if the grid is no longer the one it was shown for. The
// main loop calls it after every event.
void dropCornerTextIfGridChanged();
