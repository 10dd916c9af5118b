// Start-up in its fixed order, the 40 Hz main loop and the frame around the running scene.
#include "app/mainloop.h"

#include <cstdlib>

#include "app/globals.h"
#include "app/input.h"
#include "app/launch.h"
#include "app/resources.h"
#include "campaign/besttimes.h"
#include "campaign/config.h"
#include "campaign/scene_intro.h"
#include "campaign/scene_roadmap.h"
#include "campaign/scene_story.h"
#include "campaign/spieler.h"
#include "fonts/bitmapfont.h"
#include "framework/input.h"
#include "framework/language.h"
#include "framework/scene.h"
#include "framework/trace.h"
#include "frontend/focus.h"
#include "frontend/holo.h"
#include "frontend/popup.h"
#include "frontend/scene_loadscreen.h"
#include "frontend/scene_mainmenu.h"
#include "frontend/sound_handler.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"
#include "powerups/powerups.h"

static GameOptions s_opt;

static tavoTScene* sceneById(int id)
{
    switch (id) {
    case SCENE_LOADSCREEN: return (tavoTScene*)sceneLoadscreen;
    case SCENE_INTRO: return (tavoTScene*)sceneIntro;
    case SCENE_STORY: return (tavoTScene*)sceneStory;
    case SCENE_MAINMENU: return (tavoTScene*)sceneMainmenu;
    case SCENE_MATCH3: return (tavoTScene*)sceneMatch3;
    case SCENE_ROADMAP: return (tavoTScene*)sceneRoadmap;
    default: return nullptr;
    }
}

void dispatchEnterScene(int id, int param1)
{
    switch (id) {
    case SCENE_MATCH3: sceneMatch3->Prepare(); break;
    case SCENE_ROADMAP: sceneRoadmap->Prepare(); break;
    case SCENE_MAINMENU: sceneMainmenu->Prepare(); break;
    case SCENE_LOADSCREEN: sceneLoadscreen->Prepare(); break;
    case SCENE_INTRO:
        sceneIntro->setW(param1);
        sceneIntro->Prepare();
        break;
    case SCENE_STORY: sceneStory->Prepare(); break;
    case SCENE_QUIT: g_quit = 1; break;
    default: break;
    }
}

void dispatchLeaveScene(int id)
{
    if (tavoTScene* s = sceneById(id)) s->Leave();
}

void updateScene(int id)
{
    if (tavoTScene* s = sceneById(id)) s->Update();
}

int checkSingleInstance(const std::string& name)
{
    std::string lock = s_opt.lockFile;
    if (lock.empty()) {
        std::string dir = Sys_GetEnv("XDG_RUNTIME_DIR");
        if (dir.empty() || Sys_FileType(dir) != 2) {
            // beside the save folder, never in it: making the save folder here would hide the first run
            dir = getSpecialFolder(26);
            if (dir.empty()) dir = "/tmp";
            Sys_CreateDir(dir, true);
        }
        if (dir.back() != '/') dir += "/";
        lock = dir + name + ".lock";
    }
    if (Sys_TryLock(lock)) return 1;
    announceRunningCopy(lock);
    return 0;
}

int checkGraphicsMode(int width, int height, int depth)
{
    traceLog("Available graphics modes:");
    for (const SysMode& m : Sys_ListModes())
        traceLog(std::to_string(m.width) + "," + std::to_string(m.height) + "," + std::to_string(m.depth) + "," +
                 std::to_string(m.hz));
    if (!Sys_ModeExists(width, height, depth, 0)) {
        traceLog("Notwendiger Grafikmodus wird nicht unterstuetzt!");
        return 0;
    }
    traceLog("Grafikmodus wird unterstuetzt!");
    return 1;
}

std::string getSpecialFolder(int)
{
    std::string dir = Sys_GetEnv("XDG_DATA_HOME");
    if (dir.empty() || dir[0] != '/') {
        std::string home = Sys_GetEnv("HOME");
        if (home.empty()) return "";
        dir = home + "/.local/share";
    }
    if (dir.back() != '/') dir += "/";
    return dir;
}

