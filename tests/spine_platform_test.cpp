// Platform layer: drawing state and blends on read-back pixels, images and decoders, files, input counters, random.
#include <gtest/gtest.h>
#include <jpeglib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tests/spine_support.h"

namespace {
void clearTo(int r, int g, int b)
{
    Sys_SetClsColor(r, g, b);
    Sys_Cls();
}
}

TEST(DrawState, ReadsBackWhatWasSetButDrawsClamped)
{
    ensureDisplay();
    Sys_SetColor(300, -5, 128);
    Sys_SetAlpha(1.7f);
    EXPECT_FLOAT_EQ(Sys_State().color_red, 300);
    EXPECT_FLOAT_EQ(Sys_State().color_green, -5);
    EXPECT_FLOAT_EQ(Sys_State().color_alpha, 1.7f);

    SysImage* white = solidImage(8, 8, 0xFFFFFFFF);
    clearTo(0, 0, 0);
    Sys_SetBlend(BLEND_ALPHA);
    Sys_DrawImage(white, 100, 100, 0);
    uint32_t c = screenPixel(104, 104);
    EXPECT_EQ(red(c), 255);
    EXPECT_EQ(green(c), 0);
    EXPECT_NEAR(blue(c), 128, 1);

    Sys_SetRotation(90);
    Sys_SetScale(2, 3);
    EXPECT_NEAR(Sys_State().tform_ix, 0, 1e-5);
    EXPECT_NEAR(Sys_State().tform_iy, -3, 1e-5);
    EXPECT_NEAR(Sys_State().tform_jx, 2, 1e-5);
    EXPECT_NEAR(Sys_State().tform_jy, 0, 1e-5);
    Sys_FreeImage(white);
}

TEST(DrawState, BlendModesOnReadBackPixels)
{
    ensureDisplay();
    SysImage* half = solidImage(4, 4, 0x80C83200);   // (200, 50, 0) at alpha 128
    SysImage* faint = solidImage(4, 4, 0x64C83200);  // alpha 100: below the mask threshold
    SysImage* opaque = solidImage(4, 4, 0xFFC83200);   // drawn without blending only at full strength
    struct Case {
        int mode;
        SysImage* img;
        float alpha;
        int r, g, b;
    } cases[] = {
        {BLEND_ALPHA, half, 1.0f, 150, 75, 50},
        {BLEND_LIGHT, half, 1.0f, 200, 125, 100},
        {BLEND_SHADE, half, 1.0f, 78, 20, 0},
        {BLEND_SOLID, half, 1.0f, 200, 50, 0},
        {BLEND_MASK, half, 1.0f, 200, 50, 0},
        {BLEND_MASK, faint, 1.0f, 100, 100, 100},
        {BLEND_ALPHA, half, 0.0f, 100, 100, 100},
        {BLEND_LIGHT, half, 0.0f, 100, 100, 100},
        {BLEND_ALPHA, half, -0.5f, 100, 100, 100},
        {BLEND_ALPHA, opaque, 0.5f, 150, 75, 50},
        {BLEND_ALPHA, opaque, 1.0f, 200, 50, 0},
        {BLEND_LIGHT, opaque, 0.5f, 200, 125, 100},
    };
    for (const Case& k : cases) {
        Sys_ResetState();
        clearTo(100, 100, 100);
        Sys_SetBlend(k.mode);
        Sys_SetAlpha(k.alpha);
        Sys_DrawImage(k.img, 10, 10, 0);
        uint32_t c = screenPixel(12, 12);
        EXPECT_NEAR(red(c), k.r, 2) << "mode " << k.mode << " alpha " << k.alpha;
        EXPECT_NEAR(green(c), k.g, 2) << "mode " << k.mode << " alpha " << k.alpha;
        EXPECT_NEAR(blue(c), k.b, 2) << "mode " << k.mode << " alpha " << k.alpha;
    }
    Sys_FreeImage(half);
    Sys_FreeImage(faint);
    Sys_FreeImage(opaque);
}

