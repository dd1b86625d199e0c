#pragma once

#include "board.h"

// Every empty cell gets "123456789", every filled cell the marker "test".
void initCandidates();
void initCandidates(Board& board);

// Removes from the candidates of cell (i, j) every digit that stands in its
// box, column or row, its own value included.
void eliminateCandidates(int i, int j);
