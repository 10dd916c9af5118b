// The board's value codes and array sizes, shared with the profile file: item kinds, level-file cell codes,
// game types, time modes.
#pragma once

// Item kinds (values of _itemA).
constexpr int _bug = 6;
constexpr int _ITEM_XSTEIN = 7;
constexpr int _ITEM_BOMB = 10;
constexpr int _ITEM_SPRENGPILZ = 12;
constexpr int _ITEM_PU1 = 13;
constexpr int _ITEM_PU2 = 14;
constexpr int _ITEM_PU3 = 15;
constexpr int _ITEM_PU4 = 16;
constexpr int _ITEM_XDOOR = 18;
constexpr int _ITEM_BRAKE = 999;

// Cell codes of a level file (stored value + 1).
constexpr int _ITEM_MOSS = 4;
constexpr int _ITEM_STONE = 5;
constexpr int _ITEM_DOOR = 6;

constexpr int _GAMETYPE_NONE = 0;
constexpr int _GAMETYPE_CHAIN = 1;
constexpr int _GAMETYPE_GROUP = 2;
constexpr int _GAMETYPE_SWAP = 3;
constexpr int _GAMETYPE_BUTTON_SWAP = 5;
constexpr int _GAMETYPE_BUTTON_CHAIN = 6;
constexpr int _GAMETYPE_BUTTON_GROUP = 7;

constexpr int _TIMEMODE_RELAXED = 0;
constexpr int _TIMEMODE_ATTACK = 1;
constexpr int _TIMEMODE_HIGHSCORE = 2;

constexpr int M3_SLOTS = 261;        // board arrays, 1..260 used
constexpr int M3_LAST_SLOT = M3_SLOTS - 1;
constexpr int M3_ITEM_MAX = 259;    // the highest item slot the loops visit
constexpr int M3_ITEM_SLOTS = 150;   // items live in slots 1..150 only
constexpr int M3_COLUMNS = 31;
constexpr int M3_PREVIEW_LEVELS = 121;
