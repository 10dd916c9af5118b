// The power-ups and the meteor as a player meets them: unlocked and used by mouse, a meteor started with F8 and caught.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "app/globals.h"
#include "app/mainloop.h"
#include "campaign/spieler.h"
#include "framework/input.h"
#include "frontend/popup.h"
#include "match3/meteor.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"
#include "powerups/powerups.h"
#include "tests/harness_support.h"
#include "tests/spine_support.h"

namespace {
int runHarness(const std::string& args, const std::string& script, const std::string& dir, const std::string& name)
{
    return runHarnessScript("--data " MORVELLE_DATA_DIR " " + args, script, dir, name);
}

// Number after "key": inside the object that starts at "\"object\":".
double field(const std::string& json, const std::string& object, const std::string& key)
{
    size_t at = json.find("\"" + object + "\":{");
    if (at == std::string::npos) return -12345;
    at = json.find("\"" + key + "\":", at);
    return at == std::string::npos ? -12345 : std::atof(json.c_str() + at + key.size() + 3);
}

// Writes each input as a script line and feeds it to the game running in this process.
struct Script {
    std::ostringstream text;
    void event(long pass, const std::string& what)
    {
        text << pass << " " << what << "\n";
        std::istringstream in(what);
        std::string verb, a, c;
        in >> verb >> a >> c;
        static const std::map<std::string, int> keys = {{"f2", KEY_F2}, {"f8", KEY_F8}};
        if (verb == "mouse") Sys_InjectMouseMove((float)std::atof(a.c_str()), (float)std::atof(c.c_str()));
        if (verb == "click") {
            Sys_InjectMouseButton(1, true);
            Sys_InjectMouseButton(1, false);
        }
        if (verb == "press") Sys_InjectMouseButton(1, true);
        if (verb == "release") Sys_InjectMouseButton(1, false);
        if (verb == "keydown") Sys_InjectKey(keys.at(a), true);
        if (verb == "keyup") Sys_InjectKey(keys.at(a), false);
    }
};

bool boardAtRest(const tavoTSceneMatch3& b)
{
    if (b._swapping != 0 || b._abwahl != 0 || g_powerUpBusy != 0) return false;
    for (int i = 1; i <= 150; ++i)
        if (b._itemA[i] > 0 && b._itemA[i] < 999 && (b._Item_f[i] != 0 || b._itemCell[i] == 0)) return false;
    return true;
}

// A plain gem near the middle of the board to aim a power-up at.
int middleGem(const tavoTSceneMatch3& b)
{
    int best = 0;
    float bestD = 1e9f;
    for (int i = 1; i <= 150; ++i) {
        if (b._itemA[i] < 1 || b._itemA[i] > 5 || b._itemCell[i] == 0) continue;
        float d = std::abs(b._itemX[i] - 512) + std::abs(b._itemY[i] - 384);
        if (d < bestD) {
            bestD = d;
            best = i;
        }
    }
    return best;
}

std::string at(float x, float y) { return std::to_string((int)x) + " " + std::to_string((int)y); }

// The main-loop passes of the game running in this process, counted from 1 as the harness counts them.
struct Passes {
    long pass = 1;
    void run(long until)
    {
        for (; pass < until; ++pass) mainLoopPass(false);
    }
    bool waitFor(const std::function<bool()>& done, long limit)
    {
        long end = pass + limit;
        while (pass < end && !done()) mainLoopPass(false), ++pass;
        return done();
    }
};
}

