// Starts the game once per test binary over a linked copy of the data tree.
#include "tests/campaign_support.h"

#include <filesystem>
#include <fstream>

#include "app/globals.h"
#include "app/mainloop.h"
#include "campaign/scene_intro.h"
#include "campaign/spieler.h"
#include "framework/input.h"
#include "framework/scene.h"
#include "frontend/popup.h"
#include "frontend/scene_loadscreen.h"
#include "frontend/sound_handler.h"
#include "platform/sys.h"

namespace fs = std::filesystem;

const std::string& campaignDataRoot()
{
    static const std::string root = [] {
        std::string dir = tempDir("campaign-data");
        for (const auto& e : fs::recursive_directory_iterator(MORVELLE_DATA_DIR)) {
            fs::path rel = fs::relative(e.path(), MORVELLE_DATA_DIR);
            if (e.is_directory()) fs::create_directories(dir + rel.string());
            else fs::create_symlink(e.path(), dir + rel.string());
        }
        return dir;
    }();
    return root;
}

Shot shot()
{
    Shot s;
    Sys_ReadScreen(s.px, s.w, s.h);
    return s;
}

bool differs(const Shot& a, const Shot& b, int x0, int y0, int x1, int y1)
{
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (a.at(x, y) != b.at(x, y)) return true;
    return false;
}

void replaceDataFile(const std::string& relPath, const std::string& bytes)
{
    const std::string path = campaignDataRoot() + relPath;
    fs::remove(path);
    std::ofstream(path, std::ios::binary) << bytes;
}

void restoreDataFile(const std::string& relPath)
{
    const std::string path = campaignDataRoot() + relPath;
    fs::remove(path);
    const fs::path original = fs::path(MORVELLE_DATA_DIR) / relPath;
    if (fs::exists(original)) fs::create_symlink(original, path);
}

std::string CampaignGame::saveDir() { return fs::temp_directory_path().string() + "/morvelle-" + std::to_string(getpid()) + "-campaign-save/"; }

void CampaignGame::SetUpTestSuite()
{
    fs::remove_all(saveDir());
    GameOptions opt;
    opt.headless = true;
    opt.seeded = true;
    opt.seed = 7;
    opt.dataRoot = campaignDataRoot();
    opt.saveDir = saveDir();
    opt.skipSingleInstance = true;
    ASSERT_LT(startGame(opt), 0);
    soundHandler->init_sound();
    sceneLoadscreen->loadEverything();
    sceneIntro->Leave();
    g_input->_MausOK = 1;
}

void CampaignGame::TearDownTestSuite()
{
    quitGame();
    shutdownGame();
}

void CampaignGame::SetUp()
{
    for (int s = 1; s <= 8; ++s) g_players[s]->Reset();
    g_currentPlayer = -1;
    popupHandler->State = 0;
    popupHandler->runtime = 0;
    popupHandler->direction = 0;
    g_pause = -1;
    g_suspend = 0;
    for (int i = 1; i <= 80; ++i) {
        g_bestTime[i] = -1;
        g_bestTimeName[i].clear();
    }
    moveTo(5, 5);
    frames(1);
}

void CampaignGame::frames(int n)
{
    // only the last frame is drawn: the tests read the screen after it
    for (int i = 0; i < n; ++i) {
        Sys_SetFrameUnseen(i + 1 < n);
        mainLoopPass(false);
    }
    Sys_SetFrameUnseen(false);
}

void CampaignGame::enter(int scene)
{
    sceneHandler->fade_out(scene, 0, 0);
    until([&] { return g_scene == scene && sceneHandler->FaderDir == FADER_DIR_IN && sceneHandler->FaderColor >= 255; }, 40);
}

void CampaignGame::moveTo(float x, float y) { Sys_InjectMouseMove(x, y); }

void CampaignGame::clickAt(float x, float y)
{
    Sys_InjectMouseMove(x, y);
    frames(1);
    Sys_InjectMouseButton(1, true);
    Sys_InjectMouseButton(1, false);
    frames(1);
}

void CampaignGame::press(int key)
{
    Sys_InjectKey(key, true);
    frames(1);
    Sys_InjectKey(key, false);
    frames(1);
}

void CampaignGame::pressWithClick(int key, float x, float y)
{
    Sys_InjectMouseMove(x, y);
    frames(1);
    Sys_InjectKey(key, true);
    Sys_InjectMouseButton(1, true);
    Sys_InjectMouseButton(1, false);
    frames(1);
    Sys_InjectKey(key, false);
    frames(1);
}

void CampaignGame::makeProfile(int slot, const std::string& name, int storyLevel, int points)
{
    TSpieler& p = *g_players[slot];
    p.Erase();
    p.Name = name;
    p.StoryLevel = storyLevel;
    p.Level = storyLevel;
    p.StoryPoints = points;
    p.SaveToDisk();
}