TEST(DrawState, TransformHandleOriginAndViewport)
{
    ensureDisplay();
    SysImage* bar = solidImage(10, 2, 0xFFFFFFFF);
    Sys_SetImageHandle(bar, 0, 0);
    clearTo(0, 0, 0);
    Sys_SetBlend(BLEND_ALPHA);
    Sys_SetRotation(90);   // clockwise on screen: the bar points down
    Sys_DrawImage(bar, 200, 200, 0);
    EXPECT_EQ(red(screenPixel(199, 205)), 255);
    EXPECT_EQ(red(screenPixel(205, 199)), 0);
    EXPECT_EQ(red(screenPixel(199, 211)), 0);

    Sys_ResetState();
    clearTo(0, 0, 0);
    Sys_SetBlend(BLEND_ALPHA);
    Sys_MidHandleImage(bar);
    Sys_SetOrigin(100, 50);
    Sys_DrawImage(bar, 0, 0, 0);   // centred on (100, 50)
    EXPECT_EQ(red(screenPixel(96, 50)), 255);
    EXPECT_EQ(red(screenPixel(104, 49)), 255);
    EXPECT_EQ(red(screenPixel(106, 50)), 0);

    Sys_ResetState();
    clearTo(0, 0, 0);
    SysImage* big = solidImage(100, 100, 0xFFFFFFFF);
    Sys_SetBlend(BLEND_SOLID);
    Sys_SetViewport(20, 20, 10, 10);
    Sys_DrawImage(big, 0, 0, 0);
    EXPECT_EQ(red(screenPixel(25, 25)), 255);
    EXPECT_EQ(red(screenPixel(35, 25)), 0);
    EXPECT_EQ(red(screenPixel(15, 15)), 0);
    Sys_ResetState();
    Sys_FreeImage(bar);
    Sys_FreeImage(big);
}

TEST(Images, DecodersMaskRuleStripsAndDynamicFrames)
{
    ensureHeadless();
    std::string dir = tempDir("images");

    // 24-bit BMP, 2 x 1: black and red; no alpha, so black is cut out
    std::vector<uint8_t> bmp = {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0,
                                0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                0, 0, 0, 0, 0, 255, 0, 0};
    writeFile(dir + "two.bmp", bmp);
    SysImage* b = Sys_LoadImage(dir + "two.bmp");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->frames[0][0], 0u);
    EXPECT_EQ(b->frames[0][1], 0xFFFF0000u);
    Sys_FreeImage(b);

    // 32-bit TGA keeps its alpha even for black pixels
    std::vector<uint8_t> tga = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 32, 0x20, 0, 0, 0, 200};
    writeFile(dir + "one.tga", tga);
    SysImage* t = Sys_LoadImage(dir + "one.tga");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->frames[0][0], 0xC8000000u);
    Sys_FreeImage(t);

    // a flat black JPEG: pure black becomes transparent under the default flags
    {
        jpeg_compress_struct c;
        jpeg_error_mgr err;
        c.err = jpeg_std_error(&err);
        jpeg_create_compress(&c);
        FILE* f = std::fopen((dir + "black.jpg").c_str(), "wb");
        jpeg_stdio_dest(&c, f);
        c.image_width = 16;
        c.image_height = 16;
        c.input_components = 3;
        c.in_color_space = JCS_RGB;
        jpeg_set_defaults(&c);
        jpeg_start_compress(&c, TRUE);
        std::vector<uint8_t> row(16 * 3, 0);
        while (c.next_scanline < 16) {
            JSAMPROW r = row.data();
            jpeg_write_scanlines(&c, &r, 1);
        }
        jpeg_finish_compress(&c);
        jpeg_destroy_compress(&c);
        std::fclose(f);
    }
    SysImage* j = Sys_LoadImage(dir + "black.jpg");
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->frames[0][8 * 16 + 8] >> 24, 0u);
    Sys_FreeImage(j);
    SysImage* jopaque = Sys_LoadImage(dir + "black.jpg", IMG_FILTERED);
    EXPECT_EQ(jopaque->frames[0][0] >> 24, 255u);
    Sys_FreeImage(jopaque);

    EXPECT_EQ(Sys_LoadImage(dir + "missing.png"), nullptr);
    writeFile(dir + "broken.png", {0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0});
    EXPECT_EQ(Sys_LoadImage(dir + "broken.png"), nullptr);

    // a 4 x 2 strip of 2 x 2 cells, each cell its own colour
    std::vector<uint32_t> strip(8 * 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) strip[(size_t)y * 8 + x] = 0xFF000000u | (uint32_t)((y / 2) * 4 + x / 2 + 1);
    ASSERT_TRUE(Sys_WritePNG(dir + "strip.png", 8, 4, strip.data()));
    SysImage* a = Sys_LoadAnimImage(dir + "strip.png", 2, 2, 3, 4);
    ASSERT_NE(a, nullptr);
    ASSERT_EQ(a->frameCount(), 4);
    EXPECT_EQ(a->width, 2);
    EXPECT_EQ(a->frames[0][0] & 0xFF, 4u);
    EXPECT_EQ(a->frames[1][3] & 0xFF, 5u);   // the second row of cells
    EXPECT_EQ(a->frames[3][0] & 0xFF, 7u);
    EXPECT_EQ(Sys_LoadAnimImage(dir + "strip.png", 2, 2, 6, 4), nullptr);
    Sys_FreeImage(a);
}

