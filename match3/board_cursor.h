// The board by keys and pad: where the cursor steps, where it starts, and which power-up a number names.
#pragma once

class tavoTSceneMatch3;
class tavoTPowerUp;

// Frames the ring stays on a power-up button after the pad's shoulder chose it.
constexpr int M3_PAD_POWERUP_RING_FRAMES = 120;

// The playable cell the cursor reaches from `cell` by one step in direction (dx, dy): the nearest on the same row
// or column, holes and cells outside the shape skipped, else the nearest ahead within a cone; `cell` itself at
// the board's edge, as the cursor does not wrap.
int m3CursorStep(const tavoTSceneMatch3& b, int cell, int dx, int dy);
// The cell right beside `cell` in direction (dx, dy), 0 when a hole or the edge lies there.
int m3CellBeside(const tavoTSceneMatch3& b, int cell, int dx, int dy);
// The playable cell nearest the board's centre; 0 on a board without cells.
int m3CursorStart(const tavoTSceneMatch3& b);
// The item slot resting in `cell`, 0 when none.
int m3ItemInCell(const tavoTSceneMatch3& b, int cell);
// Power-up 1..4 as their buttons stand from left to right; null for another number.
tavoTPowerUp* m3PowerUpNumber(int n);
// The number of the next available power-up from `from` in direction `step` (+1 or -1), round the row; 0 when none.
int m3NextPowerUp(int from, int step);
