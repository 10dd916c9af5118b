// Dialog driver; the quit question is the first dialog, the others arrive with the popup work.
#include "frontend/popup.h"

#include "app/globals.h"
#include "app/input.h"
#include "campaign/config.h"
#include "campaign/spieler.h"
#include "fonts/bitmapfont.h"
#include "framework/bild.h"
#include "framework/language.h"
#include "framework/scene.h"
#include "framework/trace.h"
#include "frontend/sound_handler.h"
#include "frontend/widgets.h"
#include "platform/sys.h"

tavoTPopup::tavoTPopup()
    : imgPopupSmall(new tavoTBild()), imgPopupMedium(new tavoTBild()), imgPopupBig(new tavoTBild()),
      imgPopupMini(new tavoTBild()), imgPaperCanvas(new tavoTBild()), imgPopupShadow(new tavoTBild())
{
}

tavoTPopup::~tavoTPopup()
{
    delete imgPopupSmall;
    delete imgPopupMedium;
    delete imgPopupBig;
    delete imgPopupMini;
    delete imgPaperCanvas;
    delete imgPopupShadow;
}

int tavoTPopup::pop(int id)
{
    State = id;
    direction = 1;
    runtime = 0;
    if (id == POPUP_QUIT) {
        if (g_scene == SCENE_ROADMAP || g_scene == SCENE_MATCH3 || g_scene == SCENE_STORY) {
            savePlayer(g_currentPlayer);
            g_config->SaveToDisk();
        }
    }
    return 1;
}

int tavoTPopup::box(int size, const std::string& title, int squeeze)
{
    imgPopupShadow->PaintXY(0, 0);
    tavoTBild* b = size == POPUP_SIZE_MEDIUM ? imgPopupMedium
                 : size == POPUP_SIZE_BIG    ? imgPopupBig
                 : size == POPUP_SIZE_MINI   ? imgPopupMini
                                             : imgPopupSmall;
    if (squeeze != 0) Sys_SetScale(0.6f, 1.0f);
    b->PaintXY(512, 384);
    Sys_SetScale(1.0f, 1.0f);
    g_fontHeader->DrawText(title, 512, 384 - b->H / 2 + 20, 1, 1);
    return 1;
}

int g_instructionsPage = 1;
int g_helpFromMenu = 0;

int tavoTPopup::ingameScreenMainmenu_show()
{
    if (State == 0) return 0;
    if (State != POPUP_QUIT) {
        // dialogs that are not built yet close at once, so the scene below never waits on them
        traceLog("popup " + std::to_string(State) + " not available, closed");
        State = 0;
        runtime = 0;
        direction = 0;
        return 0;
    }
    g_inputLayer = 2;
    if (direction == 1 && runtime < 16) runtime++;
    if (direction == 2 && runtime > 0) runtime--;
    if (State == POPUP_QUIT) {
        box(POPUP_SIZE_SMALL, g_lang->getValue("exitquestion"));
        drawCenteredText(g_lang->getValue("exitsure"), g_fontText, 512, 360);
        if (runtime == 16) {
            int yes = drawButton(412, 440, 3, 2, g_lang->getValue("yes"));
            int no = drawButton(612, 440, 3, 2, g_lang->getValue("no"));
            if (yes == 3 || g_input->_Enter == 1) {
                savePlayer(g_currentPlayer);
                soundHandler->stop_music();
                sceneHandler->fade_out(SCENE_QUIT, 0, 0);
                direction = 2;
            } else if (no == 3 || g_input->_Escape == 1) {
                direction = 2;
            }
        }
    }
    if (direction == 2 && runtime == 0) {
        State = 0;
        g_inputLayer = 1;
    }
    return 1;
}
