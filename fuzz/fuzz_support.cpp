// Headless set-up, scratch files and the picture and sound feeders shared by the fuzz targets.
#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "app/globals.h"
#include "platform/sys.h"

const std::string& fuzzRoot()
{
    static const std::string root = [] {
        auto dir = std::filesystem::temp_directory_path() / ("morvelle-fuzz-" + std::to_string(getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "levels");
        std::filesystem::create_directories(dir / "saves");
        std::atexit([] { std::filesystem::remove_all(std::filesystem::temp_directory_path() / ("morvelle-fuzz-" + std::to_string(getpid()))); });
        return dir.string() + "/";
    }();
    return root;
}

static void quiet(const std::string&) {}

void fuzzInit()
{
    static bool done = false;
    if (done) return;
    done = true;
    SysConfig cfg;
    cfg.headless = true;
    cfg.dataRoot = fuzzRoot();
    Sys_Init(cfg);
    Sys_SetTraceSink(quiet);
    Sys_OpenDisplay(1024, 768, 0, 60);
    Sys_SetLogicalSize(1024, 768);
    createGlobals();
}

std::string fuzzWrite(const std::string& relative, const uint8_t* data, size_t size)
{
    std::string path = fuzzRoot() + relative;
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        if (size) std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return path;
}

std::string fuzzReadBack(const std::string& path)
{
    std::string s;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        char buf[8192];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
        std::fclose(f);
    }
    return s;
}

void fuzzPicture(const uint8_t* data, size_t size, const uint8_t* magic, size_t magicSize)
{
    if (size < magicSize || (magicSize && std::memcmp(data, magic, magicSize) != 0)) return;
    fuzzInit();
    std::vector<uint8_t> bytes(data, data + size);
    int w = 0, h = 0;
    std::vector<uint32_t> px;
    if (Sys_DecodeImage(bytes, 0, w, h, px) && px.size() != (size_t)w * (size_t)h) __builtin_trap();
    Sys_FreeImage(Sys_LoadImageMemory(data, size, -1));
    std::string path = fuzzWrite("picture", data, size);
    Sys_FreeImage(Sys_LoadAnimImage(path, 3, 2, 1, 2, -1));
}

void fuzzSound(const uint8_t* data, size_t size, const char* magic)
{
    if (size < 4 || std::memcmp(data, magic, 4) != 0) return;
    fuzzInit();
    SysSound* s = Sys_LoadSoundMemory(data, size, 0);
    if (s && Sys_SoundLengthMs(s) > 600 * 1000 + 1000) __builtin_trap();
    Sys_FreeSound(s);
    // the same bytes as a streamed title, its first seconds read as the mixer would
    s = Sys_LoadSoundMemory(data, size, SND_STREAM | SND_LOOP);
    if (s && Sys_SoundLengthMs(s) > 600 * 1000 + 1000) __builtin_trap();
    static int16_t pcm[4096 * 2];
    for (int i = 0; s && i < 20; ++i) Sys_ReadStream(s, pcm, 4096);
    Sys_FreeSound(s);
}
