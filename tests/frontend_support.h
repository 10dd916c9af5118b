// Shared fixtures of the front-end tests: headless display, a scratch data tree, font files built in memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fonts/bitmapfont.h"
#include "platform/sys.h"

// Folder that "data/..." names in these tests; created and registered with the platform once per process.
const std::string& scratchData();
void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> pngBytes(int w, int h, uint32_t argb);
// A PNG picture of one colour written under the scratch data tree, e.g. "UI/cb.png".
void writePicture(const std::string& relPath, int w, int h, uint32_t argb);
// A 16-bit mono WAV of silence with the given length.
void writeWav(const std::string& relPath, int ms);

struct FontRecord {
    int code;
    std::string layer;
    int w, h;
    uint32_t argb;
    int ox, oy, dw, dh, cw;
};
std::vector<uint8_t> fontBytes(const std::vector<FontRecord>& records);
// Writes the records as a font file under the scratch tree and returns its path.
std::string writeFont(const std::string& name, const std::vector<FontRecord>& records);

class MemStream : public SysStream {
public:
    explicit MemStream(std::vector<uint8_t> b) : bytes(std::move(b)) {}
    bool Eof() override { return pos >= bytes.size(); }
    bool Good() const override { return good; }
    bool Close() override { return true; }
    size_t Read(void* buf, size_t n) override;
    size_t Write(const void*, size_t) override { return 0; }
    std::vector<uint8_t> bytes;
    size_t pos = 0;
    bool good = true;
};

// Records every character a pass places, and the drawing state at that moment.
class RecordingFX : public iTextRendererFXBase {
public:
    struct Hit {
        int status, ch;
        float x, y, scaleX;
        int blend;
        float alpha;
    };
    void DrawShadowChar(TDrawCharAction& a) override { note(a); }
    void DrawBorderChar(TDrawCharAction& a) override { note(a); }
    void DrawFaceChar(TDrawCharAction& a) override { note(a); }
    void DrawTextBegin(TDrawTextAction&) override { ++begins; }
    void DrawTextEnd(TDrawTextAction&) override { ++ends; }
    std::vector<Hit> faces() const;
    std::vector<Hit> hits;
    int begins = 0, ends = 0;

private:
    void note(TDrawCharAction& a);
};

struct Screen {
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    uint32_t at(int x, int y) const { return (x >= 0 && y >= 0 && x < w && y < h) ? px[(size_t)y * (size_t)w + (size_t)x] & 0xFFFFFFu : 0xDEADu; }
};
Screen grabScreen();
// Black screen, default drawing state and the widget globals in their idle, reacting state.
void resetFrame();
std::vector<std::string>& capturedTrace();
bool traceContains(const std::string& part);
