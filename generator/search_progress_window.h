#pragma once

#include <string>

// The window shown while New puzzle by rating searches, window 6: what it
// looks for, a bar that moves while it works, and Cancel.

constexpr int searchProgressWindow = 6;

constexpr int searchTextId = 150;
constexpr int searchBarId = 151;
constexpr int searchCancelId = 152;

// Opens the window centred on the screen, kept on top, with a close box, and
// returns once it is on the screen. Returns false, creating no control, when
// the window cannot be opened.
bool openSearchProgressWindow(const std::string& text);

// Handles the window events that have come since the last call, at most
// every few milliseconds (a call sooner returns false at once): true when
// Cancel, Escape or the window's close box asked to stop. Every other event,
// from any window, is dropped.
bool searchCancelled();

// searchCancelled, however soon after the last call.
bool searchCancelledNow();
