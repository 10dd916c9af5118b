// Holo buttons: hover and click like the picture buttons, with a still glow or a 32-frame wobble beneath.
#include "frontend/holo.h"

#include "frontend/focus.h"

#include <memory>
#include <vector>

#include "framework/globals.h"
#include "fonts/bitmapfont.h"
#include "fonts/utf8.h"
#include "frontend/bar_layout.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "framework/language.h"
#include "framework/scene.h"
#include "frontend/popup.h"
#include "frontend/sound_handler.h"
#include "frontend/widgets.h"
#include "platform/sys.h"

THoloButton* g_menuHoloButtons[4];
THoloButton* g_roadmapHoloButton;

namespace {
// The buttons made here; the globals only point at them.
std::vector<std::unique_ptr<THoloButton>> s_holoButtons;

THoloButton* ownHoloButton() { return s_holoButtons.emplace_back(std::make_unique<THoloButton>()).get(); }
}

void setupHoloButtons()
{
    static const char* const kMenuCaptions[4] = {"startgame", "player", "champions", "options"};
    for (int i = 0; i < 4; ++i) {
        if (!g_menuHoloButtons[i]) g_menuHoloButtons[i] = ownHoloButton();
        g_menuHoloButtons[i]->setup((float)kMenuBarButtonX[i], (float)kBarButtonY, 1, g_lang->getValue(kMenuCaptions[i]));
    }
    if (!g_roadmapHoloButton) g_roadmapHoloButton = ownHoloButton();
    g_roadmapHoloButton->setup((float)kMapBarButtonX[0], (float)kBarButtonY, 1, g_lang->getValue("startgame"));
}

void destroyHoloButtons()
{
    for (auto& b : g_menuHoloButtons) b = nullptr;
    g_roadmapHoloButton = nullptr;
    s_holoButtons.clear();
}

THoloButton::THoloButton() : wobbelstart(randInt(1, 50)) {}

int THoloButton::setup(float px, float py, int layer, const std::string& caption)
{
    l = layer;
    s = utf8UpperCase(caption);
    x = (int)px;
    y = (int)py;
    tavoTBild* b = g_imgButtons[1];
    w = (int)(b->W / 2);
    h = (int)(b->H / 2 - 2);
    holox = (float)x + korrx;
    holoy = (float)(y + h) + g_imgHoloFrames[0]->H / 2 + korry;
    return 0;
}

int THoloButton::Wobbel()
{
    const int f = wobbelruntime;
    if (wobbelstart <= runtime && runtime < wobbelstart + wobbeldauer) {
        isWobbel = 1;
        wobbelruntime += 1;
    }
    if (runtime > wobbelstart + wobbeldauer) {
        isWobbel = 0;
        wobbelruntime = 0;
        wobbelstart = runtime + 1;
    }
    if (isWobbel == 1) {
        if (g_animHoloWobbel) {
            int frame = (f > 30 || f < 0) ? 0 : f;
            if (frame >= g_animHoloWobbel->frameCount()) frame = 0;
            int hw = Sys_ImageWidth(g_animHoloWobbel) / 2, hh = Sys_ImageHeight(g_animHoloWobbel) / 2;
            Sys_DrawImage(g_animHoloWobbel, holox - (float)hw, holoy - (float)hh, frame);
        }
    } else {
        g_imgHoloFrames[2]->PaintXY(holox, holoy);
        g_imgHoloFrames[1]->PaintXY(holox, holoy);
        g_imgHoloFrames[0]->PaintXY(holox, holoy);
    }
    return 0;
}

int THoloButton::Tick(int)
{
    const float a = Sys_State().color_alpha;
    const float k = Sys_State().color_red;
    runtime += 1;
    Wobbel();
    Sys_SetScale(1, 1);
    if (l == g_inputLayer) Sys_SetColor(k, k, k);
    else Sys_SetColor((float)(int)(k / 2), (float)(int)(k / 2), (float)(int)(k / 2));

    int result = 0;
    const float mx = mousePointer->_x, my = mousePointer->_y;
    bool over = mx > (float)(x - w) && mx < (float)(x + w) && my > (float)(y - h) && my < (float)(y + h);
    bool live = over && l == g_inputLayer && sceneHandler->FaderDir != FADER_DIR_OUT && g_pause == -1 &&
                (popupHandler->runtime == 16 || popupHandler->runtime == 0);
    const int focus = focusTarget((float)x, (float)y, (float)w, (float)h,
                                  l == g_inputLayer && sceneHandler->FaderDir != FADER_DIR_OUT && g_pause == -1 &&
                                      (popupHandler->runtime == 16 || popupHandler->runtime == 0));
    if (live) {
        result = 2;
        if (g_input->_MausFireLeft == 1) {
            result = 3;
            g_input->_MausFireLeft = 0;
            soundHandler->PlayS(SOUND_BUTTON1, (float)x);
        }
    }
    if (focus == FOCUS_PRESSED) {
        result = 3;
        soundHandler->PlayS(SOUND_BUTTON1, (float)x);
    }
    g_imgButtons[1]->PaintXY((float)x, (float)y);
    g_fontText->DrawText(s, (float)x - 2, (float)y - 22, 1, 1);
    if (result > 0) {
        Sys_SetBlend(BLEND_LIGHT);
        Sys_SetAlpha(a * 0.15f);
        g_imgButtons[1]->PaintXY((float)x, (float)y);
        g_fontText->DrawText(s, (float)x - 2, (float)y - 22, 1, 1);
        Sys_SetBlend(BLEND_ALPHA);
    }
    // the ring goes round the button, not round the whole plate the pointer may hit
    if (focus != FOCUS_NONE) focusDrawRing((float)x, (float)y, g_imgButtons[1]->W / 2, g_imgButtons[1]->H / 2 - 2);
    Sys_SetColor(k, k, k);
    Sys_SetAlpha(a);
    return result;
}
