#include "search_progress_window.h"

#include "clock.h"
#include "controls.h"
#include "events.h"
#include "key_commands.h"
#include "windows.h"

#include <cstdint>

namespace {

// Often enough that the bar moves smoothly and Cancel answers at once,
// seldom enough to cost the search nothing to speak of.
constexpr std::int64_t pollInterval = 20;

std::int64_t lastPoll = 0;

constexpr KeyCommand cancelKey[] = {{searchCancelId, nullptr, "Esc"}};

}  // namespace

bool openSearchProgressWindow(const std::string& text)
{
    if (!openWindow(searchProgressWindow, "Looking for a Puzzle", 260, 105, styleCloseBox | styleKeptOnTop,
                    Placement::centredOnScreen)) {
        return false;
    }
    createStaticText(searchProgressWindow, searchTextId, text, 10, 8, 240, 34);
    createBusyBar(searchProgressWindow, searchBarId, 10, 44, 240, 20);
    createButton(searchProgressWindow, searchCancelId, "Cancel", 90, 72, 80, 25);
    addKeyCommands(searchProgressWindow, cancelKey);
    waitUntilOnScreen(searchProgressWindow);
    lastPoll = tickCount();
    return true;
}

bool searchCancelledNow()
{
    lastPoll = tickCount();
    for (UiEvent event = waitEvent(0); event.kind != eventNone; event = waitEvent(0)) {
        const bool cancel = event.kind == eventControl && event.controlId == searchCancelId;
        const bool closed = event.kind == eventClose && event.window == searchProgressWindow;
        if (cancel || closed) {
            return true;
        }
    }
    return false;
}

bool searchCancelled() { return tickCount() - lastPoll >= pollInterval && searchCancelledNow(); }
