#pragma once

#include "events.h"

// The main event loop's state: the last event's kind and control, and whether
// a close request has ended the loop.
extern int lastEventKind;
extern int lastControlId;
extern int quit;

// Handles one event: a button's command, a user's edit of a cell field, or a
// close request, which sets quit.
void dispatchEvent(const UiEvent& event);

// Waits for events and dispatches them until a close request arrives.
void runMainLoop();