void initSaveFolders()
{
    bool isNew = false;
    g_saveDir = s_opt.saveDir.empty() ? getSpecialFolder(26) + "morvell/" : s_opt.saveDir;
    if (g_saveDir.back() != '/' && g_saveDir.back() != '\\') g_saveDir += "/";
    if (Sys_FileType(g_saveDir) == 0) {
        Sys_CreateDir(g_saveDir, true);
        isNew = true;
    }
    if (Sys_FileType(g_saveDir) != 2) {
        isNew = false;
        g_saveDir = "data/\\saves\\";
        traceLog("save folder falls back to " + Sys_ResolvePath(g_saveDir));
        if (Sys_FileType(g_saveDir) == 0) {
            Sys_CreateDir(g_saveDir, true);
            isNew = true;
        }
    }
    g_config->setUrl(g_saveDir + "settings.txt");
    for (int p = 0; p <= 8; ++p) {
        g_players[p] = new TSpieler();
        g_players[p]->SetURL(g_saveDir + "players" + std::to_string(p) + ".ppp");
    }
    if (isNew) {
        g_config->Reset();
        g_config->SaveToDisk();
        g_config->LoadFromDisk();
        resetPlayers();
        resetBestTimes();
    } else {
        g_config->LoadFromDisk();
        loadPlayers();
        forgetUnusedCurrentPlayer();
        loadBestTimes();
    }
}

void initGame()
{
    g_currentPlayer = -1;
    g_frameTimer = Sys_CreateTimer(40);
    g_playTimer = Sys_CreateTimer(1);
    g_fpsTimer = Sys_CreateTimer(1);
    g_fpsTick = Sys_TimerTicks(g_fpsTimer);
    g_pause = -1;
    g_frameCount = 0;
    g_input->_MausOK = 0;
    initSaveFolders();
    applyLanguage(chooseLanguage(g_config->sprache, Sys_GetEnv));
    loadFonts();
    sceneMainmenu->_reloadBG();
    sceneRoadmap->setRoadmapCoords();
    puReplaceAllItems->_lock();
    puThrowExplosive->_lock();
    puRemoveLine->_lock();
    puRemoveSameItem->_lock();
}

void applyLanguage(const TLanguageChoice& choice)
{
    const TLanguage& l = languageByNumber(choice.number);
    g_language = l.number;
    Sys_SetDataOverlay(languageFolder(l));
    traceLog(std::string("Language: ") + l.name + " (" + choice.why + ")");
    g_lang->lang.clear();
    if (!g_lang->loadFromDisk("data/texts/codetexts.txt", "="))
        Sys_MessageBox("Language-File (data/texts/codetexts.txt) not found!", true);
}

void switchLanguage(int number)
{
    if (number == g_language) return;
    g_config->sprache = number;
    g_config->SaveToDisk();
    applyLanguage({number, "chosen in the options"});
    // Whatever copied a text or loaded a picture with painted words takes the new language's.
    if (g_menuHoloButtons[0]) setupHoloButtons();
    sceneMatch3->reloadTextPictures();
    sceneRoadmap->reloadTextPictures();
}

static void setIcon() { Sys_SetWindowIcon("data/branding/icon32.png"); }

void openGraphics()
{
    if (g_config->fullscreen == 0 || s_opt.headless) {
        Sys_OpenDisplay(1024, 768, 0, 60);
        Sys_SetLogicalSize(1024, 768);
        Sys_SetViewport(0, 0, 1024, 768);
        mousePointer->_isUsingRatio = 1;
        mousePointer->_ratioX = mousePointer->_ratioY = 1.0f;
    } else {
        Sys_OpenDisplay(1024, 768, 32, 60);
        Sys_SetLogicalSize(1024, 768);
    }
    setIcon();
    Sys_PadInit();
}

