// The main menu: greets the current profile and opens the dialogs that lead into the game.
#include "frontend/scene_mainmenu.h"

#include "framework/globals.h"
#include "campaign/config.h"
#include "campaign/spieler.h"
#include "fonts/bitmapfont.h"
#include "fonts/utf8.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "framework/language.h"
#include "framework/scene.h"
#include "framework/trace.h"
#include "frontend/effects.h"
#include "frontend/holo.h"
#include "frontend/playermenu.h"
#include "frontend/popup.h"
#include "frontend/sound_handler.h"
#include "frontend/widgets.h"
#include "platform/sys.h"

namespace {
constexpr int EFFECT_RIGHT_CLICK = 109100;

enum MenuButton { BUTTON_START = 0, BUTTON_PLAYER = 1, BUTTON_CHAMPIONS = 2, BUTTON_OPTIONS = 3 };

struct MenuPicture {
    std::unique_ptr<tavoTBild> tavoTSceneMainmenu::*field;
    const char* file;
    int centre;
};

// Every picture the menu loads with itself; the menu keeps the background and the bars when it is left.
const MenuPicture kPictures[] = {
    {&tavoTSceneMainmenu::_imgBackground, "data/bg/menubg.jpg", 0},
    {&tavoTSceneMainmenu::_imgScores, "data/UI/scores.png", 1},
    {&tavoTSceneMainmenu::_imgScoresBar, "data/UI/scoresbar.png", 1},
    {&tavoTSceneMainmenu::_imgCreatePlayer, "data/ui/createplayer.png", 1},
    {&tavoTSceneMainmenu::_imgBar, "data/UI/bar.png", 1},
    {&tavoTSceneMainmenu::_imgTopBar, "data/ui/menuborderup.png", 0},
    {&tavoTSceneMainmenu::_imgBottomBar, "data/ui/menuborderdown.png", 0},
    {&tavoTSceneMainmenu::_imgExitButton, "data/match3/menu.png", 1},
    {&tavoTSceneMainmenu::_imgExitButtonHover, "data/match3/menuhover.png", 1},
};

std::unique_ptr<tavoTBild> tavoTSceneMainmenu::* const kReleasedOnLeave[] = {
    &tavoTSceneMainmenu::_imgScores,       &tavoTSceneMainmenu::_imgScoresBar, &tavoTSceneMainmenu::_imgBar,
    &tavoTSceneMainmenu::_imgCreatePlayer, &tavoTSceneMainmenu::_imgPlayerMenu, &tavoTSceneMainmenu::_imgExitButton,
    &tavoTSceneMainmenu::_imgExitButtonHover,
};

}

tavoTSceneMainmenu::tavoTSceneMainmenu()
{
    for (const MenuPicture& p : kPictures) this->*p.field = std::make_unique<tavoTBild>();
    _imgPlayerMenu = std::make_unique<tavoTBild>();
}

tavoTSceneMainmenu::~tavoTSceneMainmenu() = default;

int tavoTSceneMainmenu::_reloadBG()
{
    _imgBackground->Unload();
    _imgBackground->LoadFromDisk("data/bg/menubg.jpg", 0, -1);
    return 1;
}

int tavoTSceneMainmenu::Prepare()
{
    _runtime = 0;
    const bool fromLoading = g_scene == SCENE_LOADSCREEN;
    g_lastScene = g_scene;
    if (g_scene == SCENE_LOADSCREEN || g_scene == SCENE_ROADMAP || g_scene == SCENE_STORY || g_scene == SCENE_MATCH3)
        leaveScene(g_scene);
    for (const MenuPicture& p : kPictures) (this->*p.field)->LoadFromDisk(p.file, p.centre, -1);
    _imgBottomBar->setXY(0, 768 - _imgBottomBar->H + 15);
    _imgBackground->setXY(0, 0);
    _imgTopBar->setXY(0, 0);
    g_instructionsPage = 1;
    g_input->_MausOK = 1;
    popupHandler->runtime = 0;
    g_pause = -1;
    if (g_lastScene != SCENE_ROADMAP && g_lastScene != SCENE_LOADSCREEN) {
        g_config->musiklaut = 0;
        soundHandler->play_music("ambient.ogg");
    }
    if (!fromLoading) sceneHandler->fade_in();
    _askFirstProfile = currentProfile() ? 0 : 1;
    _lastPlayer = g_currentPlayer;
    g_scene = SCENE_MAINMENU;
    return 1;
}

