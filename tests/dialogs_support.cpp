// The dialog tests' world: the generated data tree, the game's globals, a counting sound handler.
#include "tests/dialogs_support.h"

#include "app/globals.h"
#include "app/resources.h"
#include "framework/input.h"
#include "frontend/holo.h"
#include "frontend/widgets.h"
#include "campaign/config.h"
#include "campaign/spieler.h"
#include "framework/language.h"
#include "framework/scene.h"
#include "frontend/popup.h"
#include "platform/sys.h"
#include "tests/spine_support.h"

CountingSounds* DialogFixture::sounds = nullptr;

void DialogFixture::SetUpTestSuite()
{
    ensureHeadless(MORVELLE_DATA_DIR);
    if (!Sys_DisplayOpen()) {
        ASSERT_TRUE(Sys_OpenDisplay(1024, 768, 0, 60));
        Sys_SetLogicalSize(1024, 768);
    }
    createGlobals();
    delete soundHandler;
    soundHandler = sounds = new CountingSounds();
    ASSERT_EQ(g_lang->loadFromDisk("data/texts/codetexts.txt", "="), 1);
    loadFonts();
    loadUIImages();
    setupHoloButtons();
}

void DialogFixture::TearDownTestSuite() { destroyGlobals(); }

void DialogFixture::SetUp()
{
    Sys_ResetState();
    sounds->played.clear();
    dir = tempDir("dialogs");
    g_saveDir = dir;
    g_config->setUrl(dir + "settings.txt");
    g_config->Reset();
    g_config->musiklaut = g_config->sprache = 0;
    for (int s = 0; s < MAX_PLAYERS; ++s) {
        delete g_players[s];
        g_players[s] = new TSpieler();
        g_players[s]->SetURL(dir + "players" + std::to_string(s) + ".ppp");
        g_players[s]->Erase();
    }
    g_currentPlayer = -1;
    g_previousProfile = -1;
    g_firstProfilePending = 0;
    g_nameLength = 0;
    g_instructionsPage = 1;
    g_helpFromMenu = 0;
    g_fps = 40;
    g_pause = -1;
    g_scene = SCENE_MAINMENU;
    popupHandler->State = popupHandler->runtime = popupHandler->direction = 0;
    sceneHandler->FaderDir = FADER_DIR_IN;
    sceneHandler->FaderShow = 0;
    mousePointer->_x = mousePointer->_y = -100;
    mousePointer->enableGFXMode();
    g_input->_MausDownLeft = 0;
    while (Sys_GetChar() != 0) {
    }
}

void DialogFixture::frame(bool click, bool enter, bool escape)
{
    Sys_ResetState();
    g_inputLayer = 1;
    for (int& s : sounds->soundplaying) s = 0;
    g_input->_MausFireLeft = click ? 1 : 0;
    g_input->_Enter = enter ? 1 : 0;
    g_input->_Escape = escape ? 1 : 0;
    popupHandler->ingameScreenMainmenu_show();
    g_input->_MausFireLeft = g_input->_Enter = g_input->_Escape = 0;
}

void DialogFixture::open(int id)
{
    popupHandler->pop(id);
    for (int i = 0; i < 15; ++i) frame();
    ASSERT_EQ(popupHandler->runtime, POPUP_RUNTIME_OPEN);
}

void DialogFixture::pointAt(float x, float y)
{
    mousePointer->_x = x;
    mousePointer->_y = y;
}

void DialogFixture::makeProfile(const std::string& name)
{
    g_players[1]->Name = name;
    g_currentPlayer = 1;
}

std::string fileText(const std::string& path) { return readFile(path); }
