// The dialog handler: opening and closing, the box every dialog sits in, and the driver that runs the current dialog.
#include "frontend/popup.h"

#include "framework/globals.h"
#include "campaign/config.h"
#include "campaign/spieler.h"
#include "fonts/bitmapfont.h"
#include "framework/bild.h"
#include "framework/trace.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/focus.h"
#include "frontend/sound_handler.h"
#include "platform/sys.h"

int g_instructionsPage = 1;
int g_helpFromMenu = 0;
int g_soundKnobDrag = 0;
int g_musicKnobDrag = 0;
int g_nameLength = 0;
int g_firstProfilePending = 0;
int g_previousProfile = -1;
int g_pendingSlot = -1;
std::string g_pendingName;

tavoTPopup::tavoTPopup()
    : imgPopupSmall(std::make_unique<tavoTBild>()), imgPopupMedium(std::make_unique<tavoTBild>()),
      imgPopupBig(std::make_unique<tavoTBild>()), imgPopupMini(std::make_unique<tavoTBild>()),
      imgPaperCanvas(std::make_unique<tavoTBild>()), imgPopupShadow(std::make_unique<tavoTBild>())
{
}

tavoTPopup::~tavoTPopup() = default;

int tavoTPopup::pop(int id)
{
    if (id == POPUP_MANAGER) sortPlayers();
    if (id == POPUP_QUIT) {
        if (g_scene > 0 && g_currentPlayer != -1) savePlayer(g_currentPlayer);
        g_config->SaveToDisk();
    }
    g_soundKnobDrag = 0;
    g_musicKnobDrag = 0;
    openedAtFrame = g_frameCount;
    soundHandler->PlayS(SOUND_POPUP, 512);
    // keys and text typed before the name entry opened belong to the screen they were typed on
    if (id == POPUP_NEWPLAYER) Sys_FlushText();
    // a name entry replaced by another dialog (the quit question on a close request) is abandoned, not kept half done
    if (State == POPUP_NEWPLAYER && runtime > 0 && id != POPUP_NEWPLAYER) {
        g_pendingSlot = -1;
        g_pendingName.clear();
        g_nameLength = 0;
        g_firstProfilePending = 0;
    }
    runtime = 1;
    direction = 1;
    openFrames = 0;
    State = id;
    return 1;
}

tavoTBild* tavoTPopup::boxImage(int size) const
{
    switch (size) {
    case POPUP_SIZE_MEDIUM: return imgPopupMedium.get();
    case POPUP_SIZE_BIG: return imgPopupBig.get();
    case POPUP_SIZE_MINI: return imgPopupMini.get();
    default: return imgPopupSmall.get();
    }
}

int tavoTPopup::box(int size, const std::string& title, int squeeze)
{
    imgPopupShadow->PaintXY(0, 0);
    tavoTBild* b = boxImage(size);
    if (squeeze != 0) Sys_SetScale(0.6f, 1.0f);
    b->PaintXY(512, 384);
    Sys_SetScale(1.0f, 1.0f);
    g_fontHeader->DrawText(title, 512, 384 - b->H / 2 + 20, 1, 1);
    return 1;
}

int tavoTPopup::IngameOptions() { return runOptions(*this); }
int tavoTPopup::NewPlayer() { return runNewPlayer(*this); }
int tavoTPopup::Champions() { return runChampions(*this); }
int tavoTPopup::NewGame() { return runNewGame(*this); }
int tavoTPopup::Credits() { return runCredits(*this); }
int tavoTPopup::show_quit() { return runQuit(*this); }
int tavoTPopup::RoadmapHelp() { return runRoadmapHelp(*this); }
int tavoTPopup::IngameMenu() { return runIngameMenu(*this); }
int tavoTPopup::resumegame() { return runResume(*this); }
int tavoTPopup::showinstructions() { return runInstructions(*this); }

int tavoTPopup::ingameScreenMainmenu_show()
{
    const float alpha = Sys_State().color_alpha;
    if (runtime == 0) State = 0;
    if (g_fps < POPUP_LOW_FPS) {
        if (direction == 1 && runtime >= 1 && runtime < POPUP_RUNTIME_OPEN) runtime = POPUP_RUNTIME_OPEN;
        if (direction == 2 && runtime > 0) {
            runtime = 0;
            g_pause = -1;
        }
    }
    if (runtime > 0) {
        if (direction == 1 && runtime < POPUP_RUNTIME_OPEN) runtime += 1;
        if (direction == 1 && runtime == POPUP_RUNTIME_OPEN && openFrames < POPUP_ARM_FRAMES) openFrames += 1;
        if (direction == 2) {
            runtime -= 1;
            if (runtime < 0) {
                runtime = 0;
                g_pause = -1;
            }
        }
        if (TDialogEntry run = findDialog(State)) {
            g_inputLayer = 2;
            focusDialogBegin();
            run(*this);
            focusDialogEnd();
        } else {
            traceLog("popup " + std::to_string(State) + " has no dialog, closed");
            State = 0;
            runtime = 0;
        }
    }
    Sys_SetAlpha(alpha);
    return 1;
}
