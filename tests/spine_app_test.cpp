// Application shell: the input snapshot, focus loss, the save folder and its fallback, the single-instance lock.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "app/globals.h"
#include "app/input.h"
#include "app/mainloop.h"
#include "campaign/config.h"
#include "framework/input.h"
#include "framework/scene.h"
#include "frontend/popup.h"
#include "frontend/sound_handler.h"
#include "tests/spine_support.h"

namespace {
class Shell : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureHeadless();
        dir = tempDir("shell");
        setenv("XDG_DATA_HOME", (dir + "xdg").c_str(), 1);
        createGlobals();
        g_pause = -1;
        g_currentPlayer = -1;
        Sys_FlushKeys();
        Sys_FlushMouse();
        while (Sys_PollAppEvent() != APP_NONE) {}
        Sys_CloseRequested();
    }
    void TearDown() override
    {
        for (int k : {KEY_ENTER, KEY_ESCAPE, KEY_SPACE, KEY_F1, KEY_F3}) Sys_InjectKey(k, false);
        Sys_InjectMouseButton(1, false);
        destroyGlobals();
    }
    std::string dir;
};
}

TEST_F(Shell, SnapshotCountsClicksAndTellsHeldFromHit)
{
    g_input->_MausOK = 1;
    Sys_InjectMouseMove(300, 200);
    Sys_InjectMouseButton(1, true);
    Sys_InjectMouseButton(1, false);
    Sys_InjectMouseButton(1, true);
    Sys_InjectMouseButton(1, false);
    Sys_InjectKey(KEY_ENTER, true);
    Sys_InjectKey(KEY_ESCAPE, true);
    pollInput();
    EXPECT_EQ(g_input->_MausFireLeft, 2);   // no consumer takes this as a click
    EXPECT_FLOAT_EQ(mousePointer->_x, 300);
    EXPECT_FLOAT_EQ(mousePointer->_y, 200);
    EXPECT_EQ(g_input->_Enter, 1);
    EXPECT_EQ(g_input->_Escape, 1);
    pollInput();
    EXPECT_EQ(g_input->_MausFireLeft, 0);
    EXPECT_EQ(g_input->_Enter, 1);    // held Enter is seen every frame
    EXPECT_EQ(g_input->_Escape, 0);   // held Escape only in the frame it was pressed
    Sys_InjectMouseButton(1, true);
    pollInput();
    pollInput();
    EXPECT_EQ(g_input->_MausDownLeftCount, 2);
    Sys_InjectMouseButton(1, false);
    pollInput();
    EXPECT_EQ(g_input->_MausDownLeftCount, 0);

    // with the mouse off, nothing of it is read and clicks wait in the platform
    g_input->_MausOK = 0;
    Sys_InjectMouseButton(1, true);
    Sys_InjectMouseButton(1, false);
    pollInput();
    EXPECT_EQ(g_input->_MausFireLeft, 0);
    g_input->_MausOK = 1;
    pollInput();
    EXPECT_EQ(g_input->_MausFireLeft, 1);
}

TEST_F(Shell, FocusLossPausesSavesAndCloseAsksToQuit)
{
    initSaveFolders();
    soundHandler->init_sound();
    g_config->musiklautsoll = 77;
    std::string settings = g_saveDir + "settings.txt";
    std::filesystem::remove(settings);
    g_scene = SCENE_MAINMENU;

    Sys_InjectFocus(false);
    pollInput();
    EXPECT_EQ(g_suspend, 2);
    EXPECT_EQ(g_pause, 1);
    EXPECT_NE(readFile(settings).find("77\r\n"), std::string::npos);

    Sys_InjectFocus(true);
    pollInput();
    EXPECT_EQ(g_suspend, 0);
    EXPECT_EQ(g_pause, 1);

    // losing focus while the pause screen is up saves nothing
    std::filesystem::remove(settings);
    Sys_InjectFocus(false);
    pollInput();
    EXPECT_EQ(g_suspend, 1);
    EXPECT_FALSE(std::filesystem::exists(settings));

    Sys_InjectClose();
    pollInput();
    EXPECT_EQ(popupHandler->State, 99);
}

TEST_F(Shell, FirstRunWritesDefaultSettings)
{
    initSaveFolders();
    EXPECT_EQ(g_saveDir, dir + "xdg/morvell/");
    EXPECT_EQ(readFile(g_saveDir + "settings.txt"), "1\r\n140\r\n210\r\n-1\r\n0\r\n0\r\n");
    EXPECT_EQ(g_config->musiklaut, 140);
    EXPECT_EQ(g_currentPlayer, -1);
    for (int p = 0; p <= 8; ++p) ASSERT_NE(g_players[p], nullptr);
}

TEST_F(Shell, SaveFolderFallsBackBesideTheProgram)
{
    // a file where the folder should be: the save folder cannot be created there
    writeFile(dir + "blocker", {1});
    setenv("XDG_DATA_HOME", (dir + "blocker").c_str(), 1);
    std::string data = tempDir("fallback-data");
    ensureHeadless(data);
    initSaveFolders();
    EXPECT_EQ(g_saveDir, "data/\\saves\\");
    EXPECT_EQ(Sys_ResolvePath(g_saveDir + "settings.txt"), data + "saves/settings.txt");
    EXPECT_EQ(readFile(data + "saves/settings.txt"), "1\r\n140\r\n210\r\n-1\r\n0\r\n0\r\n");
}

TEST_F(Shell, SecondCopyFindsTheLockTaken)
{
    std::string lock = dir + "morvell.lock";
    ASSERT_TRUE(Sys_TryLock(lock));
    pid_t child = fork();
    if (child == 0) _exit(Sys_TryLock(lock) ? 1 : 0);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the second process must not get the lock";

    // the real game started as a second copy ends at once with status 0
    std::string runtime = dir + "run/";
    std::filesystem::create_directories(runtime);
    ASSERT_TRUE(Sys_TryLock(runtime + "morvell.lock"));
    std::string cmd = "XDG_RUNTIME_DIR=" + runtime + " SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy timeout 20 " MORVELLE_GAME_BIN;
    int rc = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(rc));
    EXPECT_EQ(WEXITSTATUS(rc), 0);
}
