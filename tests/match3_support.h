// Board test fixture: fresh globals, one profile, a temporary data tree for level files, and frame stepping.
#pragma once

#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/globals.h"
#include "campaign/spieler.h"
#include "framework/input.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"

inline const std::string& m3DataRoot()
{
    static std::string root = [] {
        auto dir = std::filesystem::temp_directory_path() / ("morvelle-m3-" + std::to_string(getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "levels");
        SysConfig cfg;
        cfg.headless = true;
        cfg.dataRoot = dir.string() + "/";
        Sys_Init(cfg);
        return cfg.dataRoot;
    }();
    return root;
}

// Writes raw stored values (260 or fewer) as the level file of `level`.
inline void writeLevelValues(int level, const std::vector<int32_t>& values)
{
    std::string name = levelFileName(level).substr(std::string("data/").size());
    std::ofstream out(m3DataRoot() + name, std::ios::binary | std::ios::trunc);
    for (int32_t v : values) {
        uint32_t u = uint32_t(v);
        for (int b = 0; b < 4; ++b) out.put(char(uint8_t(u >> (8 * b))));
    }
}

// Rows top first, columns from 1, legend: . none, o plain, m moss, s stone, d door, b beetle; short rows pad with none.
inline void writeLevelGrid(int level, const std::vector<std::string>& rows)
{
    std::vector<int32_t> v(260, -1);
    for (size_t r = 0; r < rows.size() && r < 13; ++r) {
        for (size_t u = 0; u < rows[r].size() && u < 20; ++u) {
            int code = -1;
            switch (rows[r][u]) {
            case 'o': code = 0; break;
            case 'b': code = 2; break;
            case 'm': code = 3; break;
            case 's': code = 4; break;
            case 'd': code = 5; break;
            default: break;
            }
            v[r * 20 + u] = code;
        }
    }
    writeLevelValues(level, v);
}

inline float cellX(int u) { return 48.0f * u - 16; }
inline float cellY(int v) { return 48.0f * v - 20; }

class Match3Test : public ::testing::Test {
protected:
    tavoTSceneMatch3* b = nullptr;
    TSpieler* p = nullptr;

    void SetUp() override
    {
        m3DataRoot();
        createGlobals();
        p = new TSpieler();
        g_players[1] = p;
        g_currentPlayer = 1;
        p->Level = 50;
        p->gtGameType = 3;
        g_pause = -1;
        g_fps = 40;
        g_frameCount = 0;
        Sys_SeedRnd(12345);
        b = sceneMatch3;
    }
    void TearDown() override { destroyGlobals(); }

    void build(int level, const std::vector<std::string>& rows)
    {
        writeLevelGrid(level, rows);
        p->Level = level;
        b->_preparelevelmatch3();
    }
    int slotAt(int u, int v) const
    {
        for (int i = 1; i <= 260; ++i)
            if (b->_itemA[i] != 0 && b->_itemX[i] == cellX(u) && b->_itemY[i] == cellY(v)) return i;
        return 0;
    }
    int kindAt(int u, int v) const { int s = slotAt(u, v); return s ? b->_itemA[s] : 0; }
    void setKind(int u, int v, int kind) { b->_itemA[slotAt(u, v)] = kind; }
    // Kinds 1..4 laid out so that no line and no recognised move exist; the help bomb is held back.
    void quietPattern()
    {
        b->_geholfen = 1;
        for (int i = 1; i <= 150; ++i) {
            int k = b->_itemA[i];
            if (k < 1 || k > 5) continue;
            int u = int((b->_itemX[i] + 16) / 48), v = int((b->_itemY[i] + 20) / 48);
            b->_itemA[i] = (u + 2 * v) % 4 + 1;
        }
    }
    // One frame of the board steps, as the scene's frame runs them.
    void frame()
    {
        g_frameCount += 1;
        b->_runtime += 1;
        b->_item_Max = 259;
        b->_boardSteps();
    }
    void framesTo(int runtime)
    {
        while (b->_runtime < runtime) frame();
    }
    void pointAt(int u, int v, bool down, int count = 1)
    {
        mousePointer->_x = cellX(u);
        mousePointer->_y = cellY(v);
        g_input->_MausDownLeft = down ? 1 : 0;
        g_input->_MausDownLeftCount = down ? count : 0;
    }
    void release()
    {
        g_input->_MausDownLeft = 0;
        g_input->_MausDownLeftCount = 0;
        mousePointer->_x = mousePointer->_y = -500;
    }
    int itemCount(int kind) const
    {
        int n = 0;
        for (int i = 1; i <= 260; ++i) n += b->_itemA[i] == kind;
        return n;
    }
};
