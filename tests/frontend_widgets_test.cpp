// Shared helpers and widgets: text formatting, centred text, picture buttons, holo buttons and floating messages.
#include <gtest/gtest.h>

#include <cmath>

#include "app/globals.h"
#include "app/resources.h"
#include "fonts/bitmapfont.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "framework/language.h"
#include "framework/math.h"
#include "framework/scene.h"
#include "framework/trace.h"
#include "frontend/holo.h"
#include "frontend/messages.h"
#include "frontend/popup.h"
#include "frontend/widgets.h"
#include "tests/frontend_support.h"

namespace {

// g_fontText with 'A' and 'W' advancing 10, a space of height 20, 'x' 8, and a recorder on every character.
struct WidgetFixture : ::testing::Test {
    void SetUp() override
    {
        MemStream s(fontBytes({{'A', "FACE", 4, 4, 0xFFFFFFFF, 0, 0, 10, 10, 10},
                               {'W', "FACE", 4, 4, 0xFFFFFFFF, 0, 0, 10, 10, 10},
                               {'x', "FACE", 4, 4, 0xFFFFFFFF, 0, 0, 8, 8, 8},
                               {' ', "FACE", 4, 4, 0xFFFFFFFF, 0, 0, 6, 20, 6}}));
        g_fontText->PrivateData = std::make_unique<TPrivateBitmapFont>();
        ASSERT_EQ(g_fontText->Load(s, 0), 1);
        g_fontText->SetDrawShadow(0);
        g_fontText->SetDrawBorder(0);
        g_fontText->Kerning.SetHKerning(0);
        g_fontText->Kerning.SetVKerning(0);
        g_fontText->RenderFX = &fx;
        g_fontHeader->RenderFX = nullptr;
        resetFrame();
        mousePointer->_x = mousePointer->_y = -100;
    }
    void TearDown() override { g_fontText->RenderFX = nullptr; }
    RecordingFX fx;
};

void loadButtonPictures()
{
    writePicture("UI/buttons/button_glas.png", 100, 50, 0xFFFFFFFF);
    writePicture("UI/buttons/button_holo.png", 200, 60, 0xFFFFFFFF);
    writePicture("UI/buttons/01_holo.png", 40, 40, 0xFFFFFFFF);
    writePicture("UI/buttons/02_holo.png", 40, 40, 0xFFFFFFFF);
    writePicture("UI/buttons/03_holo.png", 40, 40, 0xFFFFFFFF);
    g_imgButtons[3]->LoadFromDisk("data/UI/buttons/button_glas.png", 1, 0);
    g_imgButtons[1]->LoadFromDisk("data/UI/buttons/button_holo.png", 1, 0);
    for (int i = 0; i < 3; ++i) g_imgHoloFrames[i]->LoadFromDisk("data/UI/buttons/0" + std::to_string(i + 1) + "_holo.png", 1, 0);
}

}

TEST(Formatting, TimesTitlesCoordinatesAndBackgrounds)
{
    EXPECT_EQ(timeText(3725), "01:02:05");
    EXPECT_EQ(timeText(0), "00:00:00");
    EXPECT_EQ(timeText(360000), "100:00:00");

    g_lang->lang["chapter"] = "Kapitel";
    g_lang->lang["game"] = "Spiel";
    EXPECT_EQ(levelTitle(20), "Kapitel 2 - Spiel 10");
    EXPECT_EQ(levelTitle(0), "Kapitel -1 - Spiel 10");
    EXPECT_EQ(levelTitle(91), "Kapitel 10 - Spiel 1");
    EXPECT_EQ(chapterOfLevel(101), -1);

    EXPECT_EQ(coordText(1.5f, -2.75f, 1, "p"), "p(1|-2)");
    EXPECT_EQ(coordText(512, 0.5f, 0, "p"), "p(512.000000|0.500000000)");

    EXPECT_EQ(g_getCurrentBG(1), "data/bg/bg1.jpg");
    EXPECT_EQ(g_getCurrentBG(71), "data/bg/bg8.jpg");
    EXPECT_EQ(g_getCurrentBG(80), "data/bg/bg8.jpg");
    EXPECT_EQ(g_getCurrentBG(81), "data/bg/bg1.jpg");
    EXPECT_EQ(keepSecond(4, 9), 9);
    EXPECT_EQ(zeroAsThree(0), 3);
    EXPECT_EQ(zeroAsThree(5), 5);

    int before = traceCounter();
    traceLog("hello");
    EXPECT_EQ(traceCounter(), before + 1);
    EXPECT_TRUE(traceContains(std::to_string(before + 1) + ": hello"));
}

