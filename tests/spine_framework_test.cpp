// Framework: picture wrapper boxes and failed loads, the text table, the fader's timing, the math helpers.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/globals.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "framework/language.h"
#include "framework/math.h"
#include "framework/scene.h"
#include "tests/spine_support.h"

namespace {
std::vector<std::string> g_trace;
void capture(const std::string& line) { g_trace.push_back(line); }
}

TEST(Bild, BoxesHandlesAndFailedLoads)
{
    ensureHeadless();
    std::string dir = tempDir("bild");
    std::vector<uint32_t> px(100 * 50, 0xFFFFFFFFu);
    ASSERT_TRUE(Sys_WritePNG(dir + "wide.png", 100, 50, px.data()));

    tavoTBild b;
    b.LoadFromDisk(dir + "wide.png", 1, -1);
    ASSERT_EQ(b.isLoaded, 1);
    b.setXY(200, 100);
    EXPECT_FLOAT_EQ(b.x1, 150);
    EXPECT_FLOAT_EQ(b.y1, 75);
    EXPECT_FLOAT_EQ(b.x2, 250);
    EXPECT_FLOAT_EQ(b.y2, 125);
    EXPECT_FLOAT_EQ(b.data->handle_x, 50);
    EXPECT_EQ(b.setHandleTopLeft(), 1);
    EXPECT_FLOAT_EQ(b.x1, 150);   // the box waits for the next setXY
    b.setXY(200, 100);
    EXPECT_FLOAT_EQ(b.x1, 200);
    EXPECT_FLOAT_EQ(b.y2, 150);
    EXPECT_EQ(b.setHandleTopLeft(), 0);

    Sys_SetTraceSink(capture);
    g_trace.clear();
    b.LoadFromDisk(dir + "missing.png", 1, -1);
    Sys_SetTraceSink(nullptr);
    EXPECT_EQ(b.isLoaded, 0);
    EXPECT_FLOAT_EQ(b.W, 100);   // the old size survives a failed load
    EXPECT_FLOAT_EQ(b.H, 50);
    ASSERT_EQ(g_trace.size(), 2u);
    EXPECT_EQ(g_trace[1], "tavoTBild: Laden nicht erfolgreich (" + dir + "missing.png)");

    Sys_SetTraceSink(capture);
    g_trace.clear();
    EXPECT_EQ(b.PaintXY(512, 384), 0);
    EXPECT_EQ(b.Center(), 0);
    Sys_SetTraceSink(nullptr);
    EXPECT_EQ(b.isCentered, 0);
    ASSERT_FALSE(g_trace.empty());
    EXPECT_NE(g_trace[0].find(") an 512.000000/384.000000"), std::string::npos);

    tavoTBild none;
    none.LoadFromDisk("", 0, -1);
    EXPECT_EQ(none.isLoaded, 0);
}

TEST(Bild, PaintXYKeepsThePosition)
{
    ensureDisplay();
    std::string dir = tempDir("paint");
    std::vector<uint32_t> px(10 * 10, 0xFFFFFFFFu);
    ASSERT_TRUE(Sys_WritePNG(dir + "sq.png", 10, 10, px.data()));
    tavoTBild b;
    b.LoadFromDisk(dir + "sq.png", 0, -1);
    b.setXY(300, 300);
    Sys_SetClsColor(0, 0, 0);
    Sys_Cls();
    Sys_SetBlend(BLEND_ALPHA);
    EXPECT_EQ(b.PaintXY(100, 100), 1);
    EXPECT_FLOAT_EQ(b.X, 300);
    EXPECT_EQ(b.Paint(), 1);
    EXPECT_EQ(red(screenPixel(105, 105)), 255);
    EXPECT_EQ(red(screenPixel(305, 305)), 255);
}

