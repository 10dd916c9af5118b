// Bitmap fonts: the file reader on built fixtures, damaged files, and text placement, measuring and wrapping.
#include <gtest/gtest.h>

#include <cmath>

#include "fonts/bitmapfont.h"
#include "fonts/utf8.h"
#include "tests/frontend_support.h"

namespace {

constexpr uint32_t RED = 0xFFFF0000, BLUE = 0xFF0000FF, GREEN = 0xFF00FF00;

FontRecord face(int code, int cw, int dw = 0, int dh = 0, uint32_t c = RED, int w = 4, int h = 4)
{
    return {code, "FACE", w, h, c, 0, 0, dw ? dw : cw, dh, cw};
}

// A font whose A and B advance 10 and 12 (B drawn 15 wide) and whose space sets the line height 20.
void loadAB(TBitmapFont& f, float hk = 1)
{
    MemStream s(fontBytes({face('A', 10), face('B', 12, 15), face(' ', 6, 6, 20), {'B', "BORDER", 4, 4, BLUE, 0, 0, 4, 4, 0}}));
    ASSERT_EQ(f.Load(s, 0), 1);
    f.Kerning.SetHKerning(hk);
}

}

TEST(FontReader, RecordsFillAllThreeTablesAndLaterRecordsReplace)
{
    TBitmapFont f;
    MemStream s(fontBytes({{65, "FACE", 4, 4, RED, 1, 2, 7, 9, 8},
                           {65, "SHADOW", 4, 4, BLUE, 3, 4, 5, 6, 0},
                           {66, "FACE", 4, 4, RED, 0, 0, 5, 5, 5},
                           {66, "FACE", 6, 6, GREEN, 0, 0, 6, 6, 11}}));
    EXPECT_EQ(f.FontLoaded(), 0);
    ASSERT_EQ(f.Load(s, 0), 1);
    EXPECT_EQ(f.FontLoaded(), 1);

    ASSERT_NE(f.GetFaceImage(65), nullptr);
    ASSERT_NE(f.GetShadowImage(65), nullptr);
    EXPECT_EQ(f.GetBorderImage(65), nullptr);
    auto border = f.GetBorderInfo(65);
    ASSERT_TRUE(border);
    EXPECT_EQ(border->X + border->Y + border->Width + border->Height, 0);
    auto faceInfo = f.GetFaceInfo(65);
    EXPECT_EQ(faceInfo->X, 1);
    EXPECT_EQ(faceInfo->Y, 2);
    EXPECT_EQ(faceInfo->Width, 7);
    EXPECT_EQ(faceInfo->Height, 9);
    EXPECT_EQ(f.GetCharOffset(65), 8);
    auto so = f.GetCharShadowOffset(65);
    EXPECT_EQ(so->X, 3);
    EXPECT_EQ(so->Y, 4);

    EXPECT_EQ(f.GetCharOffset(66), 11);
    EXPECT_EQ(Sys_ImageWidth(f.GetFaceImage(66)), 6);

    EXPECT_EQ(f.GetShadowInfo(67), nullptr);
    EXPECT_EQ(f.GetFaceImage(67), nullptr);
    auto none = f.GetCharBorderOffset(67);
    EXPECT_EQ(none->X, 0);
    EXPECT_EQ(none->Y, 0);
    EXPECT_EQ(f.GetCharOffset(67), 0);
}

TEST(FontReader, TableGrowsPastCode255AndKeepsEarlierEntries)
{
    TBitmapFont f;
    MemStream s(fontBytes({face(65, 10), face(300, 7), face(0x20AC, 9)}));
    ASSERT_EQ(f.Load(s, 0), 1);
    EXPECT_EQ(f.PrivateData->Face.size(), 65536u);
    EXPECT_EQ(f.PrivateData->Shadow.size(), 65536u);
    EXPECT_EQ(f.PrivateData->Border.size(), 65536u);
    EXPECT_EQ(f.GetCharOffset(65), 10);
    ASSERT_NE(f.faceEntry(300), nullptr);
    // Text arrives as UTF-8: U+012C is code 300, the euro sign 0x20AC.
    EXPECT_EQ(f.GetTxtWidth("A\xC4\xAC\xE2\x82\xAC"), 10 + 7 + 9);
}

