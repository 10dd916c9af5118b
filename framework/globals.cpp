// The global objects and plain global state every folder may read; app/ creates the objects.
#include "framework/globals.h"

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
int g_language;
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
    g_language = 1;
    g_inputLayer = 0;
    g_globalAlpha = 0.0f;
    g_saveDir.clear();
    g_powerUpBusy = 0;
}
