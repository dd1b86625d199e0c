#include "arrow_keys.h"

#include <QtCore/qnamespace.h>

#include <algorithm>
#include <utility>

namespace {

// The entry fields that the arrow keys move between, row by row.
std::vector<int> arrowTable;
int arrowColumns = 1;

}  // namespace

int arrowTarget(int id, int key)
{
    const auto found = std::find(arrowTable.begin(), arrowTable.end(), id);
    if (found == arrowTable.end()) {
        return id;
    }
    const int columns = arrowColumns;
    const int rows = static_cast<int>(arrowTable.size()) / columns;
    const int index = static_cast<int>(found - arrowTable.begin());
    int column = index % columns;
    int row = index / columns;
    switch (key) {
    case Qt::Key_Left:
        column = (column + columns - 1) % columns;
        break;
    case Qt::Key_Right:
        column = (column + 1) % columns;
        break;
    case Qt::Key_Up:
        row = (row + rows - 1) % rows;
        break;
    case Qt::Key_Down:
        row = (row + 1) % rows;
        break;
    case Qt::Key_Home:
        column = 0;
        break;
    case Qt::Key_End:
        column = columns - 1;
        break;
    default:
        return id;
    }
    return arrowTable[static_cast<std::size_t>(row * columns + column)];
}

void arrangeForArrowKeys(std::vector<int> ids, int columns)
{
    arrowTable = std::move(ids);
    arrowColumns = columns;
}