TEST(Language, FileFormatEdgeCases)
{
    std::string dir = tempDir("lang");
    std::string crlf = "\xEF\xBB\xBF  key one = a = b  \r\n# comment = x\r\n   #skip=1\r\nke#y=hash\r\nDup=1\r\ndup=first\r\ndup=second\r\n"
                       "empty=\r\n\r\nlast=end";
    writeFile(dir + "t.txt", std::vector<uint8_t>(crlf.begin(), crlf.end()));
    tavoTLanguageFile l;
    ASSERT_EQ(l.loadFromDisk(dir + "t.txt", "="), 1);
    EXPECT_EQ(l.getValue("key one"), "a = b");
    EXPECT_EQ(l.getValue("ke#y"), "hash");
    EXPECT_EQ(l.getValue("dup"), "second");
    EXPECT_EQ(l.getValue("Dup"), "1");
    EXPECT_EQ(l.getValue("DUP"), "_UNDEF_DUP");
    EXPECT_EQ(l.getValue("empty"), "_UNDEF_empty");
    EXPECT_EQ(l.getValue("# comment"), "_UNDEF_# comment");
    EXPECT_EQ(l.getValue("last"), "end");
    EXPECT_EQ(l.getValue("nothing"), "_UNDEF_nothing");

    std::string lf = "a=1\nb=2\n";
    writeFile(dir + "lf.txt", std::vector<uint8_t>(lf.begin(), lf.end()));
    tavoTLanguageFile one;
    ASSERT_EQ(one.loadFromDisk(dir + "lf.txt", "="), 1);
    EXPECT_EQ(one.lang.size(), 1u);
    EXPECT_EQ(one.getValue("a"), "1\nb=2");

    tavoTLanguageFile missing;
    EXPECT_EQ(missing.loadFromDisk(dir + "none.txt", "="), 0);
    EXPECT_EQ(missing.reload(), 0);
    EXPECT_EQ(missing.getValue("pause"), "_UNDEF_pause");

    // a reload after the file went away leaves only undefined texts
    ASSERT_EQ(l.reload(), 1);
    std::filesystem::remove(dir + "t.txt");
    EXPECT_EQ(l.reload(), 0);
    EXPECT_EQ(l.getValue("last"), "_UNDEF_last");
}

TEST(Fader, TimingOfAFadeAndItsRestart)
{
    ensureHeadless();
    createGlobals();
    g_scene = SCENE_MAINMENU;
    g_currentPlayer = -1;
    sceneHandler->FaderColor = 256;
    sceneHandler->FaderDir = FADER_DIR_IN;
    g_input->_MausFireLeft = 1;
    sceneHandler->fade_out(SCENE_ROADMAP, 0, 0);   // asked for in frame f
    EXPECT_EQ(g_input->_MausFireLeft, 0);
    const int tints[8] = {224, 192, 160, 128, 96, 64, 32, 0};
    for (int i = 0; i < 8; ++i) {
        sceneHandler->fading();
        EXPECT_EQ(Sys_State().color_red, tints[i]) << "frame f+" << i + 1;
        EXPECT_EQ(g_scene, SCENE_MAINMENU);
    }
    sceneHandler->fading();   // frame f+9: the level map is prepared and drawn black
    EXPECT_EQ(g_scene, SCENE_ROADMAP);
    EXPECT_EQ(g_lastScene, SCENE_MAINMENU);
    EXPECT_EQ(Sys_State().color_red, 0);
    for (int i = 10; i <= 17; ++i) sceneHandler->fading();
    EXPECT_EQ(Sys_State().color_red, 256);   // frame f+17: full brightness
    sceneHandler->fading();
    EXPECT_EQ(Sys_State().color_red, 256);

    sceneHandler->fade_out(SCENE_STORY, 0, 0);
    for (int i = 0; i < 4; ++i) sceneHandler->fading();
    EXPECT_EQ(sceneHandler->FaderColor, 128);
    sceneHandler->fade_out(SCENE_MAINMENU, 0, 0);   // restarts from full brightness
    EXPECT_EQ(sceneHandler->FaderColor, 256);
    for (int i = 0; i < 9; ++i) sceneHandler->fading();
    EXPECT_EQ(g_scene, SCENE_MAINMENU);

    sceneHandler->fade_out(SCENE_QUIT, 0, 0);
    for (int i = 0; i < 8; ++i) sceneHandler->fading();
    EXPECT_EQ(g_quit, 0);
    sceneHandler->fading();
    EXPECT_EQ(g_quit, 1);
    destroyGlobals();
}

