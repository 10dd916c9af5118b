// Helpers shared by the shell and platform tests: temporary folders, the headless display, fixture images.
#pragma once

#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/sys.h"

inline std::string tempDir(const std::string& name)
{
    auto dir = std::filesystem::temp_directory_path() / ("morvelle-" + std::to_string(getpid()) + "-" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string() + "/";
}

inline void ensureHeadless(const std::string& dataRoot = "")
{
    SysConfig cfg;
    cfg.headless = true;
    cfg.dataRoot = dataRoot.empty() ? tempDir("data") : dataRoot;
    Sys_Init(cfg);
}

inline void ensureDisplay()
{
    if (!Sys_DisplayOpen()) {
        ensureHeadless();
        ASSERT_TRUE(Sys_OpenDisplay(1024, 768, 0, 60));
        Sys_SetLogicalSize(1024, 768);
    }
    Sys_ResetState();
}

inline uint32_t screenPixel(int x, int y)
{
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    if (!Sys_ReadScreen(px, w, h) || x < 0 || y < 0 || x >= w || y >= h) return 0;
    return px[(size_t)y * w + x];
}

inline int red(uint32_t c) { return (int)((c >> 16) & 255); }
inline int green(uint32_t c) { return (int)((c >> 8) & 255); }
inline int blue(uint32_t c) { return (int)(c & 255); }

inline SysImage* solidImage(int w, int h, uint32_t argb)
{
    SysImage* img = Sys_CreateImage(w, h, 1, IMG_DEFAULT);
    uint32_t* p = Sys_LockImage(img, 0);
    for (int i = 0; i < w * h; ++i) p[i] = argb;
    Sys_UnlockImage(img, 0);
    return img;
}

inline void writeFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// The little-endian 32-bit integer at `at` of a file's bytes.
inline int32_t intAt(const std::string& bytes, size_t at)
{
    return (int32_t)((unsigned char)bytes[at] | ((unsigned char)bytes[at + 1] << 8) | ((unsigned char)bytes[at + 2] << 16) |
                     ((uint32_t)(unsigned char)bytes[at + 3] << 24));
}

inline std::string readFile(const std::string& path)
{
    std::string s;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
        std::fclose(f);
    }
    return s;
}