TEST(PowerUpPlay, EachPowerUpUnlockedAndUsedByMouseAndAMeteorCaught)
{
    std::string dir = tempDir("powerup-play");
    ASSERT_LT(startRehearsal(MORVELLE_DATA_DIR, dir + "rehearsal", 4), 0);
    g_devMode = 1;
    enterBoardDirectly(10);
    tavoTSceneMatch3& b = *sceneMatch3;
    Script s;
    Passes game;
    long& pass = game.pass;
    auto run = [&](long until) { game.run(until); };
    auto waitFor = [&](const std::function<bool()>& done, long limit) { return game.waitFor(done, limit); };

    // points from the developer key: enough for all four
    run(160);
    s.event(pass, "keydown f2");
    run(300);
    s.event(pass, "keyup f2");
    run(310);
    ASSERT_GE(g_players[1]->StoryPoints, 250000);

    tavoTPowerUp* order[4] = {puRemoveLine, puRemoveSameItem, puThrowExplosive, puReplaceAllItems};
    const char* names[4] = {"removeline", "removesameitems", "throwexplosive", "replaceallitems"};
    for (int k = 0; k < 4; ++k) {
        tavoTPowerUp& pu = *order[k];
        ASSERT_TRUE(waitFor([&] { return boardAtRest(b); }, 400)) << names[k];
        s.event(pass, "mouse " + at(pu._x, pu._y));
        run(pass + 25);
        if (k == 0) s.event(pass, std::string("shot ") + dir + "tooltip.png");
        s.event(pass, "click left");
        run(pass + 1);
        ASSERT_EQ(pu.isUnlocked, 1) << names[k];
        run(pass + 20);
        s.event(pass, "click left");
        run(pass + 1);
        if (k < 2) {
            ASSERT_EQ(pu.isSelected, 1) << names[k];
            int gem = middleGem(b);
            ASSERT_GT(gem, 0);
            s.event(pass, "mouse " + at(b._itemX[gem], b._itemY[gem]));
            run(pass + 15);
            s.event(pass, std::string("shot ") + dir + names[k] + "-aim.png");
            s.event(pass, "click left");
            run(pass + 1);
        }
        ASSERT_EQ(pu.isRunning, 1) << names[k];
        s.event(pass, "mouse 512 740");
        int shotAt[4] = {12, 8, 40, 30};
        run(pass + shotAt[k]);
        s.event(pass, std::string("shot ") + dir + names[k] + ".png");
        ASSERT_TRUE(waitFor([&] { return pu.isRunning == 0; }, 200)) << names[k];
        EXPECT_EQ(pu.isFirstTime, 0) << names[k];
    }
    run(pass + 30);
    s.event(pass, std::string("shot ") + dir + "wave.png");

    // a meteor on F8, caught in its upper half once it is well on the screen
    ASSERT_TRUE(waitFor([&] { return boardAtRest(b); }, 400));
    int bombsBefore = 0;
    for (int i = 1; i <= 150; ++i) bombsBefore += b._itemA[i] == _ITEM_BOMB;
    s.event(pass, "keydown f8");
    run(pass + 1);
    s.event(pass, "keyup f8");
    TMeteor& m = *g_meteor;
    ASSERT_EQ(m.inAction, 1);
    ASSERT_TRUE(waitFor([&] { return m.positionX > 250 && m.positionX < 700; }, 300));
    s.event(pass, std::string("shot ") + dir + "meteor.png");
    float nx = m.positionX + m.directionX, ny = m.positionY + m.directionY;
    s.event(pass, "mouse " + at(nx + 25, ny + 10));
    s.event(pass, "click left");
    run(pass + 1);
    ASSERT_EQ(m.isHit, 1);
    long hitAt = pass;
    run(pass + 60);
    s.event(pass, std::string("shot ") + dir + "rain.png");
    ASSERT_TRUE(waitFor([&] { return m.inAction == 0; }, 120));
    run(pass + 3);
    s.event(pass, std::string("shot ") + dir + "bombs.png");
    s.event(pass, std::string("dump ") + dir + "after.json");
    long last = pass + 1;
    int bombs = 0;
    for (int i = 1; i <= 150; ++i) bombs += b._itemA[i] == _ITEM_BOMB;
    EXPECT_EQ(bombs - bombsBefore, 3);   // three fragments on three items
    EXPECT_GE(pass - hitAt, 83);
    Sys_SetFrameUnseen(false);
    quitGame();
    shutdownGame();

    // the same inputs through the harness binary
    ASSERT_EQ(runHarness("--save " + dir + "play --seed 4 --board 10 --dev --frames " + std::to_string(last), s.text.str(), dir,
                         "play"),
              0)
        << readFile(dir + "play.out");
    std::string after = readFile(dir + "after.json");
    for (const char* pu : {"puRemoveLine", "puRemoveSameItem", "puThrowExplosive", "puReplaceAllItems"}) {
        EXPECT_EQ(field(after, pu, "isUnlocked"), 1) << pu;
        EXPECT_EQ(field(after, pu, "isFirstTime"), 0) << pu;
        EXPECT_EQ(field(after, pu, "isRunning"), 0) << pu;
    }
    EXPECT_EQ(field(after, "g_meteor", "inAction"), 0);
    EXPECT_GT(field(after, "g_meteor", "nextAppearance"), 500);
    EXPECT_EQ(after.find("\"g_powerUpBusy\":0") != std::string::npos, true);
    for (const char* shot : {"tooltip", "removeline", "removesameitems", "throwexplosive", "replaceallitems", "meteor", "bombs"})
        EXPECT_GT(readFile(dir + shot + ".png").size(), 1000u) << shot;

    // cascades, every power-up and the meteor look the same painted in changed rectangles as painted whole
    expectPaintingInChangesShowsTheSame("--data " MORVELLE_DATA_DIR " --save " + dir + "paint --seed 4 --board 10 --dev --frames " +
                                            std::to_string(last),
                                        dir + "paint", s.text.str(), dir, "paint");
}