TEST(MathHelpers, VectorsAnglesVersionsAndGrids)
{
    auto a = tavoTVector2::Create(1.7f, 2.2f), b = tavoTVector2::Create(1.2f, 2.9f);
    EXPECT_EQ(tavoTVector2::equality(a, b, 0), 1);
    EXPECT_EQ(tavoTVector2::equality(a, b, 1), 0);
    EXPECT_FLOAT_EQ(tavoTVector2::getDistance(tavoTVector2::Create(0, 0), tavoTVector2::Create(3, 4)), 5);
    EXPECT_FLOAT_EQ(tavoTVector2::negate(a).x, -1.7f);

    tavoTEntity2D e;
    e.setAngle(355);
    e.incAngle(10);
    EXPECT_FLOAT_EQ(e.getAngle(), 5);
    e.setAngle(360);
    EXPECT_FLOAT_EQ(e.getAngle(), 0);
    e.setAngle(-1);
    EXPECT_FLOAT_EQ(e.getAngle(), 0);
    e.decAngle(10);
    EXPECT_FLOAT_EQ(e.getAngle(), 350);

    EXPECT_EQ(tavoTVersion::Create(1, 0, 12).getVersionString(), "1.0.12");

    Sys_SetTraceSink(capture);
    g_trace.clear();
    tavoTLayer2D grid = tavoTLayer2D::Create(5, 3, "test");
    EXPECT_EQ(grid.getCellValue(5, 0), 0);
    EXPECT_EQ(grid.checkX(5), 0);
    grid.setCellValue(4, 2, 9);
    grid.swapCell(4, 2, 0, 0);
    Sys_SetTraceSink(nullptr);
    EXPECT_EQ(grid.getCellValue(0, 0), 9);
    EXPECT_EQ(grid.getDistance(0, 0, 3, 2), std::sqrt(13.0f));
    ASSERT_GE(g_trace.size(), 2u);
    EXPECT_NE(g_trace[0].find("Neuer Layer (test) initialisiert (5,3)"), std::string::npos);
    EXPECT_NE(g_trace[1].find("(test)P(5|0)"), std::string::npos);
}

TEST(Navigation, HeldDirectionsRepeatSticksHaveHysteresisAndTheLastDeviceFollowsThePlayer)
{
    ensureHeadless();
    ASSERT_TRUE(Sys_PadInit());
    tavoTInput in;
    in._MausOK = 1;
    auto frame = [&] {
        in.FlushInput();
        in.Update();
    };
    frame();
    ASSERT_EQ(in._LastDevice, INPUT_MOUSE);

    // an arrow held for 20 frames: a step at once, then after the delay one every few frames
    Sys_InjectKey(KEY_LEFT, true);
    std::vector<int> steps;
    for (int f = 1; f <= 20; ++f) {
        frame();
        if (in._NavLeft) steps.push_back(f);
        EXPECT_EQ(in._NavRight + in._NavUp + in._NavDown, 0);
    }
    Sys_InjectKey(KEY_LEFT, false);
    const int r = NAV_REPEAT_DELAY + NAV_REPEAT_EVERY;
    EXPECT_EQ(steps, (std::vector<int>{1, r, r + NAV_REPEAT_EVERY, r + 2 * NAV_REPEAT_EVERY}));
    EXPECT_EQ(in._LastDevice, INPUT_KEYS);
    frame();
    EXPECT_EQ(in._NavLeft, 0);
    // WASD by their places, Enter and Space confirm
    Sys_InjectKey(KEY_S, true);
    frame();
    EXPECT_EQ(in._NavDown, 1);
    Sys_InjectKey(KEY_S, false);
    Sys_InjectKey(KEY_SPACE, true);
    Sys_InjectKey(KEY_SPACE, false);
    frame();
    EXPECT_EQ(in._Confirm, 1);
    frame();
    EXPECT_EQ(in._Confirm, 0);

    // the pad: a stick pushed past the threshold, eased back a little, then let go
    ASSERT_TRUE(Sys_InjectPadConnect());
    Sys_InjectPadAxis(PAD_LEFTX, PAD_STICK_ON + 1000);
    frame();
    EXPECT_EQ(in._NavRight, 1);
    EXPECT_EQ(in._LastDevice, INPUT_PAD);
    Sys_InjectPadAxis(PAD_LEFTX, (PAD_STICK_ON + PAD_STICK_OFF) / 2);
    for (int f = 2; f <= NAV_REPEAT_DELAY + NAV_REPEAT_EVERY; ++f) frame();
    EXPECT_EQ(in._NavRight, 1) << "a stick eased back but still pushed keeps repeating";
    Sys_InjectPadAxis(PAD_LEFTX, PAD_STICK_OFF - 1000);
    frame();
    EXPECT_EQ(in._NavRight, 0);
    Sys_InjectPadAxis(PAD_LEFTX, 0);
    // the east button is Escape as well as cancel; south confirms; Start is its own
    Sys_InjectPadButton(PAD_B, true);
    frame();
    EXPECT_EQ(in._Escape, 1);
    EXPECT_EQ(in._Cancel, 1);
    Sys_InjectPadButton(PAD_B, false);
    Sys_InjectPadButton(PAD_A, true);
    frame();
    EXPECT_EQ(in._Confirm, 1);
    Sys_InjectPadButton(PAD_A, false);
    Sys_InjectPadButton(PAD_START, true);
    frame();
    EXPECT_EQ(in._PadStart, 1);
    Sys_InjectPadButton(PAD_START, false);
    Sys_InjectPadDisconnect();

    // the mouse moves: it is in charge again
    Sys_InjectMouseMove(100, 100);
    frame();
    EXPECT_EQ(in._LastDevice, INPUT_MOUSE);
    while (Sys_PollAppEvent() != APP_NONE) {
    }
}

