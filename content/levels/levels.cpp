// Level files and the goal table of the data tree, compiled from boards.txt and goals.txt.
#include "content/levels/levels.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "content/pictures/manifest.h"
#include "content/pictures/painters.h"
#include "content/tool/modules.h"
#include "platform/sys.h"

namespace {

bool readText(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    text = ss.str();
    return true;
}

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool isBlankOrComment(const std::string& line)
{
    size_t p = line.find_first_not_of(" \t");
    return p == std::string::npos || line[p] == '#';
}

int storedValue(char c)
{
    switch (c) {
    case 'o': return 0;
    case 'b': return 2;
    case 'm': return 3;
    case 's': return 4;
    case 'd': return 5;
    default: return -1;
    }
}

bool writeBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

// The board draws the top bar centred at (512, 44), over the cells.
constexpr int kTopBarCentreX = 512, kTopBarCentreY = 44, kScreenW = 1024;

}  // namespace

const std::vector<int>& topBarFloor()
{
    static const std::vector<int> floor = [] {
        std::vector<int> f(kScreenW, 0);
        const art::Asset* a = art::findAsset("match3/m3uiup.png");
        if (!a) return f;
        art::Img img(a->w, a->h);
        art::painters().at(a->path)(img);
        img.flush();
        int left = kTopBarCentreX - a->w / 2, top = kTopBarCentreY - a->h / 2;
        for (int y = 0; y < a->h; ++y) {
            const uint32_t* row = img.row(y);
            for (int x = 0; x < a->w; ++x)
                if ((row[x] >> 24) != 0 && left + x >= 0 && left + x < kScreenW) f[size_t(left + x)] = top + y + 1;
        }
        return f;
    }();
    return floor;
}

std::string levelSourceDir() { return std::string(MORVELLE_CONTENT_DIR) + "/levels/"; }

bool parseBoards(const std::string& text, std::vector<LevelGrid>& out, std::string& error)
{
    std::vector<std::string> lines = splitLines(text);
    out.clear();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (isBlankOrComment(lines[i])) continue;
        int number = 0;
        if (std::sscanf(lines[i].c_str(), "level %d", &number) != 1) {
            error = "line " + std::to_string(i + 1) + ": expected \"level N\"";
            return false;
        }
        LevelGrid g;
        g.number = number;
        for (int r = 0; r < 13; ++r) {
            if (i + 1 + r >= lines.size()) {
                error = "level " + std::to_string(number) + ": fewer than 13 rows";
                return false;
            }
            g.rows[r] = lines[i + 1 + r];
        }
        i += 13;
        out.push_back(g);
    }
    return true;
}

bool checkBoard(const LevelGrid& g, std::string& error)
{
    std::string name = "level " + std::to_string(g.number) + ": ";
    for (int r = 0; r < 13; ++r) {
        if (g.rows[r].size() != 20) {
            error = name + "row " + std::to_string(r + 1) + " is not 20 characters";
            return false;
        }
        for (char c : g.rows[r]) {
            if (std::string(".ombsd").find(c) == std::string::npos) {
                error = name + "unknown character '" + std::string(1, c) + "'";
                return false;
            }
        }
        if (g.rows[r][0] != '.') {
            error = name + "column 1 holds a cell";
            return false;
        }
    }
    if (g.rows[0] != std::string(20, '.')) {
        error = name + "row 1 holds a cell";
        return false;
    }
    int cells = 0, columns = 0;
    for (int u = 0; u < 20; ++u) {
        int runs = 0, count = 0;
        bool inRun = false;
        for (int r = 0; r < 13; ++r) {
            bool cell = g.rows[r][u] != '.';
            if (cell && !inRun) ++runs;
            inRun = cell;
            count += cell;
        }
        if (runs > 1) {
            error = name + "column " + std::to_string(u + 1) + " is broken";
            return false;
        }
        if (count > 12) {
            error = name + "column " + std::to_string(u + 1) + " holds more than 12 cells";
            return false;
        }
        cells += count;
        columns += runs;
    }
    for (int r = 0; r < 13; ++r) {
        for (int u = 0; u < 20; ++u) {
            char c = g.rows[r][u];
            // Refills enter at the top, so nothing may lie below a standing stone or door to be matched.
            if ((c == 's' || c == 'd') && r + 1 < 13 && g.rows[r + 1][u] != '.') {
                error = name + "stone or door above the floor of column " + std::to_string(u + 1);
                return false;
            }
            if (c != '.') {
                // Cells are drawn under the top bar: each must start below the bar across its whole width.
                int left = 48 * (u + 1) - 40, top = 48 * (r + 1) - 44;
                for (int x = std::max(left, 0); x < left + 48 && x < kScreenW; ++x) {
                    if (topBarFloor()[size_t(x)] > top) {
                        error = name + "the cell in row " + std::to_string(r + 1) + ", column " + std::to_string(u + 1) +
                                " lies under the top bar";
                        return false;
                    }
                }
            }
            if (c != 'm') continue;
            int a = u, b = u;
            while (a > 0 && g.rows[r][a - 1] != '.') --a;
            while (b < 19 && g.rows[r][b + 1] != '.') ++b;
            if (b - a + 1 < 3) {
                error = name + "moss in row " + std::to_string(r + 1) + " lies where no row of three can form";
                return false;
            }
        }
    }
    if (cells + columns > LEVEL_SLOT_BUDGET) {
        error = name + std::to_string(cells) + " cells and " + std::to_string(columns) + " brakes exceed the slot budget";
        return false;
    }
    return true;
}