TEST(FontReader, FaceImageKeepsItsHandleShadowImageMovesByItsOffsets)
{
    TBitmapFont f;
    MemStream s(fontBytes({{65, "FACE", 4, 4, RED, -2, -3, 4, 4, 4}, {65, "SHADOW", 4, 4, BLUE, -2, -3, 4, 4, 0}}));
    ASSERT_EQ(f.Load(s, 0), 1);
    EXPECT_EQ(f.GetFaceImage(65)->handle_x, 0);
    EXPECT_EQ(f.GetFaceImage(65)->handle_y, 0);
    EXPECT_EQ(f.GetShadowImage(65)->handle_x, 2);
    EXPECT_EQ(f.GetShadowImage(65)->handle_y, 3);

    resetFrame();
    f.SetDrawBorder(0);
    f.DrawText("A", 100, 100, 1, 0);
    Screen sc = grabScreen();
    EXPECT_EQ(sc.at(100, 100), 0xFF0000u);   // face from the pen
    EXPECT_EQ(sc.at(103, 103), 0xFF0000u);
    EXPECT_EQ(sc.at(98, 97), 0x0000FFu);     // shadow two left, three up
    EXPECT_EQ(sc.at(104, 104), 0u);

    // A second face record takes its handle from the numbers of the first.
    MemStream again(fontBytes({{65, "FACE", 4, 4, RED, 5, 6, 4, 4, 4}}));
    ASSERT_EQ(f.Load(again, 0), 1);
    EXPECT_EQ(f.GetFaceImage(65)->handle_x, 2);
    EXPECT_EQ(f.GetFaceImage(65)->handle_y, 3);
}

TEST(FontReader, ProgressReportsOnlyNewWholePercentages)
{
    TBitmapFont f;
    std::vector<float> reports;
    f.SetProgressFunction([&](float p) { reports.push_back(p); });
    MemStream s(fontBytes({face(32, 5), face(33, 5), face(40, 5)}));
    ASSERT_EQ(f.Load(s, 0), 1);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_FLOAT_EQ(reports[0], 12.5f);
    EXPECT_FLOAT_EQ(reports[1], 15.625f);
}

TEST(FontReader, DamagedFilesKeepWhatWasReadAndTraceTheFile)
{
    std::vector<uint8_t> good = fontBytes({face('A', 10)});
    std::vector<uint8_t> second = fontBytes({face('B', 12)});

    // Ends inside the second record's image.
    std::vector<uint8_t> cut = good;
    cut.insert(cut.end(), second.begin(), second.begin() + 40);
    std::string path = scratchData() + "fonts/cut.tgf";
    writeBytes(path, cut);
    TBitmapFont a;
    capturedTrace().clear();
    EXPECT_EQ(a.Load(path, 0), 0);
    EXPECT_EQ(a.FontLoaded(), 0);
    EXPECT_EQ(a.GetCharOffset('A'), 10);
    EXPECT_EQ(a.faceEntry('B'), nullptr);
    EXPECT_TRUE(traceContains("cut.tgf"));

    // Ends inside the numbers.
    std::vector<uint8_t> shortNumbers(second.begin(), second.end() - 10);
    MemStream sn(shortNumbers);
    TBitmapFont a2;
    EXPECT_EQ(a2.Load(sn, 0), 0);
    EXPECT_EQ(a2.faceEntry('B'), nullptr);

    // A layer name the format does not know.
    std::vector<uint8_t> glow = good;
    std::vector<uint8_t> bad = fontBytes({{'C', "GLOW", 4, 4, RED, 0, 0, 4, 4, 4}});
    glow.insert(glow.end(), bad.begin(), bad.end());
    TBitmapFont b;
    MemStream sg(glow);
    capturedTrace().clear();
    EXPECT_EQ(b.Load(sg, 0, "glow.tgf"), 0);
    EXPECT_EQ(b.GetCharOffset('A'), 10);
    EXPECT_TRUE(traceContains("glow.tgf"));
    EXPECT_TRUE(traceContains("corrupted or unsupported"));

    // Codes beyond the tables: those records are skipped with a trace line, the records around them load.
    std::vector<uint8_t> big = good;
    std::vector<uint8_t> far = fontBytes({face(70000, 4), face(-5, 4)});
    big.insert(big.end(), far.begin(), far.end());
    big.insert(big.end(), second.begin(), second.end());
    TBitmapFont c;
    MemStream sb(big);
    capturedTrace().clear();
    EXPECT_EQ(c.Load(sb, 0), 1);
    EXPECT_EQ(c.GetCharOffset('A'), 10);
    EXPECT_EQ(c.GetCharOffset('B'), 12);
    EXPECT_EQ(c.PrivateData->Face.size(), 256u);
    EXPECT_TRUE(traceContains("70000"));
    EXPECT_TRUE(traceContains("-5"));

    // An image that does not decode: only that layer stays empty, its numbers and later records load.
    std::vector<uint8_t> broken = fontBytes({face('D', 9)});
    broken[4 + 6 + 4 + 8 + 8 + 2] ^= 0xFF;   // a byte of the IHDR data, so its checksum fails
    broken.insert(broken.end(), good.begin(), good.end());
    TBitmapFont d;
    MemStream sd(broken);
    EXPECT_EQ(d.Load(sd, 0), 1);
    EXPECT_EQ(d.GetFaceImage('D'), nullptr);
    EXPECT_EQ(d.GetCharOffset('D'), 9);
    EXPECT_NE(d.GetFaceImage('A'), nullptr);

    TBitmapFont e;
    EXPECT_EQ(e.Load(scratchData() + "fonts/none.tgf", 0), 0);
    EXPECT_EQ(e.GetFontHeight(), 0);
    e.DrawText("nothing", 10, 10);
}

