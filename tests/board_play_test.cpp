// A level played as a player would, through the harness: real swaps until the victory, a suspend by focus loss and its continuation.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/globals.h"
#include "app/mainloop.h"
#include "campaign/spieler.h"
#include "framework/input.h"
#include "frontend/popup.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"
#include "tests/harness_support.h"
#include "tests/spine_support.h"

namespace {
int runHarness(const std::string& args, const std::string& script, const std::string& dir, const std::string& name)
{
    return runHarnessScript("--data " MORVELLE_DATA_DIR " " + args, script, dir, name);
}

struct Recorder {
    std::ostringstream script;
    void event(long frame, const std::string& what)
    {
        script << frame << " " << what << "\n";
        std::istringstream in(what);
        std::string verb, a, c;
        in >> verb >> a >> c;
        if (verb == "mouse") Sys_InjectMouseMove((float)std::atof(a.c_str()), (float)std::atof(c.c_str()));
        if (verb == "press") Sys_InjectMouseButton(1, true);
        if (verb == "release") Sys_InjectMouseButton(1, false);
        if (verb == "keydown") Sys_InjectKey(KEY_ENTER, true);
        if (verb == "keyup") Sys_InjectKey(KEY_ENTER, false);
    }
};
}

TEST(BoardPlay, RealSwapsWinTheLevelAndTheSaveHoldsTheNext)
{
    // Play level 1 in this process exactly as the harness runs it, writing down every input as a script line.
    std::string dir = tempDir("board-play");
    ASSERT_LT(startRehearsal(MORVELLE_DATA_DIR, dir + "rehearsal", 1), 0);
    enterBoardDirectly(1);
    SwapPicker player(sceneMatch3);
    Recorder rec;
    long pass = 0, wonAt = 0, savedAt = 0;
    int swaps = 0;
    std::vector<std::pair<long, std::string>> pending;
    for (pass = 1; pass <= 12000 && !savedAt; ++pass) {
        for (auto it = pending.begin(); it != pending.end();) {
            if (it->first == pass) {
                rec.event(pass, it->second);
                it = pending.erase(it);
            } else {
                ++it;
            }
        }
        if (pending.empty() && popupHandler->State == POPUP_INSTRUCTIONS && popupHandler->runtime == POPUP_RUNTIME_OPEN &&
            popupHandler->direction == 1) {
            // the level's help page: Enter closes it, as a player would
            rec.event(pass, "keydown enter");
            pending.push_back({pass + 1, "keyup enter"});
        }
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        if (pending.empty() && player.atRest() && pass % 10 == 0 && player.pick(x1, y1, x2, y2)) {
            rec.event(pass, "mouse " + std::to_string((int)x1) + " " + std::to_string((int)y1));
            rec.event(pass, "press left");
            pending.push_back({pass + 1, "mouse " + std::to_string((int)x2) + " " + std::to_string((int)y2)});
            pending.push_back({pass + 2, "release left"});
            ++swaps;
        }
        if (sceneMatch3->_winrun > 0 && !wonAt) {
            wonAt = pass;
            pending.push_back({pass + 60, "shot " + dir + "victory.png"});
            pending.push_back({pass + 130, "keydown enter"});
            pending.push_back({pass + 134, "keyup enter"});
        }
        mainLoopPass(false);
        if (sceneMatch3->_winrun == -1 && !savedAt) savedAt = pass;
    }
    Sys_SetFrameUnseen(false);
    quitGame();
    shutdownGame();
    ASSERT_GT(wonAt, 0) << "level 1 not won after " << swaps << " swaps";
    ASSERT_GT(savedAt, 0);
    std::string rehearsal = readFile(dir + "rehearsal/players1.ppp");
    ASSERT_GE(rehearsal.size(), 20u);
    EXPECT_EQ(intAt(rehearsal, 16), 2);

    // The same inputs through the harness binary win the level again and leave level 2 in the profile file.
    std::string script = "100 shot " + dir + "f100.png\n200 shot " + dir + "f200.png\n" + rec.script.str() +
                         std::to_string(savedAt + 1) + " dump " + dir + "after.json\n";
    ASSERT_EQ(runHarness("--save " + dir + "play --seed 1 --board 1 --frames " + std::to_string(savedAt + 2), script, dir, "play"), 0)
        << readFile(dir + "play.out");
    std::string saved = readFile(dir + "play/players1.ppp");
    ASSERT_GE(saved.size(), 20u);
    EXPECT_EQ(intAt(saved, 16), 2);   // Level
    EXPECT_EQ(intAt(saved, 4), 2);    // StoryLevel
    EXPECT_GT(intAt(saved, 8), 0);    // StoryPoints
    EXPECT_EQ(intAt(saved, 52), 0);   // no suspended level
    EXPECT_NE(readFile(dir + "after.json").find("\"FaderShow\":13"), std::string::npos);
    EXPECT_GT(readFile(dir + "victory.png").size(), 1000u);
}

TEST(BoardPlay, FocusLossSuspendsTheLevelAndItContinuesFromTheFile)
{
    std::string dir = tempDir("board-suspend");
    // Enter closes the level's help page first
    std::string first = "60 keydown enter\n61 keyup enter\n340 focus lost\n341 dump " + dir + "lost.json\n";
    ASSERT_EQ(runHarness("--save " + dir + "save --seed 5 --board 3 --frames 345", first, dir, "first"), 0)
        << readFile(dir + "first.out");
    std::string saved = readFile(dir + "save/players1.ppp");
    ASSERT_GE(saved.size(), 7436u);
    EXPECT_EQ(intAt(saved, 52), 1);   // isResume
    EXPECT_EQ(intAt(saved, 60), 3);   // resumeLevel
    int savedTime = intAt(saved, 64);
    EXPECT_GE(savedTime, 3);
    // the first item of the snapshot, cell by cell, as the board had it
    std::vector<int> kinds;
    for (int q = 1; q <= 260; ++q) kinds.push_back(intAt(saved, 104 + (size_t)(q - 1) * 28 + 20));
    std::string lost = readFile(dir + "lost.json");
    EXPECT_NE(lost.find("\"g_pause\":1"), std::string::npos);
    EXPECT_NE(lost.find("\"g_suspend\":2"), std::string::npos);

    std::string second = "2 dump " + dir + "continued.json\n";
    ASSERT_EQ(runHarness("--save " + dir + "save --seed 9 --board 3 --frames 3", second, dir, "second"), 0)
        << readFile(dir + "second.out");
    std::string continued = readFile(dir + "continued.json");
    EXPECT_NE(continued.find("\"isResume\":0"), std::string::npos);
    EXPECT_NE(continued.find("\"time\":" + std::to_string(savedTime)), std::string::npos);
    // every item of the snapshot is back in its slot
    int matched = 0, stored = 0;
    for (int q = 1; q <= 260; ++q) {
        if (kinds[(size_t)q - 1] <= 0 || kinds[(size_t)q - 1] >= 999) continue;
        ++stored;
        std::string item = "{\"slot\":" + std::to_string(q) + ",\"_itemA\":" + std::to_string(kinds[(size_t)q - 1]) + ",";
        matched += continued.find(item) != std::string::npos;
    }
    EXPECT_GT(stored, 20);
    EXPECT_EQ(matched, stored);
}
