// Both font files, parsed record by record and loaded with the game's own font reader.
#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>

#include "content/pictures/painters.h"
#include "fonts/bitmapfont.h"
#include "platform/sys.h"
#include "tests/content_support.h"

using namespace content_test;

namespace {

struct Layer {
    Picture pic;
    std::array<int32_t, 5> v{};   // DrawOffsetX, DrawOffsetY, DrawWidth, DrawHeight, Charwidth
};

struct Parsed {
    std::map<std::pair<int, std::string>, Layer> layers;
    std::string error;
};

int32_t readInt(const std::vector<uint8_t>& b, size_t& p)
{
    int32_t v = int32_t(uint32_t(b[p]) | uint32_t(b[p + 1]) << 8 | uint32_t(b[p + 2]) << 16 | uint32_t(b[p + 3]) << 24);
    p += 4;
    return v;
}

// Reads the file exactly as laid out: code, layer line, length, PNG, separator, count, five numbers, separator.
Parsed parse(const std::vector<uint8_t>& b)
{
    Parsed out;
    size_t p = 0;
    while (p < b.size()) {
        if (p + 4 > b.size()) return out.error = "truncated code", out;
        int code = readInt(b, p);
        std::string name;
        while (p < b.size() && b[p] != '\n') name += char(b[p++]);
        ++p;
        if (!name.empty() && name.back() == '\r') name.pop_back();
        if (name != "SHADOW" && name != "BORDER" && name != "FACE") return out.error = "bad layer " + name, out;
        int32_t len = readInt(b, p);
        if (len <= 0 || p + size_t(len) > b.size()) return out.error = "bad length", out;
        Layer L;
        if (!decodePng(std::vector<uint8_t>(b.begin() + long(p), b.begin() + long(p) + len), L.pic))
            return out.error = "bad png", out;
        p += size_t(len);
        if (p + 2 > b.size() || b[p] != '\r' || b[p + 1] != '\n') return out.error = "bad separator after png", out;
        p += 2;
        if (readInt(b, p) != 5) return out.error = "bad count", out;
        for (int32_t& x : L.v) x = readInt(b, p);
        if (p + 2 > b.size() || b[p] != '\r' || b[p + 1] != '\n') return out.error = "bad separator after numbers", out;
        p += 2;
        out.layers[{code, name}] = std::move(L);
    }
    return out;
}

int lowestInkRow(const Picture& p)
{
    for (int y = p.h - 1; y >= 0; --y)
        for (int x = 0; x < p.w; ++x)
            if (p.alpha(x, y) > 100) return y;
    return -1;
}

void checkFont(const std::string& file, int lineHeight)
{
    SCOPED_TRACE(file);
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(readFile(dataDir() + "fonts/" + file, bytes));
    Parsed f = parse(bytes);
    ASSERT_TRUE(f.error.empty()) << f.error;
    std::vector<int> codes;
    for (int c = 32; c <= 126; ++c) codes.push_back(c);
    for (int c = 160; c <= 255; ++c) codes.push_back(c);
    for (uint32_t c : art::kTypographyCodes) codes.push_back(int(c));
    EXPECT_EQ(f.layers.size(), codes.size() * 3);
    for (int c : codes) {
        SCOPED_TRACE(c);
        for (const char* layer : {"SHADOW", "BORDER", "FACE"}) ASSERT_EQ(f.layers.count({c, layer}), 1u) << layer;
        const Layer& face = f.layers[{c, "FACE"}];
        // A face is drawn from the pen: a full-height cell, no offsets, numbers matching the picture.
        EXPECT_EQ(face.v[0], 0);
        EXPECT_EQ(face.v[1], 0);
        EXPECT_EQ(face.v[2], face.pic.w);
        EXPECT_EQ(face.v[3], lineHeight);
        EXPECT_EQ(face.pic.h, lineHeight);
        EXPECT_GT(face.v[4], 0);
        const Layer& border = f.layers[{c, "BORDER"}];
        EXPECT_EQ(border.v[4], face.v[4]);
    }
    // Letters without descenders share one baseline.
    int base = lowestInkRow(f.layers[{'H', "FACE"}].pic);
    for (int c : {int('A'), int('x'), int('m'), int('1'), int('E'), int('z'), 0xC9})
        EXPECT_NEAR(lowestInkRow(f.layers[{c, "FACE"}].pic), base, 1) << char(c);
    EXPECT_GT(lowestInkRow(f.layers[{'g', "FACE"}].pic), base);
}

}  // namespace