TEST(TextLayout, AdvanceKerningAndMeasuredWidth)
{
    TBitmapFont f;
    loadAB(f);
    RecordingFX fx;
    f.RenderFX = &fx;
    resetFrame();
    f.DrawText("AB", 100, 50);
    auto faces = fx.faces();
    ASSERT_EQ(faces.size(), 2u);
    EXPECT_FLOAT_EQ(faces[0].x, 100);
    EXPECT_FLOAT_EQ(faces[1].x, 111);
    EXPECT_EQ(fx.begins, 1);
    EXPECT_EQ(fx.ends, 1);
    // trunc(0 + 10 + 1) = 11, trunc(11 + 12 + 1) = 24, then B counts with its drawn width 15.
    EXPECT_EQ(f.GetTxtWidth("AB"), 24 - 12 + 15);
    EXPECT_EQ(f.GetTxtWidth(""), 0);
    EXPECT_EQ(f.GetFontHeight(), 20);

    // At scale 2 the pen moves twice as far; the measure stays unscaled.
    fx.hits.clear();
    Sys_SetScale(2, 2);
    f.DrawText("AB", 100, 50);
    EXPECT_FLOAT_EQ(fx.faces()[1].x, 122);
    EXPECT_EQ(f.GetTxtWidth("AB"), 27);
    Sys_SetScale(1, 1);
}

// Metrics are whatever the file says: measuring saturates instead of overflowing.
TEST(TextLayout, HugeMetricsSaturateTheMeasure)
{
    TBitmapFont f;
    MemStream s(fontBytes({face('A', INT32_MAX), face('B', INT32_MIN, INT32_MIN), face('C', 5, INT32_MAX)}));
    ASSERT_EQ(f.Load(s, 0), 1);
    f.Kerning.SetHKerning(1);
    EXPECT_EQ(f.GetTxtWidth("AAAA"), INT32_MAX);
    EXPECT_EQ(f.GetTxtWidth("BBBB"), INT32_MIN);
    EXPECT_EQ(f.GetTxtWidth("AC"), INT32_MAX);
    resetFrame();
    f.DrawText("AAAA", 10, 10, 1, 1);
    f.DrawText("BB", 10, 10, 1, 2);
    f.DrawTextMaxWidth("ABCABC", 10, 10, 200);
}