TEST_F(WidgetFixture, CentredTextSplitsAtPercentN)
{
    // "A" is 10 wide, " AW " trims to "AW" (20 wide) but is drawn with its blanks.
    drawCenteredText("A%n AW %nxx", g_fontText, 500, 100);
    auto f = fx.faces();
    ASSERT_EQ(f.size(), 7u);
    EXPECT_FLOAT_EQ(f[0].x, 495);
    EXPECT_FLOAT_EQ(f[0].y, 100);
    EXPECT_FLOAT_EQ(f[1].x, 490);   // the leading blank
    EXPECT_FLOAT_EQ(f[2].x, 496);
    EXPECT_FLOAT_EQ(f[1].y, 120);
    EXPECT_FLOAT_EQ(f[5].x, 492);   // "xx" is 16 wide
    EXPECT_FLOAT_EQ(f[5].y, 140);
}

TEST_F(WidgetFixture, PictureButtonReactsOnlyWhenLive)
{
    loadButtonPictures();
    mousePointer->_x = 300;
    mousePointer->_y = 200;
    Sys_SetColor(200, 100, 50);
    Sys_SetAlpha(0.8f);

    EXPECT_EQ(drawButton(300, 200, 3, 1, "ok"), 2);
    g_input->_MausFireLeft = 1;
    EXPECT_EQ(drawButton(300, 200, 3, 1, "ok"), 3);
    EXPECT_EQ(g_input->_MausFireLeft, 0);
    EXPECT_EQ(Sys_State().color_red, 200);
    EXPECT_EQ(Sys_State().color_blue, 50);
    EXPECT_FLOAT_EQ(Sys_State().color_alpha, 0.8f);

    struct Case {
        const char* what;
        void (*set)();
    };
    const Case dead[] = {
        {"popup opening", [] { popupHandler->runtime = 8; }},
        {"fading out", [] { sceneHandler->FaderDir = FADER_DIR_OUT; }},
        {"pause screen", [] { g_pause = 1; }},
        {"other layer", [] { g_inputLayer = 2; }},
    };
    for (const Case& c : dead) {
        resetFrame();
        c.set();
        g_input->_MausFireLeft = 1;
        EXPECT_EQ(drawButton(300, 200, 3, 1, "ok"), 0) << c.what;
        EXPECT_EQ(g_input->_MausFireLeft, 1) << c.what;
    }
    resetFrame();
    popupHandler->runtime = 16;
    EXPECT_EQ(drawButton(300, 200, 3, 1, "ok"), 2);

    // Hit box: half the width, half the height minus 2, edges excluded.
    mousePointer->_x = 350;
    EXPECT_EQ(drawButton(300, 200, 3, 1, "ok"), 0);
    mousePointer->_x = 349.5f;
    mousePointer->_y = 223;
    EXPECT_EQ(drawButton(300, 200, 3, 1, "ok"), 0);
    mousePointer->_y = 222.5f;
    EXPECT_EQ(drawButton(300, 200, 3, 1, "ok"), 2);

    // Another layer draws at half the caller's tint.
    resetFrame();
    g_inputLayer = 2;
    drawButton(300, 200, 3, 1, "ok");
    uint32_t dim = grabScreen().at(300, 190);
    EXPECT_NEAR((int)(dim >> 16), 127, 1);
    EXPECT_EQ(Sys_State().color_red, 255);
}

TEST_F(WidgetFixture, PauseScreenEndsOnAClick)
{
    g_pause = 1;
    updatePause();
    EXPECT_EQ(g_pause, 1);
    g_input->_MausFireLeft = 1;
    updatePause();
    EXPECT_EQ(g_pause, -1);
}

TEST_F(WidgetFixture, HoloButtonSetupAndWobbleTiming)
{
    loadButtonPictures();
    THoloButton b;
    EXPECT_GE(b.wobbelstart, 1);
    EXPECT_LE(b.wobbelstart, 50);
    EXPECT_EQ(b.runtime, 20);
    b.setup(905.7f, 666.2f, 1, "Spiel starten \xC3\xBC");
    EXPECT_EQ(b.s, "SPIEL STARTEN \xC3\x9C");
    EXPECT_EQ(b.x, 905);
    EXPECT_EQ(b.y, 666);
    EXPECT_EQ(b.w, 100);
    EXPECT_EQ(b.h, 28);
    EXPECT_FLOAT_EQ(b.holox, 900);
    EXPECT_FLOAT_EQ(b.holoy, 666 + 28 + 20 - 10);

    const int s = 25;
    b.wobbelstart = s;
    std::vector<int> wobbling;
    for (int i = 0; i < 80; ++i) {
        b.Tick(0);
        wobbling.push_back(b.isWobbel);
        // Frames shown: wobbelruntime before this tick, 0 past 30.
        if (b.runtime == s + 5) {
            EXPECT_EQ(b.wobbelruntime, 6);
        }
    }
    // runtime of tick i is 21 + i: still until s, then 33 wobbling frames and one still frame, every 34.
    for (int i = 0; i < 80; ++i) {
        int r = 21 + i;
        bool expect = r >= s && (r - s) % 34 != 33;
        EXPECT_EQ(wobbling[(size_t)i], expect ? 1 : 0) << "runtime " << r;
    }
}