TEST(Navigation, TheBoardsKeysAndButtonsAreReadOnceAndTypingKeepsTheKeysText)
{
    ensureHeadless();
    ASSERT_TRUE(Sys_PadInit());
    tavoTInput in;
    in._MausOK = 1;
    auto frame = [&] {
        in.FlushInput();
        in.Update();
    };
    auto tap = [&](int key) {
        Sys_InjectKey(key, true);
        Sys_InjectKey(key, false);
        frame();
    };
    frame();
    // a number key presses a power-up without taking the pointer's place; E strikes and shows the cursor
    tap(KEY_3);
    EXPECT_EQ(in._PowerUpKey, 3);
    EXPECT_EQ(in._LastDevice, INPUT_MOUSE);
    frame();
    EXPECT_EQ(in._PowerUpKey, 0);
    tap(KEY_E);
    EXPECT_EQ(in._Strike, 1);
    EXPECT_EQ(in._LastDevice, INPUT_KEYS);
    tap(KEY_BACKSPACE);
    EXPECT_EQ(in._DropPick, 1);
    EXPECT_EQ(in._Escape, 0);
    // while a name is typed these keys are letters and digits only
    in._TextEntryFrame = g_frameCount;
    tap(KEY_1);
    tap(KEY_E);
    EXPECT_EQ(in._PowerUpKey + in._Strike, 0);
    tap(KEY_BACKSPACE);
    EXPECT_EQ(in._DropPick, 0);
    in._TextEntryFrame = -100;

    // the pad: shoulders step, north presses, west strikes, east drops and is Escape as well
    ASSERT_TRUE(Sys_InjectPadConnect());
    frame();   // the pad is opened as its arrival is seen
    const auto press = [&](int button) {
        Sys_InjectPadButton(button, true);
        frame();
        Sys_InjectPadButton(button, false);
    };
    press(PAD_LEFTSHOULDER);
    EXPECT_EQ(in._PadPowerUpStep, -1);
    EXPECT_EQ(in._LastDevice, INPUT_PAD);
    press(PAD_RIGHTSHOULDER);
    EXPECT_EQ(in._PadPowerUpStep, 1);
    press(PAD_Y);
    EXPECT_EQ(in._PadPowerUpUse, 1);
    press(PAD_X);
    EXPECT_EQ(in._Strike, 1);
    press(PAD_B);
    EXPECT_EQ(in._DropPick + in._Escape, 2);
    frame();
    EXPECT_EQ(in._Strike + in._DropPick + in._PadPowerUpUse + in._PadPowerUpStep, 0);
    Sys_InjectPadDisconnect();
    while (Sys_PollAppEvent() != APP_NONE) {
    }
}
