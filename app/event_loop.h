#pragma once

#include "events.h"

// The main event loop's state: the last event's kind and control, and whether
// a close request has ended the loop.
extern int lastEventKind;
extern int lastControlId;
extern int quit;

// Handles one event: a command of the main window (a button, a key or a menu
// entry), a digit or a note typed into a cell field, or a close request,
// which sets quit. After a control event the window is drawn from the game.
void dispatchEvent(const UiEvent& event);

// Waits for events and dispatches them until a close request arrives.
void runMainLoop();