TEST(Images, LoadedBeforeTheDisplayAndRewrittenFramesDraw)
{
    ensureHeadless();
    std::string dir = tempDir("early");
    std::vector<uint32_t> px(4 * 4, 0xFF00FF00u);
    ASSERT_TRUE(Sys_WritePNG(dir + "green.png", 4, 4, px.data()));
    SysImage* early = Sys_LoadImage(dir + "green.png");
    ASSERT_NE(early, nullptr);
    ensureDisplay();
    clearTo(0, 0, 0);
    Sys_SetBlend(BLEND_ALPHA);
    Sys_DrawImage(early, 50, 50, 0);
    EXPECT_EQ(green(screenPixel(51, 51)), 255);

    SysImage* dyn = solidImage(4, 4, 0xFFFF0000u);
    Sys_DrawImage(dyn, 60, 60, 0);
    EXPECT_EQ(red(screenPixel(61, 61)), 255);
    uint32_t* p = Sys_LockImage(dyn, 0);
    for (int i = 0; i < 16; ++i) p[i] = 0xFF0000FFu;
    Sys_UnlockImage(dyn, 0);
    clearTo(0, 0, 0);
    Sys_DrawImage(dyn, 60, 60, 0);
    EXPECT_EQ(blue(screenPixel(61, 61)), 255);
    EXPECT_EQ(red(screenPixel(61, 61)), 0);
    Sys_FreeImage(early);
    Sys_FreeImage(dyn);
}

