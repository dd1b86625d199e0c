#include "corner_text.h"

#include "controls.h"
#include "game_session.h"
#include "main_window.h"

#include <optional>

namespace {

// The game the text was shown for, while it is shown.
std::optional<GameState> shownFor;

}  // namespace

void showCornerText(const std::string& text)
{
    setControlText(hintTextId, text);
    shownFor = game;
}

void clearCornerText()
{
    setControlText(hintTextId, "");
    shownFor.reset();
}

void dropCornerTextIfGridChanged()
{
    if (shownFor && !sameGrid(*shownFor, game)) {
        clearCornerText();
    }
}
