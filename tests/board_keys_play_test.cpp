// Harness runs of the board without a mouse: level 1 won by keys and by a pad, and the board's keys' edge cases.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/mainloop.h"
#include "frontend/popup.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"
#include "tests/harness_support.h"
#include "tests/spine_support.h"

namespace {

// The words of one device as harness script events: its four directions, its confirm, and the press that a
// dialog and the score board take (Enter held for a moment, as they read it held).
struct Device {
    std::string left, right, up, down, confirm, holdConfirm, release;
    bool pad;
};
const Device kKeys = {"key left", "key right", "key up", "key down", "key enter", "keydown enter", "keyup enter", false};
const Device kPad = {"pad dpleft", "pad dpright", "pad dpup", "pad dpdown", "pad a", "pad a", "", true};

// Feeds a script event to the game in this process as the harness would, and writes it down.
struct Recorder {
    std::ostringstream script;
    void event(long pass, const std::string& what)
    {
        script << pass << " " << what << "\n";
        std::istringstream in(what);
        std::string verb, name;
        in >> verb >> name;
        static const std::map<std::string, int> keys = {
            {"left", KEY_LEFT}, {"right", KEY_RIGHT}, {"up", KEY_UP}, {"down", KEY_DOWN}, {"enter", KEY_ENTER}};
        if (verb == "keydown" || verb == "keyup") Sys_InjectKey(keys.at(name), verb == "keydown");
        if (verb == "key") {
            Sys_InjectKey(keys.at(name), true);
            Sys_InjectKey(keys.at(name), false);
        } else if (verb == "pad" && name == "connect") {
            Sys_InjectPadConnect();
        } else if (verb == "pad" && name == "disconnect") {
            Sys_InjectPadDisconnect();
        } else if (verb == "pad") {
            Sys_InjectPadButton(Sys_PadButtonFromName(name), true);
            Sys_PadDown(0);
            Sys_InjectPadButton(Sys_PadButtonFromName(name), false);
        }
    }
};

struct Run {
    std::string script;
    long savedAt = 0, firstPick = 0, unplugged = 0, replugged = 0;
    int swaps = 0;
};

// Plays level 1 in this process by cursor and confirm only, writing down every input.
Run rehearse(const std::string& dir, const Device& dev)
{
    Run run;
    EXPECT_LT(startRehearsal(MORVELLE_DATA_DIR, dir + "rehearsal", 1), 0);
    enterBoardDirectly(1);
    tavoTSceneMatch3& b = *sceneMatch3;
    SwapPicker player(&b);
    Recorder rec;
    std::vector<std::pair<long, std::string>> pending;
    if (dev.pad) pending.push_back({1, "pad connect"});
    bool planned = false, wonSeen = false;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    auto toward = [&](float fx, float fy, float tx, float ty) {
        if (tx < fx) return dev.left;
        if (tx > fx) return dev.right;
        return ty < fy ? dev.up : dev.down;
    };
    for (long pass = 1; pass <= 15000 && !run.savedAt; ++pass) {
        for (auto it = pending.begin(); it != pending.end();) {
            if (it->first != pass) {
                ++it;
                continue;
            }
            rec.event(pass, it->second);
            it = pending.erase(it);
        }
        const bool quiet = pending.empty() && pass % 3 == 0;
        if (quiet && popupHandler->State == POPUP_INSTRUCTIONS && popupHandler->runtime == POPUP_RUNTIME_OPEN &&
            popupHandler->direction == 1) {
            rec.event(pass, dev.holdConfirm);
            if (!dev.release.empty()) pending.push_back({pass + 2, dev.release});
        }
        // the pad pulled out after the third swap, plugged in again, and a press ends the pause
        if (dev.pad && quiet && run.swaps == 3 && !run.unplugged && b._gt3_swap == 0) {
            run.unplugged = pass;
            rec.event(pass, "pad disconnect");
            pending.push_back({pass + 30, "pad connect"});
            pending.push_back({pass + 40, "pad a"});
            run.replugged = pass + 30;
        } else if (quiet && b._winrun == 0 && g_pause == -1 && popupHandler->runtime == 0 && b._runtime > 160) {
            if (!planned && player.atRest() && player.pick(x1, y1, x2, y2)) planned = true;
            if (planned && b._gt3_swap == 0) {
                const float cx = b._CellX[b._cursorCell], cy = b._CellY[b._cursorCell];
                if (b._gt3_partner1 != 0) {
                    rec.event(pass, toward(x1, y1, x2, y2));
                    planned = false;
                    ++run.swaps;
                } else if (cx == x1 && cy == y1) {
                    rec.event(pass, dev.confirm);
                    if (!run.firstPick) run.firstPick = pass;
                } else {
                    rec.event(pass, toward(cx, cy, x1, y1));
                }
            }
        }
        if (b._winrun > 0 && !wonSeen) {
            wonSeen = true;
            // once the score board's button is up: the focus goes to it
            pending.push_back({pass + 150, dev.holdConfirm});
            if (!dev.release.empty()) pending.push_back({pass + 153, dev.release});
        }
        mainLoopPass(false);
        if (b._winrun == -1) run.savedAt = pass;
    }
    Sys_SetFrameUnseen(false);
    quitGame();
    shutdownGame();
    run.script = rec.script.str();
    return run;
}

void playAndReplay(const std::string& name, const Device& dev)
{
    const std::string dir = tempDir(name);
    const Run run = rehearse(dir, dev);
    ASSERT_GT(run.savedAt, 0) << "level 1 not won after " << run.swaps << " swaps";
    for (const char* mouse : {" mouse ", " click ", " press ", " release "})
        EXPECT_EQ(run.script.find(mouse), std::string::npos) << mouse;

    auto at = [](long pass, const std::string& what) { return std::to_string(pass) + " " + what + "\n"; };
    std::string script = run.script + at(run.firstPick - 1, "shot " + dir + "cursor.png") +
                         at(run.firstPick, "shot " + dir + "picked.png") +
                         at(run.firstPick, "dump " + dir + "picked.json") + at(run.savedAt + 1, "dump " + dir + "after.json");
    if (dev.pad)
        script += at(run.unplugged - 1, "dump " + dir + "before-unplug.json") +
                  at(run.unplugged, "dump " + dir + "unplugged.json") +
                  at(run.replugged + 12, "dump " + dir + "resumed.json");
    ASSERT_EQ(runHarnessScript("--data " MORVELLE_DATA_DIR " --save " + dir + "play --seed 1 --board 1 --frames " +
                                   std::to_string(run.savedAt + 2),
                               script, dir, "play"),
              0)
        << readFile(dir + "play.out");
    const std::string saved = readFile(dir + "play/players1.ppp");
    ASSERT_GE(saved.size(), 20u);
    EXPECT_EQ(intAt(saved, 16), 2);   // Level: the next one
    EXPECT_EQ(intAt(saved, 52), 0);   // no suspended level
    const std::string picked = readFile(dir + "picked.json");
    EXPECT_EQ(dumpField(picked, "board", "_cursorShown"), 1);
    EXPECT_GT(dumpField(picked, "board", "_gt3_partner1"), 0);
    EXPECT_GT(readFile(dir + "picked.png").size(), 1000u);
    if (dev.pad) {
        const std::string before = readFile(dir + "before-unplug.json"), unplugged = readFile(dir + "unplugged.json"),
                          resumed = readFile(dir + "resumed.json");
        EXPECT_EQ(dumpField(unplugged, "g_pause"), 1);
        EXPECT_EQ(dumpField(resumed, "g_pause"), -1);
        // the cursor stays where it was through the pause and shows again for the pad
        EXPECT_EQ(dumpField(resumed, "board", "_cursorCell"), dumpField(before, "board", "_cursorCell"));
        EXPECT_EQ(dumpField(resumed, "board", "_cursorShown"), 1);
    }
}

}  // namespace

