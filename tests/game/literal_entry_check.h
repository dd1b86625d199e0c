#pragma once

// The entry checking of the first Kelvaro, kept word for word as the oracle
// for the game's clash flags: after an edit, every flagged cell is checked
// again in whole-grid order (a flag the pass sets on a cell it has yet to
// reach is checked too), then the edited cell; a check clears or sets the
// cell's own flag and flags the first equal peer of each of its box, row and
// column scans, and never clears a peer's flag.
struct LiteralEntryCheck {
    int value[9][9] = {};  // [column][row], 0 for an empty cell
    bool clash[9][9] = {};

    void edit(int column, int row, int digit);
    void checkClash(int column, int row);
};