TEST_F(WidgetFixture, HoloButtonOnAnotherLayerIsDimAndDead)
{
    loadButtonPictures();
    THoloButton b;
    b.setup(300, 200, 1, "go");
    b.wobbelstart = 1000;
    mousePointer->_x = 300;
    mousePointer->_y = 200;

    g_input->_MausFireLeft = 1;
    g_inputLayer = 2;
    EXPECT_EQ(b.Tick(0), 0);
    EXPECT_EQ(g_input->_MausFireLeft, 1);
    Screen sc = grabScreen();
    EXPECT_NEAR((int)(sc.at(250, 210) >> 16), 127, 1);   // the button at half brightness
    EXPECT_EQ(sc.at((int)b.holox, (int)b.holoy + 15), 0xFFFFFFu);   // its glow at full
    EXPECT_EQ(Sys_State().color_red, 255);

    g_inputLayer = 1;
    popupHandler->runtime = 3;
    EXPECT_EQ(b.Tick(0), 0);
    popupHandler->runtime = 16;
    EXPECT_EQ(b.Tick(0), 3);
    EXPECT_EQ(g_input->_MausFireLeft, 0);
    mousePointer->_x = 400;   // exactly on the edge
    EXPECT_EQ(b.Tick(0), 0);
}

TEST_F(WidgetFixture, MessagesRiseFadeClampAndExpire)
{
    tavoTMessageHandler m;
    m.addMessage("A", 100, 0);
    m.addMessage("A", 100, -3);
    EXPECT_TRUE(m._listMessages.empty());
    m.addMessage("A", 100, 0.5f);
    m.addMessage("AAAA", 1000, 300);   // 40 wide: would end at 1040
    ASSERT_EQ(m._listMessages.size(), 2u);

    Sys_SetAlpha(0.5f);
    m.Update();
    EXPECT_FLOAT_EQ(Sys_State().color_alpha, 0.5f);
    const tavoTMessage& wide = m._listMessages.back();
    EXPECT_FLOAT_EQ(wide.x, 984);
    EXPECT_FLOAT_EQ(wide.y, 299);
    EXPECT_EQ(wide.r, 2);
    auto f = fx.faces();
    ASSERT_GE(f.size(), 2u);
    EXPECT_NEAR(f[0].alpha, std::cos(8.0 * M_PI / 180.0) * 0.5, 1e-4);
    EXPECT_FLOAT_EQ(f[1].x, 984);

    for (int age = 3; age <= 44; ++age) m.Update();
    ASSERT_EQ(m._listMessages.size(), 2u);
    EXPECT_FLOAT_EQ(m._listMessages.back().x, 984);
    EXPECT_FLOAT_EQ(m._listMessages.back().y, 300 - 43);
    fx.hits.clear();
    m.Update();   // age 45: drawn once more, then both go together
    EXPECT_TRUE(m._listMessages.empty());
    EXPECT_FALSE(fx.faces().empty());
    EXPECT_LT(fx.faces()[0].alpha, 0);
    EXPECT_FLOAT_EQ(Sys_State().color_alpha, 0.5f);
}

