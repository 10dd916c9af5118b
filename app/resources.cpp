// Fonts, the frame counter, the pause screen and two small value rules of the start-up.
#include "app/resources.h"

#include "app/globals.h"
#include "fonts/bitmapfont.h"
#include "framework/input.h"
#include "framework/language.h"
#include "frontend/popup.h"
#include "frontend/widgets.h"
#include "platform/sys.h"

void loadFonts()
{
    // A Japanese edition would read its fonts with the prefix "jap_".
    const std::string prefix;
    g_fontText->Load("data/fonts/" + prefix + "text.tgf", 2);
    g_fontText->SetDrawShadow(1);
    g_fontText->SetDrawBorder(1);
    g_fontText->Kerning.SetHKerning(1.0f);
    g_fontHeader->Load("data/fonts/" + prefix + "header.tgf", 2);
    g_fontHeader->SetDrawBorder(0);
    g_fontHeader->SetDrawShadow(0);
    g_fontHeader->Kerning.SetHKerning(1.0f);
}

void updateFps()
{
    g_fpsFrames += 1;
    int t = Sys_TimerTicks(g_fpsTimer);
    if (t > g_fpsTick) {
        g_fpsTick = t;
        g_fps = g_fpsFrames;
        g_fpsFrames = 0;
    }
}

void drawPause()
{
    Sys_SetScale(1.0f, 1.0f);
    popupHandler->box(POPUP_SIZE_SMALL, g_lang->getValue("pause"));
    drawCenteredText(g_lang->getValue("clicktocontinue"), g_fontText, 512, 340);
}

void updatePause()
{
    drawPause();
    // a key or a pad player carries on with their own confirm
    if (g_input->_MausFireLeft == 1 || g_input->_Confirm == 1) g_pause = -1;
}

int keepSecond(int, int second) { return second; }

int zeroAsThree(int v) { return v == 0 ? 3 : v; }
