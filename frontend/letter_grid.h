// Where the name entry's on-screen letter grid lies: ten columns of letter cells, then a row of function keys.
#pragma once

constexpr int GRID_COLUMNS = 10;
constexpr float GRID_LEFT = 332, GRID_TOP = 318, GRID_CELL_W = 40, GRID_CELL_H = 36;
// the function row's keys span this many cells: shift, space, delete
constexpr int GRID_SHIFT_SPAN = 3, GRID_SPACE_SPAN = 3, GRID_DELETE_SPAN = 4;
// a key's caption keeps this much of its cells' width free
constexpr float GRID_KEY_MARGIN = 4;

// The centre of letter cell i, counted from A along the rows.
constexpr float gridCellX(int i) { return GRID_LEFT + GRID_CELL_W * ((float)(i % GRID_COLUMNS) + 0.5f); }
constexpr float gridCellY(int i) { return GRID_TOP + GRID_CELL_H * (float)(i / GRID_COLUMNS); }
