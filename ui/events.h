#pragma once

// The one event queue of all the program's windows. Every window and control
// posts what the program must hear about here; the program takes the events
// one at a time, in the order they happened, with waitEvent.

// Event kinds.
constexpr int eventNone = 0;        // the wait ran out of time
constexpr int eventControl = 13100; // a control was pressed, edited or focused
constexpr int eventClose = 16;      // the user asked a window to close

// Types of a control event.
constexpr int typePressed = 0;         // a button or option button was clicked
constexpr int typeFocusGained = 256;   // an entry field got the keyboard focus
constexpr int typeFocusLost = 512;     // an entry field lost the keyboard focus
constexpr int typeTextChanged = 768;   // the user typed a digit into a cell field or deleted it
constexpr int typeNoteToggled = 1024;  // the user toggled a note of a cell field

struct UiEvent {
    int kind = eventNone;
    int controlId = 0;  // control events only
    int type = 0;       // control events only
    int window = -1;    // the window the event came from
    // What a cell field's event carries: the digit typed (0 for a deletion)
    // or the note toggled.
    int value = 0;
};

// Blocks until the next event of any window and takes it from the queue.
UiEvent waitEvent();

// Like waitEvent, but gives up after the given number of milliseconds and
// then returns an event of kind eventNone. A limit of 0 only looks at what
// has already happened.
UiEvent waitEvent(int timeLimitMs);

// For controls and windows: put an event at the end of the queue.
void postControlEvent(int window, int controlId, int type, int value = 0);
void postCloseEvent(int window);

// Drops every event still queued.
void discardEvents();