TEST(Images, DrawnPicturesGiveUpTheirPixelsAndGetThemBackWhenRead)
{
    ensureDisplay();
    std::string dir = tempDir("dropped");
    // a soft edge: left column opaque red, middle column red at alpha 160, right column red at alpha 60
    std::vector<uint32_t> px(3 * 2);
    for (int y = 0; y < 2; ++y) {
        px[(size_t)y * 3] = 0xFFFF0000u;
        px[(size_t)y * 3 + 1] = 0xA0FF0000u;
        px[(size_t)y * 3 + 2] = 0x3CFF0000u;
    }
    ASSERT_TRUE(Sys_WritePNG(dir + "soft.png", 3, 2, px.data()));
    SysImage* soft = Sys_LoadImage(dir + "soft.png", 0);
    SysImage* strip = Sys_LoadAnimImage(dir + "soft.png", 1, 2, 1, 2, 0);
    SysImage* made = solidImage(2, 2, 0xFF00FF00u);
    ASSERT_TRUE(soft && strip && made);

    clearTo(0, 0, 0);
    Sys_SetBlend(BLEND_ALPHA);
    Sys_DrawImage(soft, 10, 10, 0);
    Sys_DrawImage(strip, 20, 10, 1);
    Sys_DrawImage(made, 30, 10, 0);
    EXPECT_TRUE(soft->frames[0].empty());
    EXPECT_TRUE(strip->frames[1].empty());
    EXPECT_FALSE(strip->frames[0].empty());   // never drawn
    EXPECT_FALSE(made->frames[0].empty());    // nothing to read it back from
    EXPECT_NEAR(red(screenPixel(11, 10)), 160, 2);

    // mask drawing needs the thresholded picture, made from pixels read again
    clearTo(0, 0, 255);
    Sys_SetBlend(BLEND_MASK);
    Sys_DrawImage(soft, 10, 10, 0);
    EXPECT_EQ(screenPixel(11, 10) & 0xFFFFFFu, 0xFF0000u);
    EXPECT_EQ(screenPixel(12, 10) & 0xFFFFFFu, 0x0000FFu);

    // hit tests and locks read the file again and keep what they read
    SysImage* dot = solidImage(1, 1, 0xFFFFFFFFu);
    EXPECT_TRUE(Sys_ImagesCollide(strip, 0, 0, 1, dot, 0, 1, 0));
    const uint32_t* back = Sys_LockImage(soft, 0);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back[2], 0x3CFF0000u);
    Sys_SetBlend(BLEND_ALPHA);
    Sys_DrawImage(soft, 10, 10, 0);
    EXPECT_FALSE(soft->frames[0].empty());

    // a picture whose file went away keeps drawing from its texture but has nothing to give back
    SysImage* gone = Sys_LoadImage(dir + "soft.png", 0);
    Sys_DrawImage(gone, 10, 10, 0);
    std::filesystem::remove(dir + "soft.png");
    EXPECT_EQ(Sys_LockImage(gone, 0), nullptr);
    clearTo(0, 0, 0);
    Sys_DrawImage(gone, 10, 10, 0);
    EXPECT_EQ(red(screenPixel(10, 10)), 255);
    for (SysImage* img : {soft, strip, made, dot, gone}) Sys_FreeImage(img);
}

TEST(Images, PixelOverlapIgnoresTransparentPixels)
{
    SysImage* ring = Sys_CreateImage(3, 3, 1, IMG_DEFAULT);
    uint32_t* p = Sys_LockImage(ring, 0);
    for (int i = 0; i < 9; ++i) p[i] = i == 4 ? 0 : 0xFFFFFFFFu;   // a hole in the middle
    SysImage* dot = solidImage(1, 1, 0xFFFFFFFFu);
    EXPECT_FALSE(Sys_ImagesCollide(ring, 10, 10, 0, dot, 11, 11, 0));
    EXPECT_TRUE(Sys_ImagesCollide(ring, 10, 10, 0, dot, 12, 11, 0));
    EXPECT_FALSE(Sys_ImagesCollide(ring, 10, 10, 0, dot, 13, 11, 0));
    Sys_MidHandleImage(ring);   // handle (1, 1): the hole now sits at the drawing position
    EXPECT_FALSE(Sys_ImagesCollide(ring, 10, 10, 0, dot, 10, 10, 0));
    EXPECT_TRUE(Sys_ImagesCollide(ring, 10, 10, 0, dot, 9, 9, 0));
    Sys_FreeImage(ring);
    Sys_FreeImage(dot);
}

