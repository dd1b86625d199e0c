#pragma once

// The difficulty dialog, window 1: a line of text, the four option buttons
// Easy, Gentle, Tricky and Hard, and OK.

constexpr int difficultyDialog = 1;

constexpr int difficultyPromptId = 5;
constexpr int easyOptionId = 6;
constexpr int gentleOptionId = 7;
constexpr int trickyOptionId = 8;
constexpr int hardOptionId = 9;
constexpr int difficultyOkId = 10;

// Opens the dialog over the active window, kept on top, with a title bar
// only and Easy checked. Returns false, creating no control, when the window
// cannot be opened.
bool openDifficultyDialog();

// The difficulty of the checked option: 1 Easy, 2 Gentle, 3 Tricky, 4 Hard.
int checkedDifficulty();

// Takes events from the program's one queue until OK is pressed and returns
// the checked difficulty. Every other event, from any window, is dropped.
int awaitDifficulty();