TEST(TextLayout, AlignmentLineFeedsAndRotation)
{
    TBitmapFont f;
    MemStream s(fontBytes({face('W', 4, 101), face(' ', 6, 6, 20)}));
    ASSERT_EQ(f.Load(s, 0), 1);
    RecordingFX fx;
    f.RenderFX = &fx;
    resetFrame();
    ASSERT_EQ(f.GetTxtWidth("W"), 101);
    f.DrawText("W", 300, 10, 1, 1);
    f.DrawText("W", 300, 10, 1, 2);
    f.DrawText("W", 300, 10, 1, 7);
    auto faces = fx.faces();
    ASSERT_EQ(faces.size(), 3u);
    EXPECT_FLOAT_EQ(faces[0].x, 250);
    EXPECT_FLOAT_EQ(faces[1].x, 199);
    EXPECT_FLOAT_EQ(faces[2].x, 300);

    // The second line starts at the same x, one space height plus vertical kerning lower.
    fx.hits.clear();
    f.Kerning.SetVKerning(2);
    f.DrawText("W\nW", 40, 10);
    faces = fx.faces();
    ASSERT_EQ(faces.size(), 2u);
    EXPECT_FLOAT_EQ(faces[1].x, 40);
    EXPECT_FLOAT_EQ(faces[1].y, 32);

    // Rotated text keeps its pen on the baseline but places each character along the turned line.
    fx.hits.clear();
    f.Kerning.SetVKerning(0);
    MemStream s2(fontBytes({face('A', 30)}));
    ASSERT_EQ(f.Load(s2, 0), 1);
    Sys_SetRotation(90);
    f.DrawText("AA", 200, 100);
    Sys_SetRotation(0);
    faces = fx.faces();
    ASSERT_EQ(faces.size(), 2u);
    EXPECT_NEAR(faces[1].x, 200, 1e-3);
    EXPECT_NEAR(faces[1].y, 130, 1e-3);

    // Without a space a line feed moves down only by the vertical kerning.
    TBitmapFont g;
    MemStream s3(fontBytes({face('A', 5)}));
    ASSERT_EQ(g.Load(s3, 0), 1);
    RecordingFX gx;
    g.RenderFX = &gx;
    g.DrawText("A\nA", 0, 50);
    ASSERT_EQ(gx.faces().size(), 2u);
    EXPECT_FLOAT_EQ(gx.faces()[1].y, 50);
    EXPECT_EQ(g.GetFontHeight(), 0);
}

TEST(TextLayout, LayersBlendsAndMissingBorderImages)
{
    TBitmapFont f;
    loadAB(f);
    RecordingFX fx;
    f.RenderFX = &fx;
    f.SetShadowBlend(BLEND_SHADE);
    f.SetBorderBlend(BLEND_LIGHT);
    f.SetFaceBlend(BLEND_ALPHA);
    resetFrame();
    Sys_SetBlend(BLEND_SOLID);
    f.DrawText("AB", 100, 50, 1, 0);
    EXPECT_EQ(Sys_State().blend_mode, BLEND_SOLID);
    // A has no border image: the border pass skips it without advancing, so B's border sits at the start.
    std::vector<RecordingFX::Hit> borders;
    for (auto& h : fx.hits)
        if (h.status == eDrawCharStatus::Border) borders.push_back(h);
    ASSERT_EQ(borders.size(), 1u);
    EXPECT_EQ(borders[0].ch, 'B');
    EXPECT_FLOAT_EQ(borders[0].x, 100);
    EXPECT_EQ(borders[0].blend, BLEND_LIGHT);
    EXPECT_EQ(fx.faces()[0].blend, BLEND_ALPHA);

    // Shadow and border off: only faces, and the blend mode is untouched with useBlends 0.
    fx.hits.clear();
    f.SetDrawShadow(0);
    f.SetDrawBorder(0);
    Sys_SetBlend(BLEND_SHADE);
    f.DrawText("AB", 100, 50, 0, 0);
    EXPECT_EQ(fx.hits.size(), 2u);
    EXPECT_EQ(fx.faces()[0].blend, BLEND_SHADE);
    EXPECT_EQ(Sys_State().blend_mode, BLEND_SHADE);
}

TEST(TextLayout, RendererEffectsCanSwapOrTakeOverCharacters)
{
    struct Swap : iTextRendererFXBase {
        void DrawFaceChar(TDrawCharAction& a) override { a.Char = 'B'; }
    };
    struct Take : iTextRendererFXBase {
        int seen = 0, lastChar = 0;
        void DrawFaceChar(TDrawCharAction& a) override
        {
            ++seen;
            lastChar = a.Char;
            a.Handled = take;
        }
        int take = 0;
    };
    TBitmapFont f;
    MemStream s(fontBytes({face('A', 10, 10, 0, RED), face('B', 12, 12, 0, GREEN)}));
    ASSERT_EQ(f.Load(s, 0), 1);
    Swap swap;
    Take take;
    swap.ChainFX = &take;
    f.RenderFX = &swap;
    resetFrame();
    f.DrawText("AA", 100, 100);
    EXPECT_EQ(take.seen, 2);
    EXPECT_EQ(take.lastChar, 'B');
    Screen sc = grabScreen();
    // Swapped to B, which also advances by B's 12.
    EXPECT_EQ(sc.at(100, 100), 0x00FF00u);
    EXPECT_EQ(sc.at(112, 100), 0x00FF00u);
    resetFrame();
    take.take = 1;
    f.DrawText("AA", 100, 100);
    EXPECT_EQ(grabScreen().at(100, 100), 0u);
}

