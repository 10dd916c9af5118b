// Headless platform, global objects and fixture builders shared by the front-end tests.
#include "tests/frontend_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "app/globals.h"
#include "framework/input.h"
#include "framework/scene.h"
#include "frontend/popup.h"

namespace {

std::string s_root;

void sink(const std::string& line) { capturedTrace().push_back(line); }

class FrontendEnv : public ::testing::Environment {
public:
    void SetUp() override
    {
        scratchData();
        SysConfig cfg;
        cfg.headless = true;
        cfg.dataRoot = s_root;
        Sys_Init(cfg);
        Sys_SetTraceSink(sink);
        ASSERT_TRUE(Sys_OpenDisplay(1024, 768, 0, 60));
        Sys_SetLogicalSize(1024, 768);
        createGlobals();
    }
    void TearDown() override
    {
        destroyGlobals();
        Sys_SetTraceSink(nullptr);
    }
};

::testing::Environment* const s_env = ::testing::AddGlobalTestEnvironment(new FrontendEnv);

void put32(std::vector<uint8_t>& b, int32_t v)
{
    for (int i = 0; i < 4; ++i) b.push_back((uint8_t)((uint32_t)v >> (8 * i)));
}

}

const std::string& scratchData()
{
    if (s_root.empty()) {
        char tmpl[] = "/tmp/morvelle-frontend-XXXXXX";
        const char* d = mkdtemp(tmpl);
        s_root = std::string(d ? d : "/tmp") + "/data/";
        Sys_CreateDir(s_root, true);
    }
    return s_root;
}

std::vector<std::string>& capturedTrace()
{
    static std::vector<std::string> lines;
    return lines;
}

bool traceContains(const std::string& part)
{
    for (const std::string& l : capturedTrace())
        if (l.find(part) != std::string::npos) return true;
    return false;
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    size_t slash = path.find_last_of('/');
    if (slash != std::string::npos) Sys_CreateDir(path.substr(0, slash), true);
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::vector<uint8_t> pngBytes(int w, int h, uint32_t argb)
{
    std::string path = scratchData() + "png-scratch.png";
    std::vector<uint32_t> px((size_t)w * (size_t)h, argb);
    EXPECT_TRUE(Sys_WritePNG(path, w, h, px.data()));
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(Sys_ReadAllBytes(path, bytes));
    return bytes;
}

void writePicture(const std::string& relPath, int w, int h, uint32_t argb) { writeBytes(scratchData() + relPath, pngBytes(w, h, argb)); }

void writeWav(const std::string& relPath, int ms)
{
    const int rate = 44100;
    uint32_t samples = (uint32_t)((int64_t)rate * ms / 1000), dataLen = samples * 2;
    std::vector<uint8_t> b;
    auto tag = [&](const char* t) { b.insert(b.end(), t, t + 4); };
    tag("RIFF");
    put32(b, (int32_t)(36 + dataLen));
    tag("WAVE");
    tag("fmt ");
    put32(b, 16);
    b.push_back(1), b.push_back(0);   // PCM
    b.push_back(1), b.push_back(0);   // mono
    put32(b, rate);
    put32(b, rate * 2);
    b.push_back(2), b.push_back(0);
    b.push_back(16), b.push_back(0);
    tag("data");
    put32(b, (int32_t)dataLen);
    for (uint32_t i = 0; i < samples; ++i) b.push_back((uint8_t)(i & 1)), b.push_back(0);
    writeBytes(scratchData() + relPath, b);
}

std::vector<uint8_t> fontBytes(const std::vector<FontRecord>& records)
{
    std::vector<uint8_t> b;
    for (const FontRecord& r : records) {
        put32(b, r.code);
        b.insert(b.end(), r.layer.begin(), r.layer.end());
        b.push_back(13), b.push_back(10);
        std::vector<uint8_t> png = pngBytes(r.w, r.h, r.argb);
        put32(b, (int32_t)png.size());
        b.insert(b.end(), png.begin(), png.end());
        b.push_back(13), b.push_back(10);
        put32(b, 5);
        for (int v : {r.ox, r.oy, r.dw, r.dh, r.cw}) put32(b, v);
        b.push_back(13), b.push_back(10);
    }
    return b;
}

std::string writeFont(const std::string& name, const std::vector<FontRecord>& records)
{
    std::string path = scratchData() + "fonts/" + name;
    writeBytes(path, fontBytes(records));
    return path;
}

size_t MemStream::Read(void* buf, size_t n)
{
    size_t left = bytes.size() - pos, k = n < left ? n : left;
    std::memcpy(buf, bytes.data() + pos, k);
    pos += k;
    if (k < n) good = false;
    return k;
}

void RecordingFX::note(TDrawCharAction& a)
{
    hits.push_back({a.Status, a.Char, a.X, a.Y, a.CurrentScaleX, Sys_State().blend_mode, Sys_State().color_alpha});
}

std::vector<RecordingFX::Hit> RecordingFX::faces() const
{
    std::vector<Hit> f;
    for (const Hit& h : hits)
        if (h.status == eDrawCharStatus::Face) f.push_back(h);
    return f;
}

Screen grabScreen()
{
    Screen s;
    EXPECT_TRUE(Sys_ReadScreen(s.px, s.w, s.h));
    return s;
}

void resetFrame()
{
    Sys_ResetState();
    Sys_SetClsColor(0, 0, 0);
    Sys_Cls();
    Sys_SetBlend(BLEND_ALPHA);
    g_inputLayer = 1;
    g_pause = -1;
    sceneHandler->FaderDir = FADER_DIR_IN;
    sceneHandler->FaderColor = 256;
    popupHandler->runtime = 0;
    popupHandler->State = 0;
    g_input->_MausFireLeft = 0;
    g_input->_MausDownLeft = 0;
}
