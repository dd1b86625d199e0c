#pragma once

// The candidate operations and the logical techniques written plainly on
// `grid` and `progress`, one text read and stored at a time, in the exact
// loop orders. They are the yardstick for the engine's bit-mask versions.

void literalInitCandidates();
void literalEliminateCandidates(int i, int j);

int literalPlaceBoxSinglesRefreshed();
int literalEliminateNakedPairs();
int literalPlaceNakedSingles();
int literalPlaceBoxHiddenSingles();
int literalPlaceLineHiddenSingles();
