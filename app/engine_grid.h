#pragma once

#include <string_view>

// The engine's grid serves Solve, Generate and Print, which read and write
// it as they always have: it is written from the game before they run, and
// what Solve and Generate show comes back into the game through the writers
// they are given.

// Every cell's value and clash flag from the game.
void writeGameToGrid();

// The writers for Solve and Generate: the value of the cell of field
// `fieldId` goes into the game, Solve's digits as digits found, Generate's
// as givens of a new game (the Clear before it having emptied it).
void takeSolvedValue(int fieldId, std::string_view text);
void takeGeneratedValue(int fieldId, std::string_view text);

// The cell number of the cell whose field is `fieldId`, found through the
// grid's field ids; -1 for any other id.
int cellOfField(int fieldId);