TEST(DrawState, PresentedFramesDoNotPileUp)
{
    // a headless present must drain the driver's queue: a long run may not grow with the frames drawn
    ensureDisplay();
    SysImage* a = solidImage(256, 256, 0xFF3060A0);
    SysImage* b = solidImage(256, 256, 0x80A06030);
    auto frames = [&](int n) {
        for (int f = 0; f < n; ++f) {
            Sys_Cls();
            for (int i = 0; i < 20; ++i) {
                Sys_SetBlend(i % 3 == 0 ? BLEND_SOLID : BLEND_ALPHA);
                Sys_DrawImage(i % 2 ? a : b, (float)(i * 37 % 960), (float)(i * 53 % 700), 0);
            }
            Sys_Flip(1);
        }
    };
    frames(10);
    size_t before = Sys_MemoryInUse();
    frames(40);
    size_t after = Sys_MemoryInUse();
    EXPECT_LT(after, before + 16u * 1024 * 1024) << "grew from " << before << " to " << after << " bytes";
    Sys_FreeImage(a);
    Sys_FreeImage(b);
}

TEST(Files, StreamsLinesIntegersAndSafeWrites)
{
    std::string dir = tempDir("files");
    {
        auto out = Sys_WriteFile(dir + "a.bin");
        ASSERT_TRUE(out);
        out->WriteLine("first");
        out->WriteInt(-2);
        out->WriteString("xy");
        out->WriteByte(0);
        out->WriteString("tail\r\nlast");
        EXPECT_TRUE(out->Close());
    }
    std::string raw = readFile(dir + "a.bin");
    EXPECT_EQ(raw.substr(0, 7), std::string("first\r\n"));
    EXPECT_EQ((unsigned char)raw[7], 0xFE);
    EXPECT_EQ((unsigned char)raw[10], 0xFF);
    auto in = Sys_ReadFile(dir + "a.bin");
    ASSERT_TRUE(in);
    EXPECT_EQ(in->ReadLine(), "first");
    EXPECT_EQ(in->ReadInt(), -2);
    EXPECT_EQ(in->ReadLine(), "xy");   // stops at the zero byte
    EXPECT_EQ(in->ReadLine(), "tail");
    EXPECT_EQ(in->ReadLine(), "last");
    EXPECT_TRUE(in->Eof());
    EXPECT_EQ(in->ReadByte(), -1);

    // the old file stays whole until the new one is complete
    writeFile(dir + "save.ppp", {1, 2, 3});
    auto w = Sys_WriteFile(dir + "save.ppp");
    w->WriteInt(7);
    EXPECT_EQ(readFile(dir + "save.ppp"), std::string("\x01\x02\x03"));
    EXPECT_TRUE(w->Close());
    EXPECT_EQ(readFile(dir + "save.ppp").size(), 4u);
    EXPECT_FALSE(std::filesystem::exists(dir + "save.ppp.tmp"));
    EXPECT_FALSE(Sys_WriteFile(dir + "no/such/folder/x.txt"));
    EXPECT_FALSE(Sys_ReadFile(dir + "missing.txt"));
    EXPECT_EQ(Sys_FileType(dir), 2);
    EXPECT_EQ(Sys_FileType(dir + "save.ppp"), 1);
    EXPECT_EQ(Sys_FileType(dir + "none"), 0);
    EXPECT_TRUE(Sys_CreateDir(dir + "p/q/r", true));
    EXPECT_EQ(Sys_FileType(dir + "p/q/r"), 2);
}

TEST(Files, TextByteOrderMarksAndCaseInsensitiveDataPaths)
{
    std::string dir = tempDir("text");
    writeFile(dir + "le.txt", {0xFF, 0xFE, 'a', 0, 0xE9, 0});
    writeFile(dir + "be.txt", {0xFE, 0xFF, 0, 'a', 0, 0xE9});
    writeFile(dir + "u8.txt", {0xEF, 0xBB, 0xBF, 'a', 0xC3, 0xA9});
    writeFile(dir + "latin.txt", {'a', 0xE9});
    for (const char* name : {"le.txt", "be.txt", "u8.txt", "latin.txt"}) {
        std::string s;
        ASSERT_TRUE(Sys_ReadTextFile(dir + name, s)) << name;
        EXPECT_EQ(s, "a\xC3\xA9") << name;
    }

    std::string root = tempDir("root");
    std::filesystem::create_directories(root + "data/Match3");
    writeFile(root + "data/Match3/Cell.png", {1});
    SysConfig cfg;
    cfg.headless = true;
    cfg.dataRoot = root + "data";
    Sys_Init(cfg);
    EXPECT_EQ(Sys_FileType("data/match3/cell.png"), 1);
    EXPECT_EQ(Sys_FileType("data\\MATCH3\\cell.PNG"), 1);
    EXPECT_EQ(Sys_ResolvePath("data/match3/cell.png"), root + "data/Match3/Cell.png");
    EXPECT_EQ(Sys_FileType("data/match3/none.png"), 0);
}

