#pragma once

#include "events.h"

#include <vector>

// Every event that has happened so far, in order, taken from the queue.
inline std::vector<UiEvent> takePendingEvents()
{
    std::vector<UiEvent> events;
    for (UiEvent event = waitEvent(0); event.kind != eventNone; event = waitEvent(0)) {
        events.push_back(event);
    }
    return events;
}
