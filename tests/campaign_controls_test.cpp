// The whole first evening without a mouse: once by keys alone and once by a game controller alone, from an empty save
// folder to the quit question, played in this process and replayed through the harness binary.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <string>

#include "campaign/config.h"
#include "campaign/level_points.h"
#include "campaign/scene_story.h"
#include "campaign/spieler.h"
#include "framework/scene.h"
#include "framework/script_input.h"
#include "frontend/focus.h"
#include "frontend/letter_grid.h"
#include "match3/scene_match3.h"
#include "tests/harness_support.h"
#include "tests/language_support.h"
#include "tests/spine_support.h"

namespace {
constexpr unsigned SEED = 7;
constexpr int MENU_START_X = 905, MENU_PLAYER_X = 115, MENU_CHAMPIONS_X = 355, MENU_OPTIONS_X = 663, MENU_BUTTON_Y = 666;
constexpr int CLOSE_X = 937, CLOSE_Y = 29;
constexpr int MANAGER_NEW_X = 323, MANAGER_OK_X = 512, MANAGER_BUTTON_Y = 584;

bool sceneReady(int id)
{
    return g_scene == id && sceneHandler->FaderDir == FADER_DIR_IN && sceneHandler->FaderColor >= 255;
}

// One player's hands: the keyboard's arrows, Enter and Escape, or a pad's D-pad, south and east buttons.
struct Hands {
    ScriptedSession& s;
    bool pad;
    void move(int dx, int dy)
    {
        const char* keys[4] = {"left", "right", "up", "down"};
        const char* dpad[4] = {"dpleft", "dpright", "dpup", "dpdown"};
        const int d = dx < 0 ? 0 : dx > 0 ? 1 : dy < 0 ? 2 : 3;
        if (pad) {
            s.at(std::string("pad ") + dpad[d]);
            s.run(3);
        } else {
            s.key(keys[d]);
        }
        s.run(1);
    }
    void confirm()
    {
        if (pad) {
            s.at("pad a");
            s.run(3);
        } else {
            s.key("enter");
        }
    }
    void cancel()
    {
        if (pad) {
            s.at("pad b");
            s.run(3);
        } else {
            s.key("escape");
        }
    }
    // Arrows until the focus stands on the target nearest (x, y), as a player steers by eye.
    bool focusTo(float x, float y, float near = 24, int tries = 40)
    {
        for (int i = 0; i < tries; ++i) {
            float fx = 0, fy = 0;
            const bool has = focusPosition(fx, fy);
            if (has && focusShown() && std::fabs(fx - x) <= near && std::fabs(fy - y) <= near) return true;
            if (!has || !focusShown()) {
                move(0, 1);
                continue;
            }
            const float dx = x - fx, dy = y - fy;
            // the longer way first; when it is done, the other
            if (std::fabs(dx) > near && (std::fabs(dx) >= std::fabs(dy) || std::fabs(dy) <= near)) move(dx > 0 ? 1 : -1, 0);
            else move(0, dy > 0 ? 1 : -1);
        }
        return false;
    }
    // A name: typed on the keyboard as keys and characters, or picked on the pad's letter grid and finished by start.
    void name(const std::string& letters)
    {
        if (!pad) {
            for (char c : letters) {
                const char lower = (char)std::tolower((unsigned char)c);
                // the letters that are also moves come as keys too, as a keyboard sends them
                if (scriptKeyCode(std::string(1, lower)) >= 0) s.at(std::string("key ") + lower);
                s.at(std::string("text ") + c);
                s.step();
            }
            s.key("enter");
            return;
        }
        for (char c : letters) {
            const int i = std::toupper((unsigned char)c) - 'A';
            const bool lower = std::islower((unsigned char)c);
            const float shiftX = GRID_LEFT + GRID_CELL_W * (float)GRID_SHIFT_SPAN / 2, shiftY = gridCellY(3 * GRID_COLUMNS);
            // the shift key turns the grid to the case wanted
            const bool gridLower = lowerGrid;
            if (lower != gridLower) {
                focusTo(shiftX, shiftY, 30);
                confirm();
                lowerGrid = lower;
            }
            focusTo(gridCellX(i), gridCellY(i), 8);
            confirm();
        }
        s.at("pad start");
        s.run(3);
        lowerGrid = false;
    }
    bool lowerGrid = false;
};

// The board's cell whose centre lies nearest (x, y).
int cellAt(const tavoTSceneMatch3& b, float x, float y)
{
    int best = 0;
    float bestD = 0;
    for (int q = 1; q <= M3_LAST_SLOT; ++q) {
        if (b._CellA[q] <= 0) continue;
        const float d = std::fabs(b._CellX[q] - x) + std::fabs(b._CellY[q] - y);
        if (!best || d < bestD) {
            best = q;
            bestD = d;
        }
    }
    return best;
}

// Plays the board by the cursor until the level is won: each swap read from the board as the mouse's player reads
// it, the cursor steered to the gem, confirm to pick it and an arrow toward its partner; false when it is not won
// within the passes a player would take.
bool playLevelByCursor(ScriptedSession& s, Hands& h, const std::string& pickedShot)
{
    bool shown = false;
    tavoTSceneMatch3& b = *sceneMatch3;
    SwapPicker picker(&b);
    const long limit = s.pass + 12000;
    while (s.pass < limit && b._winrun == 0) {
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        if (dialogOpen(POPUP_INSTRUCTIONS)) {
            h.confirm();
            continue;
        }
        if (!picker.atRest() || !picker.pick(x1, y1, x2, y2)) {
            s.step();
            continue;
        }
        const int from = cellAt(b, x1, y1);
        for (int i = 0; i < 30 && (b._cursorCell != from || !b._cursorActs()); ++i) {
            const int at = b._cursorCell;
            const float dx = at ? b._CellX[from] - b._CellX[at] : 0, dy = at ? b._CellY[from] - b._CellY[at] : 1;
            if (std::fabs(dx) >= std::fabs(dy) && std::fabs(dx) > 1) h.move(dx > 0 ? 1 : -1, 0);
            else h.move(0, dy > 0 ? 1 : -1);
        }
        if (b._cursorCell != from) return false;
        h.confirm();
        if (!shown) {
            s.at("shot " + pickedShot);
            s.step();
            shown = true;
        }
        const float dx = x2 - x1, dy = y2 - y1;
        if (std::fabs(dx) > std::fabs(dy)) h.move(dx > 0 ? 1 : -1, 0);
        else h.move(0, dy > 0 ? 1 : -1);
        s.run(20);
    }
    return b._winrun != 0;
}

// The whole evening by one pair of hands; under a German locale when `german`, whose dumps then hold no English line.
void playEvening(bool pad, bool german)
{
    const std::string dir = tempDir(german ? "controls-keys-de" : pad ? "controls-pad" : "controls-keys");
    for (const char* v : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) unsetenv(v);
    setenv("LANG", german ? "de_DE.UTF-8" : "C.UTF-8", 1);
    ScriptedSession s;
    ASSERT_LT(startRehearsal(MORVELLE_DATA_DIR, dir + "rehearsal", SEED), 0);
    Hands h{s, pad};
    // a shot or dump takes a pass of its own, so that the next key does not land in the frame it shows
    auto shot = [&](const std::string& name) {
        s.at("shot " + dir + name + ".png");
        s.step();
    };
    auto dump = [&](const std::string& name) {
        s.at("dump " + dir + name + ".json");
        s.step();
    };
    if (pad) s.at("pad connect");

    // the splash pages skipped by their own key (the pad's confirm), then the loading screen
    ASSERT_EQ(g_scene, SCENE_INTRO);
    s.run(20);
    for (int i = 0; i < 40 && g_scene == SCENE_INTRO; ++i) {
        if (pad) h.confirm();
        else h.cancel();
        s.run(20);
    }
    ASSERT_TRUE(s.waitFor([] { return g_scene == SCENE_MAINMENU && dialogOpen(POPUP_NEWPLAYER); }, 1200));

    // the first name: typed, or on the pad's letter grid
    if (pad) h.move(0, 1);
    h.name("Ada");
    ASSERT_TRUE(s.waitFor(noDialog, 60));
    ASSERT_EQ(g_currentPlayer, 1);
    ASSERT_EQ(g_players[1]->Name, "Ada");

    // start: the story's two pages, turned by confirm; the map and its help page
    ASSERT_TRUE(h.focusTo(MENU_START_X, MENU_BUTTON_Y, 40));
    shot("menu");
    h.confirm();
    ASSERT_TRUE(s.waitFor([] { return sceneReady(SCENE_STORY); }, 120));
    shot("story");
    h.confirm();
    ASSERT_TRUE(s.waitFor([] { return sceneReady(SCENE_STORY) && sceneStory->_page == 2; }, 120));
    h.confirm();
    ASSERT_TRUE(s.waitFor([] { return dialogOpen(POPUP_ROADMAPHELP); }, 150));
    shot("maphelp");
    h.confirm();
    ASSERT_TRUE(s.waitFor(noDialog, 60));

    // the frontier holds the focus: confirm previews it, and the preview's play is in focus
    s.run(5);
    shot("map");
    h.confirm();
    ASSERT_TRUE(s.waitFor([] { return dialogOpen(POPUP_STAGE); }, 60));
    shot("preview");
    h.confirm();
    ASSERT_TRUE(s.waitFor([] { return g_scene == SCENE_MATCH3; }, 80));

    // level 1: its help page, then the level played by the cursor to the score board
    ASSERT_TRUE(s.waitFor([] { return dialogOpen(POPUP_INSTRUCTIONS); }, 200));
    h.confirm();
    ASSERT_TRUE(s.waitFor(noDialog, 60));
    ASSERT_TRUE(playLevelByCursor(s, h, dir + "cursor.png")) << "level 1 not won by the cursor";
    s.run(130);
    shot("scoreboard");
    dump("scoreboard");
    for (int tries = 0; tries < 3 && g_scene == SCENE_MATCH3; ++tries) {
        h.confirm();
        s.waitFor([] { return sceneReady(SCENE_ROADMAP); }, 300);
    }
    ASSERT_TRUE(sceneReady(SCENE_ROADMAP));
    dump("map-level2");
    ASSERT_TRUE(h.focusTo(CLOSE_X, CLOSE_Y));
    h.confirm();
    ASSERT_TRUE(s.waitFor([] { return sceneReady(SCENE_MAINMENU); }, 100));

    // options: the music three steps louder, closed by cancel, which saves
    ASSERT_TRUE(h.focusTo(MENU_OPTIONS_X, MENU_BUTTON_Y, 40));
    h.confirm();
    ASSERT_TRUE(s.waitFor([] { return dialogOpen(POPUP_OPTIONS); }, 60));
    const int music = g_config->musiklautsoll;
    for (int i = 0; i < 3; ++i) h.move(1, 0);
    shot("options");
    EXPECT_EQ(g_config->musiklautsoll, music + 3 * 14);
    h.cancel();
    ASSERT_TRUE(s.waitFor(noDialog, 60));

    // champions, looked at and closed
    ASSERT_TRUE(h.focusTo(MENU_CHAMPIONS_X, MENU_BUTTON_Y, 40));
    h.confirm();
    ASSERT_TRUE(s.waitFor([] { return dialogOpen(POPUP_CHAMP); }, 60));
    shot("champions");
    h.cancel();
    ASSERT_TRUE(s.waitFor(noDialog, 60));

    // a second player from the player menu, then Ada chosen again by her row
    ASSERT_TRUE(h.focusTo(MENU_PLAYER_X, MENU_BUTTON_Y, 40));
    h.confirm();
    ASSERT_TRUE(s.waitFor([] { return dialogOpen(POPUP_MANAGER); }, 60));
    ASSERT_TRUE(h.focusTo(MANAGER_NEW_X, MANAGER_BUTTON_Y, 30));
    h.confirm();
    ASSERT_TRUE(s.waitFor([] { return dialogOpen(POPUP_NEWPLAYER); }, 60));
    if (pad) shot("grid");
    h.name("Bob");
    ASSERT_TRUE(s.waitFor(noDialog, 60));
    ASSERT_EQ(g_currentPlayer, 2);
    ASSERT_TRUE(h.focusTo(MENU_PLAYER_X, MENU_BUTTON_Y, 40));
    h.confirm();
    ASSERT_TRUE(s.waitFor([] { return dialogOpen(POPUP_MANAGER); }, 60));
    // Ada leads by points: the first row; the focus starts on Bob's
    h.move(0, -1);
    h.move(0, -1);
    shot("players");
    h.confirm();
    EXPECT_EQ(g_currentPlayer, 1);
    ASSERT_TRUE(h.focusTo(MANAGER_OK_X, MANAGER_BUTTON_Y, 30));
    h.confirm();
    ASSERT_TRUE(s.waitFor(noDialog, 60));

    // the close button asks, and confirm on its ok quits
    ASSERT_TRUE(h.focusTo(CLOSE_X, CLOSE_Y));
    h.confirm();
    ASSERT_TRUE(s.waitFor([] { return dialogOpen(POPUP_QUIT); }, 60));
    shot("quit");
    dump("quit");
    for (int tries = 0; tries < 4 && g_quit == 0; ++tries) {
        h.move(1, 0);
        h.confirm();
        s.waitFor([] { return g_quit == 1; }, 40);
    }
    ASSERT_EQ(g_quit, 1);
    const long last = s.pass;
    Sys_SetFrameUnseen(false);
    quitGame();
    shutdownGame();

    // the same events through the harness binary on a save folder of its own; not one mouse event among them
    const std::string script = s.rec.script.str();
    EXPECT_EQ(script.find(" mouse "), std::string::npos);
    EXPECT_EQ(script.find(" click "), std::string::npos);
    EXPECT_EQ(script.find(pad ? " key" : " pad"), std::string::npos);
    ASSERT_EQ(runHarnessScript("--data " MORVELLE_DATA_DIR " --save " + dir + "play --seed 7 --frames " + std::to_string(last + 5),
                               script, dir, "replay"),
              0)
        << readFile(dir + "replay.out");
    const std::string ada = readFile(dir + "play/players1.ppp"), bob = readFile(dir + "play/players2.ppp");
    ASSERT_GE(ada.size(), 20u);
    EXPECT_EQ(intAt(ada, 4), 2);   // StoryLevel: level 1 won
    EXPECT_NE(ada.find("Ada"), std::string::npos);
    EXPECT_NE(bob.find("Bob"), std::string::npos);
    EXPECT_NE(readFile(dir + "play/besttimes.ppp").find("Ada"), std::string::npos);
    const std::string settings = readFile(dir + "play/settings.txt");
    EXPECT_NE(settings.find(std::to_string(music + 3 * 14)), std::string::npos) << settings;
    const std::string quit = readFile(dir + "quit.json");
    EXPECT_NE(quit.find("\"g_currentPlayer\":1"), std::string::npos);
    EXPECT_EQ(dumpField(readFile(dir + "map-level2.json"), "player", "StoryLevel"), 2);
    for (const char* name : {"menu", "story", "maphelp", "map", "preview", "cursor", "scoreboard", "options", "champions", "players", "quit"})
        EXPECT_GT(readFile(dir + name + ".png").size(), 1000u) << name;
    setenv("LANG", "C.UTF-8", 1);
    if (!german) return;
    const std::set<std::string> english = linesOnlyIn(gameLanguages()[0], gameLanguages()[1]);
    for (const char* name : {"scoreboard", "map-level2", "quit"}) {
        const std::vector<std::string> texts = drawnTexts(readFile(dir + name + ".json"));
        EXPECT_FALSE(texts.empty()) << name;
        for (const std::string& t : texts) EXPECT_EQ(english.count(t), 0u) << name << ": \"" << t << "\"";
    }
}

class Controls : public ::testing::TestWithParam<bool> {};
}  // namespace

TEST_P(Controls, TheFirstEveningFromSplashToQuitWithoutAMouse) { playEvening(GetParam(), false); }

// Keys under a German locale: the same evening, level 1 won by the cursor, and every text on the way German.
TEST(ControlsInGerman, TheEveningByKeysIsGermanFromTheNameToTheQuitQuestion) { playEvening(false, true); }

INSTANTIATE_TEST_SUITE_P(ByKeysAndByPad, Controls, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& i) { return i.param ? "Pad" : "Keys"; });