TEST(ContentFonts, BothFilesFollowTheFormatAndCoverEveryCode)
{
    checkFont("text.tgf", 20);
    checkFont("header.tgf", 36);
    // The text font's border and shadow layers sit around the face, placed by their offsets.
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(readFile(dataDir() + "fonts/text.tgf", bytes));
    Parsed f = parse(bytes);
    const Layer& border = f.layers[{'W', "BORDER"}];
    const Layer& face = f.layers[{'W', "FACE"}];
    EXPECT_LT(border.v[0], 0);
    EXPECT_LT(border.v[1], 0);
    EXPECT_EQ(border.pic.w, face.pic.w - 2 * border.v[0]);
    EXPECT_GT(lowestInkRow(f.layers[{'W', "SHADOW"}].pic), 0);
}

TEST(ContentFonts, TheGameReaderLoadsBoth)
{
    SysConfig cfg;
    cfg.headless = true;
    Sys_Init(cfg);
    TBitmapFont text, header;
    EXPECT_EQ(text.Load(dataDir() + "fonts/text.tgf", 2), 1);
    EXPECT_EQ(header.Load(dataDir() + "fonts/header.tgf", 2), 1);
    EXPECT_EQ(text.FontLoaded(), 1);
    EXPECT_EQ(text.GetFontHeight(), 20);
    EXPECT_EQ(header.GetFontHeight(), 36);
    for (int c = 32; c <= 255; ++c) {
        if (c > 126 && c < 160) continue;
        EXPECT_NE(text.GetFaceInfo(uint8_t(c)), nullptr) << c;
        EXPECT_NE(header.GetFaceImage(uint8_t(c)), nullptr) << c;
    }
    text.Kerning.SetHKerning(1.0f);
    int w = text.GetTxtWidth("Welcome, traveller");
    EXPECT_GT(w, 100);
    EXPECT_LT(w, 200);
    Sys_Shutdown();
}

// The files are derived fonts under their sources' licence: every code comes from the source face itself (the
// fallback face, under another licence, is never needed), and no file carries a source's reserved font name.
TEST(ContentFonts, DrawnOnlyFromTheirSourceFontsAndCarryNoReservedName)
{
    FT_Library lib = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&lib), 0);
    for (art::Face f : {art::Face::BodyBold, art::Face::Title}) {
        FT_Face face = nullptr;
        ASSERT_EQ(FT_New_Face(lib, art::fontFile(f).c_str(), 0, &face), 0) << art::fontFile(f);
        for (FT_ULong c = 32; c <= 255; ++c) {
            if (c > 126 && c < 160) continue;
            EXPECT_NE(FT_Get_Char_Index(face, c), 0u) << art::fontFile(f) << " lacks " << c;
        }
        for (uint32_t c : art::kTypographyCodes) EXPECT_NE(FT_Get_Char_Index(face, c), 0u) << art::fontFile(f) << " lacks " << c;
        FT_Done_Face(face);
    }
    FT_Done_FreeType(lib);
    for (const char* file : {"text.tgf", "header.tgf"}) {
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(readFile(dataDir() + "fonts/" + file, bytes));
        std::string text(bytes.begin(), bytes.end());
        std::transform(text.begin(), text.end(), text.begin(), [](char c) { return char(std::tolower(uint8_t(c))); });
        for (const char* reserved : {"quicksand", "leckerli"})
            EXPECT_EQ(text.find(reserved), std::string::npos) << file << " carries " << reserved;
    }
}
