// The list of every picture, font and text file the game reads, with sizes and frame layouts.
#pragma once

#include <string>
#include <vector>

#include "campaign/level_points.h"

namespace art {

enum class FileKind { Png, Jpeg, Font, Text };

struct Asset {
    std::string path;      // below the data folder, e.g. "match3/cell.png"
    FileKind kind;
    int w = 0, h = 0;      // whole picture
    int frameW = 0, frameH = 0, frames = 0;   // animations only: cells cut left to right, top to bottom
};

const std::vector<Asset>& manifest();
const Asset* findAsset(const std::string& path);

// Board geometry shared by the cell and border art and the tests.
constexpr int kCell = 48;
constexpr int kRim = 18;
constexpr int kMaxColumnCells = 12;

// Paste offsets and sizes of the border pieces inside the level picture (ids without an entry are drawn live).
struct BorderOffset {
    int id, ox, oy, w, h;   // offset from the cell's top-left corner and the piece's size
};
const std::vector<BorderOffset>& borderOffsets();
bool borderIsLive(int id);

// Points of the level map, levels 1..80, as the map scene places them.
inline constexpr auto& kLevelPoints = kMapLevelPoints;

}  // namespace art
