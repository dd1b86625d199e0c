#pragma once

#include <vector>

// Lets the arrow keys move the focus between entry fields laid out as a
// table: `ids` row by row, `columns` (at least 1) to a row. An arrow moves to
// the neighbouring field that way, from one end of a row or column to the
// other; Home and End go to the first and last field of the row.
void arrangeForArrowKeys(std::vector<int> ids, int columns);

// For the entry fields: the field that Qt key code `key` moves the focus to
// from field `id`, or `id` itself for any other key or a field outside the
// table.
int arrowTarget(int id, int key);