TEST(BoardKeysPlay, KeysAloneWinLevelOneByCursorSwaps) { playAndReplay("board-keys", kKeys); }

TEST(BoardKeysPlay, APadAloneWinsLevelOneThroughAnUnplugAndReplug) { playAndReplay("board-pad", kPad); }

TEST(BoardKeysPlay, AClickWithAKeyInOneFrameIsOnePressAndEscapeOrStartOpenTheMenu)
{
    const std::string dir = tempDir("board-keys-edges");
    const auto at = [&](int pass, const std::string& what) { return std::to_string(pass) + " " + what + "\n"; };
    // level 1's help page closed by Enter; the cursor shown and moved; then Enter and a click on another gem together
    const std::string script = at(40, "keydown enter") + at(42, "keyup enter") + at(200, "key left") + at(203, "key left") +
                               at(206, "key up") + at(210, "dump " + dir + "moved.json") + at(220, "mouse 560 412") +
                               at(220, "key enter") + at(220, "press left") + at(221, "dump " + dir + "both.json") + at(222, "release left") +
                               at(230, "key backspace") + at(231, "dump " + dir + "dropped.json") +
                               at(240, "key escape") + at(241, "dump " + dir + "menu.json") + at(260, "key escape") +
                               at(300, "pad connect") + at(301, "pad start") + at(302, "dump " + dir + "start.json") +
                               at(303, "quit");
    ASSERT_EQ(runHarnessScript("--data " MORVELLE_DATA_DIR " --save " + dir + "save --seed 1 --board 1", script, dir, "edges"),
              0)
        << readFile(dir + "edges.out");
    const std::string moved = readFile(dir + "moved.json"), both = readFile(dir + "both.json");
    EXPECT_EQ(dumpField(moved, "board", "_cursorShown"), 1);
    // the press put the mouse in charge: the pointer's gem is the one picked, nothing under the cursor
    EXPECT_EQ(dumpField(both, "board", "_cursorShown"), 0);
    const int picked = dumpField(both, "board", "_gt3_partner1");
    ASSERT_GT(picked, 0);
    const std::string item = "{\"slot\":" + std::to_string(picked) + ",";
    const size_t found = both.find(item, both.find("\"items\":["));
    ASSERT_NE(found, std::string::npos);
    EXPECT_NE(both.substr(found, 80).find("\"_itemX\":560,\"_itemY\":412"), std::string::npos) << both.substr(found, 80);
    EXPECT_EQ(dumpField(both, "board", "_gt3_partner2"), 0);
    EXPECT_EQ(dumpField(readFile(dir + "dropped.json"), "board", "_gt3_partner1"), 0);   // Backspace drops a mouse pick too
    EXPECT_EQ(dumpField(readFile(dir + "menu.json"), "popupHandler", "State"), POPUP_INGAME);
    EXPECT_EQ(dumpField(readFile(dir + "start.json"), "popupHandler", "State"), POPUP_INGAME);
}