void tavoTSceneMainmenu::startFirstProfile(float soundX)
{
    soundHandler->PlayS(SOUND_BUTTON1, soundX);
    // the lowest free slot, never a slot that holds a traveller's journey
    const int slot = freeProfileSlot(1);
    if (slot < 0) {
        traceLog("main menu: no free profile slot for a first profile");
        return;
    }
    beginNameEntry(slot, 1);
}

int tavoTSceneMainmenu::Update()
{
    _incRuntime(1);
    g_globalAlpha = 1.0f;
    Sys_SetBlend(BLEND_SOLID);
    _imgBackground->Paint();
    Sys_SetBlend(BLEND_ALPHA);
    _imgTopBar->Paint();
    _imgBottomBar->Paint();
    Sys_SetScale(1, 1);
    Sys_SetRotation(0);
    Sys_SetAlpha(1);
    g_inputLayer = popupHandler->runtime > 0 ? 2 : 1;

    // A game without a profile asks for the first name once the menu has settled, and again after the last deletion.
    if (_lastPlayer > -1 && !currentProfile()) _askFirstProfile = 1;
    _lastPlayer = g_currentPlayer;
    if (_askFirstProfile == 1 && !currentProfile() && popupHandler->runtime == 0 && _runtime >= MAINMENU_FIRST_PROFILE_FRAME &&
        sceneHandler->FaderDir != FADER_DIR_OUT) {
        _askFirstProfile = 0;
        startFirstProfile(512);
    }

    for (int i = 0; i < 4; ++i) {
        THoloButton* b = g_menuHoloButtons[i];
        if (!b || b->Tick(0) != 3) continue;
        switch (i) {
        case BUTTON_START:
            if (const TSpieler* pl = currentProfile()) {
                soundHandler->PlayS(SOUND_BUTTON1, 400);
                if (hasNeverPlayed(*pl)) continueJourney();
                else popupHandler->pop(POPUP_RESUME);
            } else {
                startFirstProfile(400);
            }
            break;
        case BUTTON_PLAYER:
            if (currentProfile()) popupHandler->pop(POPUP_MANAGER);
            else startFirstProfile(512);
            break;
        case BUTTON_CHAMPIONS: popupHandler->pop(POPUP_CHAMP); break;
        case BUTTON_OPTIONS: popupHandler->pop(POPUP_OPTIONS); break;
        default: break;
        }
    }

    Sys_SetScale(1, 1);
    // a profile still being named greets like no profile at all, not with a bare comma
    const TSpieler* p = currentProfile();
    const std::string name = p && !p->Name.empty() ? p->Name : g_lang->getValue("defaultplayer");
    drawCenteredText(utf8UpperCase(g_lang->getValue("welcome") + " " + name), g_fontHeader, 512, 0);

    Sys_SetAlpha(1);
    if (drawCloseButton(_MENUBUTTON_X, _MENUBUTTON_Y) == 1) popupHandler->pop(POPUP_QUIT);
    popupHandler->ingameScreenMainmenu_show();
    if (g_input->_MausFireRight == 1) installEffect(mousePointer->_x, mousePointer->_y, EFFECT_RIGHT_CLICK, 0, 0);
    updateEffects();
    return 1;
}

int tavoTSceneMainmenu::Leave()
{
    for (auto f : kReleasedOnLeave) (this->*f)->Unload();
    _runtime = 0;
    return 1;
}
