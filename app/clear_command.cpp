#include "clear_command.h"

#include "controls.h"
#include "grid.h"

void clearCommand()
{
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            Cell& cell = grid[i][j];
            setTextColour(cell.fieldId, 1, 0, 0);
            setControlText(cell.fieldId, "");
            cell.value.store("");
            cell.clash = 0;
        }
    }
}