TEST(Input, HitCountersAndHeldKeys)
{
    Sys_FlushKeys();
    Sys_FlushMouse();
    Sys_InjectMouseButton(1, true);
    Sys_InjectMouseButton(1, false);
    Sys_InjectMouseButton(1, true);
    EXPECT_EQ(Sys_MouseHit(1), 2);
    EXPECT_EQ(Sys_MouseHit(1), 0);
    EXPECT_TRUE(Sys_MouseDown(1));
    Sys_InjectMouseButton(1, false);
    EXPECT_FALSE(Sys_MouseDown(1));

    Sys_InjectKey(KEY_ESCAPE, true);
    EXPECT_EQ(Sys_KeyHit(KEY_ESCAPE), 1);
    EXPECT_EQ(Sys_KeyHit(KEY_ESCAPE), 0);
    EXPECT_TRUE(Sys_KeyDown(KEY_ESCAPE));
    Sys_InjectKey(KEY_ESCAPE, false);

    Sys_InjectText("h\xC3\xA9");
    Sys_InjectKey(KEY_BACKSPACE, true);
    Sys_InjectKey(KEY_BACKSPACE, false);
    EXPECT_EQ(Sys_GetChar(), 'h');
    EXPECT_EQ(Sys_GetChar(), 0xE9);
    EXPECT_EQ(Sys_GetChar(), KEY_BACKSPACE);
    EXPECT_EQ(Sys_GetChar(), 0);
    for (int i = 0; i < 300; ++i) Sys_InjectText("x");
    int n = 0;
    while (Sys_GetChar()) ++n;
    EXPECT_EQ(n, 256);

    Sys_InjectFocus(false);
    Sys_InjectFocus(true);
    EXPECT_EQ(Sys_PollAppEvent(), APP_FOCUS_LOST);
    EXPECT_EQ(Sys_PollAppEvent(), APP_FOCUS_GAINED);
    EXPECT_EQ(Sys_PollAppEvent(), APP_NONE);
    Sys_InjectClose();
    EXPECT_TRUE(Sys_CloseRequested());
    EXPECT_FALSE(Sys_CloseRequested());
}

