// The registry of the game's global objects and global state; the composition root creates the objects.
#pragma once

#include <string>

class tavoTSceneHandler;
class tavoTPopup;
class tavoTSoundHandler;
class tavoTMessageHandler;
class tavoTInput;
class tavoTMousePointer;
class tavoTPU_ReplaceAllItems;
class tavoTPU_ThrowExplosive;
class tavoTPU_RemoveSameItem;
class tavoTPU_RemoveLine;
class tavoTSceneIntro;
class tavoTSceneLoadscreen;
class tavoTSceneRoadmap;
class tavoTSceneMainmenu;
class tavoTSceneMatch3;
class tavoTSceneStory;
class TMeteor;
class tavoTBild;
class tavoTEffect;
class TSpieler;
class TConfig;
class tavoTLanguageFile;
class TBitmapFont;

constexpr int MAX_PLAYERS = 9;
constexpr int MAX_EFFECTS = 10001;

// 1-3: best times, champions ranking, player order
extern int g_bestTime[81];
extern std::string g_bestTimeName[81];
extern std::string g_champName[17];
extern int g_champLevel[17];
extern int g_champPoints[17];
extern int g_playerOrder[16];
// 5-9
extern TSpieler* g_players[MAX_PLAYERS];
extern TConfig* g_config;
extern tavoTLanguageFile* g_lang;
extern TBitmapFont* g_fontText;
extern TBitmapFont* g_fontHeader;
extern float g_gemBarX[20];
extern float g_gemBarY[20];
// 10-21
extern tavoTSceneHandler* sceneHandler;
extern tavoTPopup* popupHandler;
extern tavoTSoundHandler* soundHandler;
extern tavoTMessageHandler* messageHandler;
extern tavoTInput* g_input;
extern tavoTPU_ReplaceAllItems* puReplaceAllItems;
extern tavoTPU_ThrowExplosive* puThrowExplosive;
extern tavoTPU_RemoveSameItem* puRemoveSameItem;
extern tavoTPU_RemoveLine* puRemoveLine;
extern tavoTSceneIntro* sceneIntro;
extern tavoTSceneLoadscreen* sceneLoadscreen;
extern tavoTSceneRoadmap* sceneRoadmap;
extern tavoTSceneMainmenu* sceneMainmenu;
extern tavoTSceneMatch3* sceneMatch3;
extern tavoTSceneStory* sceneStory;
extern tavoTMousePointer* mousePointer;
extern TMeteor* g_meteor;
extern tavoTBild* g_imgDebris[5];
extern tavoTEffect* g_effects[MAX_EFFECTS];
extern tavoTBild* g_imgWaypointActive;
extern tavoTBild* g_imgWaypointInactive;
extern tavoTBild* g_imgStageActive;
extern tavoTBild* g_imgStageInactive;

// Plain global state
extern int g_quit;
extern int g_scene;
extern int g_lastScene;
extern int g_currentPlayer;
extern int g_frameTimer;
extern int g_playTimer;
extern int g_fpsTimer;
extern int g_frameCount;
extern int g_fps, g_fpsFrames, g_fpsTick;
extern int g_suspend;
extern int g_pause;
extern int g_devMode;
extern int g_textMode;
// The `sprache` number of the language being shown.
extern int g_language;
extern int g_inputLayer;
extern float g_globalAlpha;
extern std::string g_saveDir;
extern int g_powerUpBusy;

// Plain global state back to its start values.
void resetGlobalState();
