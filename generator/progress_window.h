#pragma once

// The progress window, window 2: a bar from 0 to 100 while a puzzle is built.

constexpr int progressWindow = 2;
constexpr int progressBarId = 11;

// Opens the window centred on the screen, kept on top, with a title bar only.
// Returns false, creating no control, when the window cannot be opened.
bool openProgressWindow();

// Moves the bar and draws it at once, though no window events are handled
// while the puzzle is built.
void setProgressBar(int position);
