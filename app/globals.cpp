// The global objects, created in their fixed order and destroyed in reverse.
#include "app/globals.h"

#include "app/mainloop.h"
#include "campaign/config.h"
#include "campaign/scene_intro.h"
#include "campaign/scene_roadmap.h"
#include "campaign/scene_story.h"
#include "campaign/spieler.h"
#include "fonts/bitmapfont.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "framework/language.h"
#include "framework/scene.h"
#include "frontend/effects.h"
#include "frontend/holo.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/messages.h"
#include "frontend/popup.h"
#include "frontend/scene_loadscreen.h"
#include "frontend/scene_mainmenu.h"
#include "frontend/sound_handler.h"
#include "frontend/widgets.h"
#include "match3/meteor.h"
#include "match3/scene_match3.h"
#include "powerups/powerups.h"

int g_bestTime[81];
std::string g_bestTimeName[81];
std::string g_champName[17];
int g_champLevel[17];
int g_champPoints[17];
int g_playerOrder[16];
TSpieler* g_players[MAX_PLAYERS];
TConfig* g_config;
tavoTLanguageFile* g_lang;
TBitmapFont* g_fontText;
TBitmapFont* g_fontHeader;
float g_gemBarX[20];
float g_gemBarY[20];
tavoTSceneHandler* sceneHandler;
tavoTPopup* popupHandler;
tavoTSoundHandler* soundHandler;
tavoTMessageHandler* messageHandler;
tavoTInput* g_input;
tavoTPU_ReplaceAllItems* puReplaceAllItems;
tavoTPU_ThrowExplosive* puThrowExplosive;
tavoTPU_RemoveSameItem* puRemoveSameItem;
tavoTPU_RemoveLine* puRemoveLine;
tavoTSceneIntro* sceneIntro;
tavoTSceneLoadscreen* sceneLoadscreen;
tavoTSceneRoadmap* sceneRoadmap;
tavoTSceneMainmenu* sceneMainmenu;
tavoTSceneMatch3* sceneMatch3;
tavoTSceneStory* sceneStory;
tavoTMousePointer* mousePointer;
TMeteor* g_meteor;
tavoTBild* g_imgDebris[5];
tavoTEffect* g_effects[MAX_EFFECTS];
tavoTBild* g_imgWaypointActive;
tavoTBild* g_imgWaypointInactive;
tavoTBild* g_imgStageActive;
tavoTBild* g_imgStageInactive;

int g_quit;
int g_scene;
int g_lastScene;
int g_currentPlayer;
int g_frameTimer;
int g_playTimer;
int g_fpsTimer;
int g_frameCount;
int g_fps, g_fpsFrames, g_fpsTick;
int g_suspend;
int g_pause;
int g_devMode;
int g_textMode;
int g_inputLayer;
float g_globalAlpha;
std::string g_saveDir;
int g_powerUpBusy;

void resetGlobalState()
{
    g_quit = 0;
    g_scene = 0;
    g_lastScene = 0;
    g_currentPlayer = 0;
    g_frameTimer = g_playTimer = g_fpsTimer = 0;
    g_frameCount = 0;
    g_fps = g_fpsFrames = g_fpsTick = 0;
    g_suspend = 0;
    g_pause = 0;
    g_devMode = 0;
    g_textMode = 0;
    g_inputLayer = 0;
    g_globalAlpha = 0.0f;
    g_saveDir.clear();
    g_powerUpBusy = 0;
}

void createGlobals()
{
    resetGlobalState();
    installSceneDispatch({dispatchEnterScene, dispatchLeaveScene});
    installWindowModeSwitch(toggleFullscreen);
    installLevelWonQuery([] { return sceneMatch3 && sceneMatch3->_winrun > 0; });
    for (int i = 0; i < 81; ++i) {
        g_bestTime[i] = 0;
        g_bestTimeName[i].clear();
    }
    for (int i = 0; i < 17; ++i) {
        g_champName[i].clear();
        g_champLevel[i] = g_champPoints[i] = 0;
    }
    for (int& v : g_playerOrder) v = 0;
    createSharedImages();
    g_playTick = 0;
    for (auto& p : g_players) p = nullptr;
    g_config = new TConfig();
    g_lang = new tavoTLanguageFile();
    g_fontText = new TBitmapFont();
    g_fontHeader = new TBitmapFont();
    for (int i = 0; i < 20; ++i) g_gemBarX[i] = g_gemBarY[i] = 0;
    sceneHandler = new tavoTSceneHandler();
    popupHandler = new tavoTPopup();
    soundHandler = new tavoTSoundHandler();
    messageHandler = new tavoTMessageHandler();
    g_input = new tavoTInput();
    puReplaceAllItems = new tavoTPU_ReplaceAllItems();
    puThrowExplosive = new tavoTPU_ThrowExplosive();
    puRemoveSameItem = new tavoTPU_RemoveSameItem();
    puRemoveLine = new tavoTPU_RemoveLine();
    sceneIntro = new tavoTSceneIntro();
    sceneLoadscreen = new tavoTSceneLoadscreen();
    sceneRoadmap = new tavoTSceneRoadmap();
    sceneMainmenu = new tavoTSceneMainmenu();
    sceneMatch3 = new tavoTSceneMatch3();
    sceneStory = new tavoTSceneStory();
    mousePointer = new tavoTMousePointer();
    g_meteor = new TMeteor();
    for (auto& d : g_imgDebris) d = new tavoTBild();
    g_effects[0] = nullptr;
    for (int i = 1; i < MAX_EFFECTS; ++i) g_effects[i] = new tavoTEffect();
    g_imgWaypointActive = new tavoTBild();
    g_imgWaypointInactive = new tavoTBild();
    g_imgStageActive = new tavoTBild();
    g_imgStageInactive = new tavoTBild();
}

template <class T> static void drop(T*& p)
{
    delete p;
    p = nullptr;
}

void destroyGlobals()
{
    drop(g_imgStageInactive);
    drop(g_imgStageActive);
    drop(g_imgWaypointInactive);
    drop(g_imgWaypointActive);
    for (auto& e : g_effects) drop(e);
    for (auto& d : g_imgDebris) drop(d);
    drop(g_meteor);
    drop(mousePointer);
    drop(sceneStory);
    drop(sceneMatch3);
    drop(sceneMainmenu);
    drop(sceneRoadmap);
    drop(sceneLoadscreen);
    drop(sceneIntro);
    drop(puRemoveLine);
    drop(puRemoveSameItem);
    drop(puThrowExplosive);
    drop(puReplaceAllItems);
    drop(g_input);
    drop(messageHandler);
    drop(soundHandler);
    drop(popupHandler);
    drop(sceneHandler);
    drop(g_fontHeader);
    drop(g_fontText);
    drop(g_lang);
    drop(g_config);
    for (auto& p : g_players) drop(p);
    destroyHoloButtons();
    destroySharedImages();
}