TEST(PowerUpPlay, TheBoardMenuAnswersWhileRemoveLineWaitsForItsRowAndAPickedRowLeavesNoSelection)
{
    std::string dir = tempDir("powerup-menu");
    ASSERT_LT(startRehearsal(MORVELLE_DATA_DIR, dir + "rehearsal", 5), 0);
    g_devMode = 1;
    enterBoardDirectly(10);
    tavoTSceneMatch3& b = *sceneMatch3;
    Script s;
    Passes game;
    long& pass = game.pass;
    auto run = [&](long until) { game.run(until); };
    auto waitFor = [&](const std::function<bool()>& done, long limit) { return game.waitFor(done, limit); };
    auto clickAt = [&](float x, float y) {
        s.event(pass, "mouse " + at(x, y));
        run(pass + 3);
        s.event(pass, "click left");
        run(pass + 1);
    };
    // points from the developer key, then remove line unlocked and selected
    run(160);
    s.event(pass, "keydown f2");
    run(200);
    s.event(pass, "keyup f2");
    TSpieler& player = *g_players[g_currentPlayer];
    tavoTPowerUp& line = *puRemoveLine;
    ASSERT_TRUE(waitFor([&] { return boardAtRest(b); }, 600));
    clickAt(line._x, line._y);
    ASSERT_EQ(line.isUnlocked, 1);
    run(pass + 5);
    clickAt(line._x, line._y);
    ASSERT_EQ(line.isSelected, 1);
    const int points = player.StoryPoints, levelPoints = player.LevelPoints;

    // Continue sits over the hidden board: the menu takes the click and closes, the row is not picked
    clickAt(tavoTSceneMatch3::_MENUBUTTON_X, tavoTSceneMatch3::_MENUBUTTON_Y);
    ASSERT_TRUE(waitFor([&] { return popupHandler->runtime == 16; }, 60));
    clickAt(607, 454);
    EXPECT_EQ(line.isRunning, 0);
    EXPECT_EQ(player.StoryPoints, points);
    EXPECT_TRUE(waitFor([&] { return popupHandler->State == 0 && popupHandler->runtime == 0; }, 60));
    EXPECT_EQ(line.isSelected, 1);
    EXPECT_EQ(line.isRunning, 0);
    EXPECT_EQ(player.LevelPoints, levelPoints);
    s.event(pass, std::string("dump ") + dir + "continued.json");
    run(pass + 1);

    // a row picked by a click: the press leaves no gem selected for a swap once the row has gone and refilled
    int gem = middleGem(b);
    ASSERT_GT(gem, 0);
    s.event(pass, "mouse " + at(b._itemX[gem], b._itemY[gem]));
    run(pass + 3);
    s.event(pass, "press left");   // held for a few frames, as a hand clicks
    run(pass + 4);
    s.event(pass, "release left");
    run(pass + 1);
    EXPECT_EQ(line.isRunning, 1);
    EXPECT_TRUE(waitFor([&] { return line.isRunning == 0 && boardAtRest(b); }, 400));
    EXPECT_EQ(b._gt3_partner1, 0);
    s.event(pass, std::string("dump ") + dir + "picked.json");
    run(pass + 1);
    clickAt(line._x, line._y);
    ASSERT_EQ(line.isSelected, 1);
    const int pointsAfterRow = player.StoryPoints, levelPointsAfterRow = player.LevelPoints;

    // Exit does the same and leaves for the map, the points untouched
    clickAt(tavoTSceneMatch3::_MENUBUTTON_X, tavoTSceneMatch3::_MENUBUTTON_Y);
    ASSERT_TRUE(waitFor([&] { return popupHandler->runtime == 16; }, 60));
    clickAt(417, 454);
    EXPECT_EQ(line.isRunning, 0);
    EXPECT_TRUE(waitFor([&] { return g_scene == SCENE_ROADMAP; }, 60));
    EXPECT_EQ(player.StoryPoints, pointsAfterRow);
    EXPECT_EQ(player.LevelPoints, levelPointsAfterRow);
    s.event(pass, std::string("dump ") + dir + "left.json");
    long last = pass + 1;
    Sys_SetFrameUnseen(false);
    quitGame();
    shutdownGame();

    // the same inputs through the harness binary
    ASSERT_EQ(runHarness("--save " + dir + "play --seed 5 --board 10 --dev --frames " + std::to_string(last), s.text.str(), dir,
                         "play"),
              0)
        << readFile(dir + "play.out");
    std::string continued = readFile(dir + "continued.json"), left = readFile(dir + "left.json");
    EXPECT_EQ(field(continued, "popupHandler", "State"), 0);
    EXPECT_EQ(field(continued, "puRemoveLine", "isSelected"), 1);
    EXPECT_EQ(field(continued, "puRemoveLine", "isRunning"), 0);
    EXPECT_EQ(field(continued, "player", "LevelPoints"), levelPoints);
    EXPECT_EQ(field(readFile(dir + "picked.json"), "sceneMatch3", "_gt3_partner1"), 0);
    EXPECT_EQ(dumpField(left, "g_scene"), SCENE_ROADMAP);
    EXPECT_EQ(field(left, "player", "StoryPoints"), pointsAfterRow);
    EXPECT_EQ(field(left, "player", "LevelPoints"), levelPointsAfterRow);
}