TEST(Input, AVirtualPadPlugsInPressesAndUnplugsThroughTheControllerPath)
{
    ensureHeadless();
    ASSERT_TRUE(Sys_PadInit());
    while (Sys_PollAppEvent() != APP_NONE) {
    }
    ASSERT_TRUE(Sys_InjectPadConnect());
    EXPECT_EQ(Sys_PollAppEvent(), APP_PAD_ADDED);
    EXPECT_EQ(Sys_PadCount(), 1);

    Sys_InjectPadButton(PAD_A, true);
    EXPECT_TRUE(Sys_PadDown(PAD_A));
    EXPECT_EQ(Sys_PadHit(PAD_A), 1);
    EXPECT_EQ(Sys_PadHit(PAD_A), 0);
    EXPECT_FALSE(Sys_PadDown(PAD_B));
    Sys_InjectPadButton(PAD_A, false);
    EXPECT_FALSE(Sys_PadDown(PAD_A));
    Sys_InjectPadAxis(PAD_LEFTX, -30000);
    EXPECT_EQ(Sys_PadAxis(PAD_LEFTX), -30000);
    Sys_InjectPadAxis(PAD_LEFTX, 0);

    // SDL's own names, by position
    EXPECT_EQ(Sys_PadButtonFromName("dpleft"), PAD_DPLEFT);
    EXPECT_EQ(Sys_PadButtonFromName("leftshoulder"), PAD_LEFTSHOULDER);
    EXPECT_EQ(Sys_PadButtonFromName("start"), PAD_START);
    EXPECT_EQ(Sys_PadButtonFromName("trigger"), -1);
    EXPECT_EQ(Sys_PadAxisFromName("righttrigger"), PAD_TRIGGERRIGHT);
    EXPECT_EQ(Sys_PadAxisFromName("a"), -1);

    // a pad pulled out with a button held leaves nothing held
    Sys_InjectPadButton(PAD_DPUP, true);
    EXPECT_TRUE(Sys_PadDown(PAD_DPUP));
    Sys_InjectPadDisconnect();
    EXPECT_EQ(Sys_PadCount(), 0);
    EXPECT_EQ(Sys_PollAppEvent(), APP_PAD_REMOVED);
    EXPECT_FALSE(Sys_PadDown(PAD_DPUP));
    Sys_FlushPads();
    EXPECT_EQ(Sys_PadHit(PAD_DPUP), 0);

    // plugged in again, it works at once
    ASSERT_TRUE(Sys_InjectPadConnect());
    EXPECT_EQ(Sys_PollAppEvent(), APP_PAD_ADDED);
    Sys_InjectPadButton(PAD_B, true);
    EXPECT_EQ(Sys_PadHit(PAD_B), 1);
    Sys_InjectPadDisconnect();
    while (Sys_PollAppEvent() != APP_NONE) {
    }
}

TEST(Numbers, RandomDrawsAreBoundedAndRepeatable)
{
    Sys_SeedRnd(7);
    std::vector<int> first;
    for (int i = 0; i < 20; ++i) first.push_back(randInt(1, 5));
    bool seen[6] = {};
    for (int i = 0; i < 2000; ++i) {
        int v = randInt(5, 1);
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 5);
        seen[v] = true;
        float f = randFloat(2.0f, 3.0f);
        ASSERT_GE(f, 2.0f);
        ASSERT_LT(f, 3.0f);
    }
    for (int v = 1; v <= 5; ++v) EXPECT_TRUE(seen[v]);
    Sys_SeedRnd(7);
    for (int v : first) EXPECT_EQ(randInt(1, 5), v);
    EXPECT_EQ(randInt(3, 3), 3);
    EXPECT_NEAR(Sys_Sin(30), 0.5f, 1e-6);
    EXPECT_NEAR(Sys_Cos(60), 0.5f, 1e-6);
    EXPECT_NEAR(Sys_ASin(0.5f), 30.0f, 1e-4);
    EXPECT_EQ((int)-2.7f, -2);
}

TEST(Timers, HeadlessClockAdvancesOneTickPerWait)
{
    ensureHeadless();
    uint32_t t0 = Sys_Millisecs();
    int timer = Sys_CreateTimer(40);
    int second = Sys_CreateTimer(1);
    for (int i = 0; i < 40; ++i) Sys_WaitTimer(timer);
    EXPECT_EQ(Sys_Millisecs() - t0, 1000u);
    EXPECT_EQ(Sys_TimerTicks(timer), 40);
    EXPECT_EQ(Sys_TimerTicks(second), 1);
}