std::vector<int32_t> boardValues(const LevelGrid& g)
{
    std::vector<int32_t> v;
    v.reserve(260);
    for (int r = 0; r < 13; ++r)
        for (int u = 0; u < 20; ++u) v.push_back(storedValue(u < int(g.rows[r].size()) ? g.rows[r][u] : '.'));
    return v;
}

namespace {
// A goal line both ways: "level k1 k2 k3 k4 k5".
constexpr char kGoalLine[] = "%d %d %d %d %d %d";
}  // namespace

bool parseGoals(const std::string& text, int goals[81][6], std::string& error)
{
    for (int l = 0; l <= 80; ++l)
        for (int k = 0; k < 6; ++k) goals[l][k] = 0;
    bool seen[81] = {};
    std::vector<std::string> lines = splitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (isBlankOrComment(lines[i])) continue;
        int l, k[5];
        if (std::sscanf(lines[i].c_str(), kGoalLine, &l, &k[0], &k[1], &k[2], &k[3], &k[4]) != 6 || l < 1 ||
            l > LEVEL_COUNT || seen[l]) {
            error = "goals line " + std::to_string(i + 1) + " is not \"level k1 k2 k3 k4 k5\" for a new level 1..80";
            return false;
        }
        seen[l] = true;
        for (int j = 0; j < 5; ++j) {
            if (k[j] < 0) {
                error = "goals of level " + std::to_string(l) + " are negative";
                return false;
            }
            goals[l][j + 1] = k[j];
        }
    }
    for (int l = 1; l <= LEVEL_COUNT; ++l) {
        if (!seen[l]) {
            error = "no goals for level " + std::to_string(l);
            return false;
        }
    }
    return true;
}

std::string rewriteGoals(const std::string& text, const int goals[81][6])
{
    std::string out;
    for (const std::string& line : splitLines(text)) {
        int l = 0;
        if (!isBlankOrComment(line) && std::sscanf(line.c_str(), "%d", &l) == 1 && l >= 1 && l <= LEVEL_COUNT) {
            char buf[80];
            std::snprintf(buf, sizeof buf, kGoalLine, l, goals[l][1], goals[l][2], goals[l][3], goals[l][4], goals[l][5]);
            out += buf;
        } else {
            out += line;
        }
        out += '\n';
    }
    return out;
}

std::vector<uint8_t> packInts(const std::vector<int32_t>& values)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(values.size() * 4);
    for (int32_t v : values) {
        uint32_t u = uint32_t(v);
        for (int b = 0; b < 4; ++b) bytes.push_back(uint8_t(u >> (8 * b)));
    }
    return bytes;
}

