// Level compiler: the readable board grids and goal table of the campaign, checked and packed into level files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct LevelGrid {
    int number = 0;
    std::string rows[13];   // top row first, 20 characters each
};

constexpr int LEVEL_COUNT = 80;
constexpr int LEVEL_SLOT_BUDGET = 148;   // cells plus brakes a board may use

// Folder of boards.txt and goals.txt, ending in "/".
std::string levelSourceDir();
bool parseBoards(const std::string& text, std::vector<LevelGrid>& out, std::string& error);
// Per screen column x, the first screen row below every painted pixel of the board's top bar.
const std::vector<int>& topBarFloor();
// The rules every campaign board keeps: shape, legend, one run per column, the slot budget,
// stones and doors on the floor of their column, moss only where a row of three can form,
// every cell below the top bar.
bool checkBoard(const LevelGrid& grid, std::string& error);
// The 260 stored values of a board, row by row.
std::vector<int32_t> boardValues(const LevelGrid& grid);
// Goal lines "level k1 k2 k3 k4 k5"; goals[level][kind] for levels 1..80 and kinds 1..5.
bool parseGoals(const std::string& text, int goals[81][6], std::string& error);
// `text` with each level's goal line set from `goals`; comments, blank lines and the order stay.
std::string rewriteGoals(const std::string& text, const int goals[81][6]);
std::vector<uint8_t> packInts(const std::vector<int32_t>& values);
// A picture of every board, ten to a row, for looking over the campaign.
bool writeLevelSheet(const std::vector<LevelGrid>& grids, const std::string& path);