TEST(Audio, ChannelStateWithoutADevice)
{
    ensureHeadless();
    std::string dir = tempDir("audio");
    // a 100 ms mono 16-bit WAV at 22050 Hz
    int n = 2205;
    std::vector<uint8_t> wav = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0,
                                0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0, 'd', 'a', 't', 'a',
                                (uint8_t)(n * 2), (uint8_t)((n * 2) >> 8), 0, 0};
    for (int i = 0; i < n; ++i) {
        int16_t v = (int16_t)(8000 * std::sin(i * 0.1));
        wav.push_back((uint8_t)v);
        wav.push_back((uint8_t)(v >> 8));
    }
    writeFile(dir + "beep.wav", wav);
    SysSound* s = Sys_LoadSound(dir + "beep.wav", 0);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(Sys_SoundLengthMs(s), 100);
    EXPECT_EQ(Sys_LoadSound(dir + "none.ogg", 0), nullptr);
    int ch = Sys_AllocChannel();
    Sys_CueChannel(ch, s);
    EXPECT_FALSE(Sys_ChannelPlaying(ch));
    Sys_SetChannelPaused(ch, false);
    EXPECT_TRUE(Sys_ChannelPlaying(ch));
    Sys_SetChannelPaused(ch, true);
    EXPECT_FALSE(Sys_ChannelPlaying(ch));
    Sys_AdvanceClock(500);   // time spent paused does not count
    Sys_SetChannelPaused(ch, false);
    EXPECT_TRUE(Sys_ChannelPlaying(ch));
    Sys_AdvanceClock(150);
    EXPECT_FALSE(Sys_ChannelPlaying(ch));
    Sys_PlayChannel(ch, s);
    Sys_SetChannelVolume(ch, 0.25f);
    Sys_SetChannelPan(ch, -1.0f);
    EXPECT_FLOAT_EQ(Sys_ChannelVolume(ch), 0.25f);
    EXPECT_FLOAT_EQ(Sys_ChannelPan(ch), -1.0f);
    Sys_StopChannel(ch);
    Sys_SetChannelPaused(ch, false);   // resuming a stopped channel stays silent
    EXPECT_FALSE(Sys_ChannelPlaying(ch));
    Sys_FreeSound(s);
}

TEST(Audio, AStreamedTitlePlaysTheSameSamplesAsAWholeDecodeAndLoopsWithoutAGap)
{
    ensureHeadless();
    const std::string path = MORVELLE_DATA_DIR "music/win.ogg";
    std::vector<int16_t> whole;
    int channels = 0, rate = 0;
    ASSERT_TRUE(Sys_DecodeSound(path, whole, channels, rate));
    ASSERT_EQ(channels, 2);
    ASSERT_EQ(rate, 44100);
    const size_t frames = whole.size() / 2;

    SysSound* s = Sys_LoadSound(path, SND_LOOP | SND_STREAM);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(Sys_SoundLengthMs(s), (int)(frames * 1000 / 44100));
    // read in uneven pieces through the end and one second into the second round
    std::vector<int16_t> got((frames + 44100) * 2);
    size_t at = 0;
    for (size_t piece = 1000; at < frames + 44100; piece = piece == 1000 ? 4097 : 1000) {
        size_t n = std::min(piece, frames + 44100 - at);
        ASSERT_EQ(Sys_ReadStream(s, &got[at * 2], n), n);
        at += n;
    }
    EXPECT_TRUE(std::equal(whole.begin(), whole.end(), got.begin()));
    EXPECT_TRUE(std::equal(got.begin() + (long)whole.size(), got.end(), whole.begin()));
    Sys_FreeSound(s);

    // without the loop the title ends in silence; a file cut in half still plays what it has
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(Sys_ReadAllBytes(path, bytes));
    for (size_t size : {bytes.size(), bytes.size() / 2}) {
        SysSound* once = Sys_LoadSoundMemory(bytes.data(), size, SND_STREAM);
        ASSERT_NE(once, nullptr) << size;
        std::vector<int16_t> tail(20000 * 2, 1);
        size_t total = 0, n;
        while ((n = Sys_ReadStream(once, tail.data(), 20000)) == 20000) total += n;
        total += n;
        EXPECT_LE(total, frames);
        if (size == bytes.size()) {
            EXPECT_EQ(total, frames);
        }
        EXPECT_TRUE(std::all_of(tail.begin() + (long)n * 2, tail.end(), [](int16_t v) { return v == 0; }));
        Sys_FreeSound(once);
    }
}