TEST(TextLayout, MaxWidthWrapsByCharacters)
{
    TBitmapFont f;
    MemStream s(fontBytes({face('A', 10), face(' ', 6, 6, 20)}));
    ASSERT_EQ(f.Load(s, 0), 1);
    RecordingFX fx;
    f.RenderFX = &fx;
    resetFrame();
    f.DrawTextMaxWidth("AAAA", 10, 100, 25.0, 1);
    auto faces = fx.faces();
    ASSERT_EQ(faces.size(), 4u);
    EXPECT_FLOAT_EQ(faces[1].x, 20);
    EXPECT_FLOAT_EQ(faces[1].y, 100);
    EXPECT_FLOAT_EQ(faces[2].x, 10);
    EXPECT_FLOAT_EQ(faces[2].y, 120);

    // Narrower than one character: each on its own line.
    fx.hits.clear();
    f.DrawTextMaxWidth("AAA", 10, 100, 5.0, 1);
    faces = fx.faces();
    ASSERT_EQ(faces.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(faces[(size_t)i].x, 10);
        EXPECT_FLOAT_EQ(faces[(size_t)i].y, 100 + 20 * i);
    }

    // A line feed ends the line; lines below the screen are not drawn.
    fx.hits.clear();
    f.DrawTextMaxWidth("A\n\nA", 10, 100, 500.0, 1);
    faces = fx.faces();
    ASSERT_EQ(faces.size(), 2u);
    EXPECT_FLOAT_EQ(faces[1].y, 140);
    fx.hits.clear();
    f.DrawTextMaxWidth("A\nA\nA", 10, 740, 500.0, 1);
    EXPECT_EQ(fx.faces().size(), 2u);
}

TEST(TextLayout, Utf8AndUpperCase)
{
    std::vector<int> c = utf8Decode("A\xC3\x84\xE2\x82\xAC\xFF");
    ASSERT_EQ(c.size(), 4u);
    EXPECT_EQ(c[1], 0xC4);
    EXPECT_EQ(c[2], 0x20AC);
    EXPECT_EQ(c[3], 0xFF);   // a stray byte stands for itself
    EXPECT_EQ(utf8UpperCase("Spielstart \xC3\xA4\xC3\xB6\xC3\xBC \xC3\x9F"), "SPIELSTART \xC3\x84\xC3\x96\xC3\x9C \xC3\x9F");
    EXPECT_EQ(upperCaseCode(0x3C2), 0x3A3);
    EXPECT_EQ(upperCaseCode(0x430), 0x410);
    EXPECT_EQ(upperCaseCode(0x17E), 0x17D);
    EXPECT_EQ(upperCaseCode(0x101), 0x100);
}

TEST(FontReader, MaskedFacesDropTheMaskColour)
{
    TBitmapFont f;
    f.UseMask = 1;
    f.MaskColorRed = 255;
    MemStream s(fontBytes({face('A', 4, 4, 4, RED), face('B', 4, 4, 4, GREEN), {'C', "SHADOW", 4, 4, RED, 0, 0, 4, 4, 0}}));
    ASSERT_EQ(f.Load(s, IMG_FILTERED), 1);
    EXPECT_EQ(f.GetFaceImage('A')->frames[0][0] >> 24, 0u);
    EXPECT_EQ(f.GetFaceImage('B')->frames[0][0], GREEN);
    EXPECT_TRUE(f.GetFaceImage('A')->flags & IMG_MASKED);
    EXPECT_EQ(f.GetShadowImage('C')->frames[0][0], RED);   // only faces are masked
}

TEST(TextLayout, PixelRoundingPlacesFacesOnWholePixels)
{
    TBitmapFont f;
    MemStream s(fontBytes({face('A', 4)}));
    ASSERT_EQ(f.Load(s, 0), 1);
    f.PhisicalPixelRounding = 1;
    resetFrame();
    Sys_SetScale(1, 1);
    f.DrawText("A", 100.6f, 50.4f);
    Screen sc = grabScreen();
    EXPECT_EQ(sc.at(100, 50), 0u);
    EXPECT_EQ(sc.at(101, 50), 0xFF0000u);
    EXPECT_EQ(sc.at(104, 53), 0xFF0000u);
    EXPECT_EQ(sc.at(105, 53), 0u);
    EXPECT_FLOAT_EQ(Sys_State().vres_width, 1024);
    EXPECT_FLOAT_EQ(Sys_State().vres_height, 768);
    EXPECT_FLOAT_EQ(Sys_State().tform_scale_x, 1);
}