void toggleFullscreen()
{
    g_pause = 1;
    if (g_config->fullscreen == 1) {
        Sys_OpenDisplay(1024, 768, 0, 60);
        g_config->fullscreen = 0;
    } else {
        Sys_OpenDisplay(1024, 768, 32, 60);
        g_config->fullscreen = 1;
    }
    setIcon();
}

void runFrame()
{
    updateFps();
    g_frameCount += 1;
    sceneHandler->fading();
    updateScene(g_scene);
    focusEndFrame();
    if (g_frameCount > 30) soundHandler->sounds();
    bool menuScene = g_scene != SCENE_INTRO && g_scene != SCENE_LOADSCREEN;
    if (g_suspend == 0 && g_pause == 1 && menuScene) updatePause();
    Sys_SetAlpha(1.0f);
    // while arrows or a pad lead (a focus ring, the board's cursor) the drawn pointer steps aside until the mouse moves
    if (menuScene && !focusShown()) mousePointer->Update();
    if (menuScene && Sys_KeyDown(KEY_F1) && g_devMode == 1) {
        g_fontText->DrawText("Memory: " + std::to_string(Sys_MemoryInUse()), 50, 50);
        g_fontText->DrawText(std::to_string(g_fps) + " g_fps", 50, 70);
        g_fontText->DrawText("popupHandler.runtime: " + std::to_string(popupHandler->runtime), 50, 90);
        g_fontText->DrawText("popupHandler.state: " + std::to_string(popupHandler->State), 50, 110);
    }
    if (g_textMode == 1 && Sys_KeyDown(KEY_F6)) g_lang->reload();
}

void mainLoopPass(bool waitForTimer, const std::function<void()>& beforePresent)
{
    Sys_Cls();
    textsDrawn().clear();
    pollInput();
    devKeys();
    runFrame();
    if (g_textMode == 1) g_fontText->DrawText("Babelfish! F6 = Texte neu laden", 0, 0);
    if (beforePresent) beforePresent();
    Sys_Flip(1);
    if (waitForTimer)
        Sys_WaitTimer(g_frameTimer);
    else
        Sys_AdvanceClock(25);
    mousePointer->SetPointer(_POINTER_NORMAL);
    serviceSignals();
}

void quitGame()
{
    if (soundHandler->soundChannel) Sys_StopChannel(soundHandler->soundChannel);
    if (soundHandler->musicChannel) Sys_StopChannel(soundHandler->musicChannel);
}

int startGame(const GameOptions& opt)
{
    s_opt = opt;
    SysConfig sc;
    sc.headless = opt.headless;
    sc.dataRoot = opt.dataRoot;
    sc.title = "Morvelle 1.0";
    Sys_Init(sc);
    Sys_SeedRnd(opt.seeded ? opt.seed : Sys_Millisecs());
    if (!opt.skipSingleInstance && !checkSingleInstance("morvell")) return 0;
    createGlobals();
    if (!checkGraphicsMode(1024, 768, 0)) {
        Sys_MessageBox("Failure: System does not support 1024.00000x768.000000 resolution!", true);
        return 1;
    }
    for (const std::string& a : opt.args) {
        if (a == "-v") {
            Sys_MessageBox("1.0-JAP", false);
            Sys_MessageBox("1.0", false);
        }
    }
    mousePointer->enableGFXMode();
    initGame();
    openGraphics();
    sceneIntro->setW(1);
    sceneIntro->Prepare();
    return -1;
}

void enterBoardDirectly(int level)
{
    // the loading steps at once, profile slot 1, the level asked for
    soundHandler->init_sound();
    sceneLoadscreen->loadEverything();
    TSpieler& p = *g_players[1];
    if (p.Name.empty()) p.Name = "Harness";
    p.Level = level;
    if (p.StoryLevel < level) p.StoryLevel = level;
    p.loadAllItemsToDestroyFromDisk("data/levels/lvla000.lvl");
    g_currentPlayer = 1;
    g_input->_MausOK = 1;
    sceneIntro->Leave();
    sceneMatch3->Prepare();
}

void shutdownGame()
{
    destroyGlobals();
    Sys_Shutdown();
}
