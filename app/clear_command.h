#pragma once

// Empties every cell field and every cell of the grid, and clears every clash.
void clearCommand();