TEST(BoardKeysPlay, PadButtonsChooseAndPressAPowerUpDropItAndStrikeTheMeteor)
{
    const std::string dir = tempDir("board-pad-buttons");
    // the first press on the help page shows the focus on its ok, the second presses it
    std::string script = "2 pad connect\n40 pad a\n44 pad a\n";
    // points enough to unlock the first power-up, by the developer key
    for (int n = 0; n < 14; ++n)
        script += std::to_string(170 + 4 * n) + " keydown f2\n" + std::to_string(171 + 4 * n) + " keyup f2\n";
    const auto at = [&](int pass, const std::string& what) { return std::to_string(pass) + " " + what + "\n"; };
    script += at(240, "pad rightshoulder") + at(241, "dump " + dir + "chosen.json") + at(242, "pad y") +
              at(250, "pad y") + at(251, "dump " + dir + "selected.json") + at(252, "shot " + dir + "target.png") +
              at(260, "pad b") + at(261, "dump " + dir + "dropped.json") + at(270, "keydown f8") + at(271, "keyup f8") +
              at(280, "pad x") + at(281, "dump " + dir + "struck.json") + at(282, "quit");
    ASSERT_EQ(runHarnessScript("--data " MORVELLE_DATA_DIR " --save " + dir + "save --seed 3 --board 3 --dev", script, dir,
                               "buttons"),
              0)
        << readFile(dir + "buttons.out");
    const std::string chosen = readFile(dir + "chosen.json"), selected = readFile(dir + "selected.json"),
                      dropped = readFile(dir + "dropped.json"), struck = readFile(dir + "struck.json");
    EXPECT_EQ(dumpField(chosen, "board", "_padPowerUp"), 1);
    EXPECT_EQ(dumpField(chosen, "puRemoveLine", "isUnlocked"), 0);
    // the first press buys it, as a click does; the second chooses it
    EXPECT_EQ(dumpField(selected, "puRemoveLine", "isUnlocked"), 1);
    EXPECT_EQ(dumpField(selected, "puRemoveLine", "isSelected"), 1);
    // east drops the choice and opens no menu
    EXPECT_EQ(dumpField(dropped, "puRemoveLine", "isSelected"), 0);
    EXPECT_EQ(dumpField(dropped, "popupHandler", "State"), 0);
    EXPECT_EQ(dumpField(struck, "g_meteor", "inAction"), 1);
    EXPECT_EQ(dumpField(struck, "g_meteor", "struck"), 1);
}