TEST_F(WidgetFixture, CloseButtonKnobAndTooltip)
{
    writePicture("UI/buttons/button_close.png", 30, 30, 0xFF808080);
    writePicture("UI/buttons/button_closehover.png", 30, 30, 0xFFFFFFFF);
    writePicture("ui/bnmove2.png", 20, 20, 0xFFFFFFFF);
    writePicture("UI/coll3.png", 4, 4, 0xFFFFFFFF);
    writePicture("UI/popupmini.png", 200, 60, 0xFF404040);
    g_imgClose->LoadFromDisk("data/UI/buttons/button_close.png", 1, 0);
    g_imgCloseHover->LoadFromDisk("data/UI/buttons/button_closehover.png", 1, 0);
    g_imgMoveKnobs[10]->LoadFromDisk("data/ui/bnmove2.png", 1, 0);
    g_imgProbe3->LoadFromDisk("data/UI/coll3.png", 1, 0);
    popupHandler->imgPopupMini->LoadFromDisk("data/UI/popupmini.png", 1, 0);

    // The close button ignores layers and popups and leaves the click for the caller.
    mousePointer->_x = 707;
    mousePointer->_y = 272;
    g_inputLayer = 2;
    popupHandler->runtime = 5;
    g_input->_MausFireLeft = 1;
    EXPECT_EQ(drawCloseButton(707, 272), 1);
    EXPECT_EQ(g_input->_MausFireLeft, 1);
    EXPECT_EQ(grabScreen().at(707, 272), 0xFFFFFFu);
    mousePointer->_x = 722;   // on the edge
    EXPECT_EQ(drawCloseButton(707, 272), 0);

    // The knob drags only while held on it, and not in the listed popups.
    resetFrame();
    g_inputLayer = 2;
    popupHandler->runtime = 16;
    popupHandler->State = POPUP_OPTIONS;
    mousePointer->_x = 500;
    mousePointer->_y = 387;
    g_input->_MausDownLeft = 1;
    EXPECT_EQ(drawSliderKnob(502, 387, 10, 2), 4);
    EXPECT_EQ(drawSliderKnob(560, 387, 10, 2), 0);
    popupHandler->State = POPUP_CREDITS;
    EXPECT_EQ(drawSliderKnob(502, 387, 10, 2), 2);
    g_input->_MausDownLeft = 0;
    g_input->_MausFireLeft = 1;
    EXPECT_EQ(drawSliderKnob(502, 387, 10, 2), 3);
    EXPECT_EQ(g_input->_MausFireLeft, 0);
    EXPECT_FLOAT_EQ(Sys_State().tform_scale_x, 1.0f);

    // A tooltip that would leave the screen is pulled back inside it.
    drawTooltip("A", 900, 740, 1, 1, 0);
    auto f = fx.faces();
    ASSERT_EQ(f.size(), 1u);
    EXPECT_FLOAT_EQ(f[0].x, 824 + 100 - 5);
    EXPECT_FLOAT_EQ(f[0].y, 703 + 10);
    EXPECT_EQ(popupHandler->imgPopupMini->isCentered, 1);
}

TEST_F(WidgetFixture, SharedPicturesAnimationsAndHoloButtonsLoad)
{
    loadButtonPictures();
    writePicture("effects/holowobbel.png", 1024, 512, 0xFF00FFFF);
    writePicture("effects/impact.png", 512, 512, 0xFFFFFF00);
    g_lang->lang["startgame"] = "Spiel starten";
    g_lang->lang["options"] = "Optionen";
    capturedTrace().clear();
    loadUIImages();
    setupHoloButtons();
    ASSERT_NE(g_animHoloWobbel, nullptr);
    EXPECT_EQ(g_animHoloWobbel->frameCount(), 32);
    EXPECT_EQ(g_animHoloWobbel->handle_x, 0);
    ASSERT_NE(g_animImpact, nullptr);
    EXPECT_EQ(g_animImpact->frameCount(), 16);
    EXPECT_EQ(g_animImpact->handle_x, 64);
    EXPECT_EQ(g_imgButtons[1]->isCentered, 1);
    EXPECT_EQ(g_imgLoadBg->isLoaded, 0);   // missing: traced, nothing else
    EXPECT_TRUE(traceContains("loadbg.jpg"));
    ASSERT_NE(g_menuHoloButtons[0], nullptr);
    EXPECT_EQ(g_menuHoloButtons[0]->s, "SPIEL STARTEN");
    EXPECT_EQ(g_menuHoloButtons[3]->x, 665);
    EXPECT_EQ(g_menuHoloButtons[3]->s, "OPTIONEN");
    ASSERT_NE(g_roadmapHoloButton, nullptr);
    EXPECT_EQ(g_roadmapHoloButton->x, 905);   // on its frame of the map bar
    EXPECT_EQ(g_roadmapHoloButton->l, 1);

    // The wobble draws its frame centred on the glow.
    resetFrame();
    THoloButton b;
    b.setup(300, 200, 1, "x");
    b.wobbelstart = 21;
    b.Tick(0);
    Screen sc = grabScreen();
    EXPECT_EQ(sc.at((int)b.holox - 64, (int)b.holoy + 63), 0x00FFFFu);
    EXPECT_EQ(sc.at((int)b.holox + 64, (int)b.holoy + 63), 0u);
}