bool writeLevelSheet(const std::vector<LevelGrid>& grids, const std::string& path)
{
    const int cell = 8, tileW = 20 * cell + 16, tileH = 13 * cell + 16, perRow = 10;
    int rows = (int(grids.size()) + perRow - 1) / perRow;
    int w = perRow * tileW, h = rows * tileH;
    std::vector<uint32_t> px(size_t(w) * h, 0xFF202020u);
    auto fill = [&](int x0, int y0, int fw, int fh, uint32_t c) {
        for (int y = y0; y < y0 + fh; ++y)
            for (int x = x0; x < x0 + fw; ++x)
                if (x >= 0 && y >= 0 && x < w && y < h) px[size_t(y) * w + x] = c;
    };
    for (size_t i = 0; i < grids.size(); ++i) {
        const LevelGrid& g = grids[i];
        int tx = int(i % perRow) * tileW, ty = int(i / perRow) * tileH;
        uint32_t frameColour = g.number % 10 == 0 ? 0xFFD4A017u : 0xFF404040u;
        fill(tx + 2, ty + 2, tileW - 4, tileH - 4, frameColour);
        fill(tx + 6, ty + 6, tileW - 12, tileH - 12, 0xFF101010u);
        // Level number as tally blocks: tens on top, units below.
        for (int t = 0; t < g.number / 10; ++t) fill(tx + 8 + t * 6, ty + 8, 4, 3, 0xFFFFFFFFu);
        for (int t = 0; t < g.number % 10; ++t) fill(tx + 8 + t * 6, ty + 13, 4, 3, 0xFF9090FFu);
        for (int r = 0; r < 13; ++r) {
            for (int u = 0; u < 20 && u < int(g.rows[r].size()); ++u) {
                uint32_t c;
                switch (g.rows[r][u]) {
                case 'o': c = 0xFF6A8CAFu; break;
                case 'm': c = 0xFF3FA34Du; break;
                case 's': c = 0xFFE8E8E8u; break;
                case 'd': c = 0xFFD9822Bu; break;
                case 'b': c = 0xFFA050C0u; break;
                default: continue;
                }
                fill(tx + 8 + u * cell, ty + 8 + r * cell, cell - 1, cell - 1, c);
            }
        }
    }
    return Sys_WritePNG(path, w, h, px.data());
}

int generateLevels(const std::string& out)
{
    std::string boardsText, goalsText, error;
    if (!readText(levelSourceDir() + "boards.txt", boardsText) || !readText(levelSourceDir() + "goals.txt", goalsText)) {
        std::fprintf(stderr, "levels: cannot read the sources in %s\n", levelSourceDir().c_str());
        return 1;
    }
    std::vector<LevelGrid> grids;
    static int goals[81][6];
    if (!parseBoards(boardsText, grids, error) || !parseGoals(goalsText, goals, error)) {
        std::fprintf(stderr, "levels: %s\n", error.c_str());
        return 1;
    }
    const LevelGrid* byNumber[81] = {};
    for (const LevelGrid& g : grids) {
        if (g.number < 1 || g.number > LEVEL_COUNT || byNumber[g.number]) {
            std::fprintf(stderr, "levels: level %d is out of range or repeated\n", g.number);
            return 1;
        }
        if (!checkBoard(g, error)) {
            std::fprintf(stderr, "levels: %s\n", error.c_str());
            return 1;
        }
        byNumber[g.number] = &g;
    }
    std::string dir = out + "levels/";
    Sys_CreateDir(dir, true);
    char name[32];
    for (int l = 1; l <= LEVEL_COUNT; ++l) {
        if (!byNumber[l]) {
            std::fprintf(stderr, "levels: level %d has no board\n", l);
            return 1;
        }
        std::snprintf(name, sizeof name, "lvla%03d.lvl", l);
        if (!writeBytes(dir + name, packInts(boardValues(*byNumber[l])))) return 1;
    }
    std::vector<int32_t> table;
    for (int l = 1; l <= LEVEL_COUNT; ++l)
        for (int k = 1; k <= 5; ++k) table.push_back(goals[l][k]);
    return writeBytes(dir + "lvla000.lvl", packInts(table)) ? 0 : 1;
}
