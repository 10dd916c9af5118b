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

// Looks at the live board and picks a swap that makes a line, preferring gems the goal still needs.
class Player {
public:
    explicit Player(tavoTSceneMatch3* board) : b(board) {}
    bool atRest() const
    {
        if (b->_runtime <= 151 || b->_winrun != 0 || b->_gt3_swap != 0 || b->_gt3_partner1 != 0) return false;
        if (popupHandler->State != 0) return false;
        for (int i = 1; i <= 150; ++i)
            if (b->_itemA[i] > 0 && b->_itemA[i] < 999 && (b->_Item_f[i] != 0 || b->_itemY[i] < 60)) return false;
        return true;
    }
    bool pick(float& x1, float& y1, float& x2, float& y2) const
    {
        int bestValue = 0;
        for (int i = 1; i <= 150; ++i) {
            int k = b->_itemA[i];
            if (k < 1 || k > 5) continue;
            for (int d = 0; d < 2; ++d) {
                int j = slotAt(b->_itemX[i] + (d ? 48 : 0), b->_itemY[i] + (d ? 0 : 48));
                if (!j || b->_itemA[j] < 1 || b->_itemA[j] > 5 || b->_itemA[j] == k) continue;
                int v = value(i, j) + value(j, i);
                if (v > bestValue) {
                    bestValue = v;
                    x1 = b->_itemX[i];
                    y1 = b->_itemY[i];
                    x2 = b->_itemX[j];
                    y2 = b->_itemY[j];
                }
            }
        }
        return bestValue > 0;
    }

private:
    tavoTSceneMatch3* b;
    int slotAt(float x, float y) const
    {
        for (int i = 1; i <= 150; ++i)
            if (b->_itemA[i] > 0 && b->_itemA[i] < 999 && b->_itemX[i] == x && b->_itemY[i] == y) return i;
        return 0;
    }
    // The worth of the lines that gem `from` makes when it lands where `to` stands.
    int value(int from, int to) const
    {
        int k = b->_itemA[from];
        float x = b->_itemX[to], y = b->_itemY[to];
        auto kindAt = [&](float px, float py) {
            int s = slotAt(px, py);
            if (s == to) return k;
            if (s == from) return b->_itemA[to];
            return s ? b->_itemA[s] : 0;
        };
        int total = 0;
        for (int dir = 0; dir < 2; ++dir) {
            float dx = dir ? 48.0f : 0, dy = dir ? 0 : 48.0f;
            int run = 1;
            for (int n = 1; n < 5 && kindAt(x + n * dx, y + n * dy) == k; ++n) ++run;
            for (int n = 1; n < 5 && kindAt(x - n * dx, y - n * dy) == k; ++n) ++run;
            if (run >= 3) total += run + (g_players[1]->getItemsLeftToDestroy(g_players[1]->Level, k) > 0 ? 10 : 0);
        }
        return total;
    }
};

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
    Player player(sceneMatch3);
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
