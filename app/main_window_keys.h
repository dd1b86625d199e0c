#pragma once

#include "key_commands.h"

#include <span>

// The main window's commands that have no button. Their ids lie above the
// cell fields' and below the ids the windowing layer hands out.
constexpr int copyPuzzleId = 100;
constexpr int pastePuzzleId = 101;
constexpr int undoId = 102;
constexpr int redoId = 103;
constexpr int hintId = 104;
constexpr int checkPuzzleId = 105;
constexpr int copyWithNotesId = 108;
constexpr int showMistakesId = 109;
constexpr int notesModeId = 110;
constexpr int fillInNotesId = 111;
constexpr int clearNotesId = 112;
constexpr int strikePeerNotesId = 113;
constexpr int zoomInId = 114;
constexpr int zoomOutId = 115;
constexpr int zoomResetId = 116;

// The main window's keys, and the entries of the cell fields' context menu
// in the order shown.
std::span<const KeyCommand> mainWindowKeys();
