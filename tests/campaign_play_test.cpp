// The whole game as a new player meets it, from an empty save folder to the quit question, then a second start
// that carries on: played in this process, then replayed through the harness binary.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "campaign/level_points.h"
#include "campaign/scene_story.h"
#include "fonts/bitmapfont.h"
#include "framework/bild.h"
#include "framework/scene.h"
#include "frontend/playermenu.h"
#include "frontend/widgets.h"
#include "tests/harness_support.h"
#include "tests/spine_support.h"

namespace {
constexpr int LEVEL_ONE_X = kMapLevelPoints[0][0], LEVEL_ONE_Y = kMapLevelPoints[0][1];   // the first point of the map
constexpr int MENU_START_X = 905, MENU_PLAYER_X = 115, MENU_CHAMPIONS_X = 355, MENU_BUTTON_Y = 666;
constexpr int CLOSE_X = 937, CLOSE_Y = 29;
constexpr int DIALOG_RIGHT_X = 612, DIALOG_BUTTON_Y = 484;   // ok of the name entry and the dialogs' button row
constexpr int RESUME_X = 617, QUIT_OK_X = 617;
constexpr int STORY_NEXT_X = 900, STORY_NEXT_Y = 710;
constexpr int PLAY_X = 512, PLAY_Y = 556;   // the preview's play button
constexpr int MANAGER_NEW_X = 323, MANAGER_OK_X = 512, MANAGER_BUTTON_Y = 584;

bool sceneReady(int id)
{
    return g_scene == id && sceneHandler->FaderDir == FADER_DIR_IN && sceneHandler->FaderColor >= 255;
}

constexpr unsigned SEED = 7;

// Top of the level preview's close button.
int previewCloseY() { return 384 - (int)popupHandler->imgPopupMedium->H / 2 + 40; }

// The screen y inside row n (1 = first) of the player menu's list.
int managerRowY(int n)
{
    const float top = 384 - g_imgPlayerMenu->H / 2, fh = (float)g_fontText->GetFontHeight();
    return (int)(top + (fh + PLAYERMENU_ROW_SPACING) * (float)n + fh / 2);
}

int firstOf(const std::string& json, const std::string& key)
{
    size_t at = json.find("\"" + key + "\":[");
    return at == std::string::npos ? -12345 : std::atoi(json.c_str() + at + key.size() + 4);
}

std::string firstTextOf(const std::string& json, const std::string& key)
{
    size_t at = json.find("\"" + key + "\":[\"");
    if (at == std::string::npos) return "";
    at += key.size() + 5;
    return json.substr(at, json.find('"', at) - at);
}
}  // namespace

TEST(CampaignPlay, AFreshPlayerWinsTheFirstLevelAndTheNextStartCarriesOn)
{
    std::string dir = tempDir("campaign-play");
    ScriptedSession s;
    ASSERT_LT(startRehearsal(MORVELLE_DATA_DIR, dir + "rehearsal", SEED), 0);
    auto shot = [&](const std::string& name) { s.at("shot " + dir + name + ".png"); };
    auto dump = [&](const std::string& name) { s.at("dump " + dir + name + ".json"); };

    // the first splash page, then the rest skipped by a held Escape; the loading screen
    ASSERT_EQ(g_scene, SCENE_INTRO);
    s.run(40);
    shot("splash");
    s.at("keydown escape");
    ASSERT_TRUE(s.waitFor([] { return g_scene == SCENE_LOADSCREEN; }, 800));
    s.at("keyup escape");
    s.run(250);
    shot("loading");

    // the menu asks for the first profile by itself
    ASSERT_TRUE(s.waitFor([] { return g_scene == SCENE_MAINMENU && dialogOpen(POPUP_NEWPLAYER); }, 800));
    s.at("text Ada");
    s.run(3);
    shot("firstname");
    s.key("enter");
    ASSERT_TRUE(s.waitFor(noDialog, 60));
    ASSERT_EQ(g_currentPlayer, 1);
    s.run(5);
    shot("welcome");

    // start: a traveller who never played is not asked to resume, straight into story pages 1 and 2, then the map
    // and its help
    s.click(MENU_START_X, MENU_BUTTON_Y);
    ASSERT_TRUE(s.waitFor([] { return g_scene == SCENE_STORY || popupHandler->runtime > 0; }, 60));
    ASSERT_EQ(popupHandler->runtime, 0) << "dialog " << popupHandler->State;
    ASSERT_TRUE(s.waitFor([] { return sceneReady(SCENE_STORY); }, 100));
    ASSERT_EQ(sceneStory->_page, 1);
    shot("story1");
    s.click(STORY_NEXT_X, STORY_NEXT_Y);
    ASSERT_TRUE(s.waitFor([] { return sceneReady(SCENE_STORY) && sceneStory->_page == 2; }, 100));
    s.click(STORY_NEXT_X, STORY_NEXT_Y);
    ASSERT_TRUE(s.waitFor([] { return dialogOpen(POPUP_ROADMAPHELP); }, 150));
    ASSERT_EQ(g_scene, SCENE_ROADMAP);
    shot("maphelp");
    s.key("enter");
    ASSERT_TRUE(s.waitFor(noDialog, 60));

    // level 1 under the pointer names itself; a click opens its preview; play
    s.at("mouse " + std::to_string(LEVEL_ONE_X) + " " + std::to_string(LEVEL_ONE_Y));
    s.run(10);
    shot("tooltip");
    s.click(LEVEL_ONE_X, LEVEL_ONE_Y);
    ASSERT_TRUE(s.waitFor([] { return dialogOpen(POPUP_STAGE); }, 60));
    shot("preview-new");
    s.click(PLAY_X, PLAY_Y);
    ASSERT_TRUE(s.waitFor([] { return g_scene == SCENE_MATCH3; }, 60));

    // the level by real swaps; Enter closes its help page and confirms the score board
    SwapPicker picker(sceneMatch3);
    int swaps = 0;
    long limit = s.pass + 12000;
    while (s.pass < limit && sceneMatch3->_winrun == 0) {
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        if (dialogOpen(POPUP_INSTRUCTIONS)) {
            s.key("enter");
        } else if (picker.atRest() && s.pass % 10 == 0 && picker.pick(x1, y1, x2, y2)) {
            s.at("mouse " + std::to_string((int)x1) + " " + std::to_string((int)y1));
            s.at("press left");
            s.step();
            s.at("mouse " + std::to_string((int)x2) + " " + std::to_string((int)y2));
            s.step();
            s.at("release left");
            s.step();
            ++swaps;
        } else {
            s.step();
        }
    }
    ASSERT_GT(sceneMatch3->_winrun, 0) << "level 1 not won after " << swaps << " swaps";
    s.at("mouse 512 740");
    s.run(60);
    shot("victory");
    s.run(70);
    for (int tries = 0; tries < 3 && g_scene == SCENE_MATCH3; ++tries) {
        s.key("enter");
        s.waitFor([] { return sceneReady(SCENE_ROADMAP); }, 300);
    }
    ASSERT_TRUE(sceneReady(SCENE_ROADMAP));
    s.at("mouse 512 300");   // no name tip over the new point
    s.run(20);
    shot("map-level2");
    dump("map-level2");

    // the preview of level 1 now shows the best time; close it, close the map
    s.click(LEVEL_ONE_X, LEVEL_ONE_Y);
    ASSERT_TRUE(s.waitFor([] { return dialogOpen(POPUP_STAGE); }, 60));
    shot("preview-besttime");
    dump("preview-besttime");
    s.click(707, previewCloseY());
    ASSERT_TRUE(s.waitFor(noDialog, 60));
    s.click(CLOSE_X, CLOSE_Y);
    ASSERT_TRUE(s.waitFor([] { return g_scene == SCENE_MAINMENU && sceneHandler->FaderColor >= 255; }, 60));

    // a second profile from the player menu, then Ada chosen again
    s.click(MENU_PLAYER_X, MENU_BUTTON_Y);
    ASSERT_TRUE(s.waitFor([] { return dialogOpen(POPUP_MANAGER); }, 60));
    s.click(MANAGER_NEW_X, MANAGER_BUTTON_Y);
    ASSERT_TRUE(s.waitFor([] { return dialogOpen(POPUP_NEWPLAYER); }, 60));
    s.at("text Bob");
    s.run(3);
    s.click(DIALOG_RIGHT_X, DIALOG_BUTTON_Y);
    ASSERT_TRUE(s.waitFor(noDialog, 60));
    ASSERT_EQ(g_currentPlayer, 2);
    s.run(5);
    shot("welcome-bob");
    s.click(MENU_PLAYER_X, MENU_BUTTON_Y);
    ASSERT_TRUE(s.waitFor([] { return dialogOpen(POPUP_MANAGER); }, 60));
    shot("players");
    s.click(512, managerRowY(1));
    EXPECT_EQ(g_currentPlayer, 1);
    s.click(MANAGER_OK_X, MANAGER_BUTTON_Y);
    ASSERT_TRUE(s.waitFor(noDialog, 60));

    // the champions table
    s.click(MENU_CHAMPIONS_X, MENU_BUTTON_Y);
    ASSERT_TRUE(s.waitFor([] { return dialogOpen(POPUP_CHAMP); }, 60));
    shot("champions");
    s.key("escape");
    ASSERT_TRUE(s.waitFor(noDialog, 60));

    // the close button asks; ok quits through the fade
    s.click(CLOSE_X, CLOSE_Y);
    ASSERT_TRUE(s.waitFor([] { return dialogOpen(POPUP_QUIT); }, 60));
    shot("quit");
    dump("quit");
    s.click(QUIT_OK_X, DIALOG_BUTTON_Y);
    ASSERT_TRUE(s.waitFor([] { return g_quit == 1; }, 100));
    long firstLast = s.pass;
    Sys_SetFrameUnseen(false);
    quitGame();
    shutdownGame();
    const std::string firstScript = s.rec.script.str();

    // The second start with the same folder: straight to Ada's map, level 2 the frontier, the best time kept.
    ScriptedSession t;
    ASSERT_LT(startRehearsal(MORVELLE_DATA_DIR, dir + "rehearsal", SEED), 0);
    auto shot2 = [&](const std::string& name) { t.at("shot " + dir + name + ".png"); };
    t.run(1);
    t.at("keydown escape");
    ASSERT_TRUE(t.waitFor([] { return g_scene == SCENE_LOADSCREEN; }, 800));
    t.at("keyup escape");
    ASSERT_TRUE(t.waitFor([] { return g_scene == SCENE_MAINMENU; }, 800));
    t.run(30);
    shot2("again-menu");
    t.at("dump " + dir + "again-menu.json");
    t.click(MENU_START_X, MENU_BUTTON_Y);
    ASSERT_TRUE(t.waitFor([] { return dialogOpen(POPUP_RESUME); }, 60));
    t.click(RESUME_X, DIALOG_BUTTON_Y);
    ASSERT_TRUE(t.waitFor([] { return sceneReady(SCENE_ROADMAP); }, 100));
    t.run(30);
    shot2("again-map");
    t.click(LEVEL_ONE_X, LEVEL_ONE_Y);
    ASSERT_TRUE(t.waitFor([] { return dialogOpen(POPUP_STAGE); }, 60));
    shot2("again-preview");
    t.at("dump " + dir + "again-preview.json");
    t.run(1);
    t.at("close");
    ASSERT_TRUE(t.waitFor([] { return dialogOpen(POPUP_QUIT); }, 60));
    t.key("enter");
    ASSERT_TRUE(t.waitFor([] { return g_quit == 1; }, 100));
    long secondLast = t.pass;
    Sys_SetFrameUnseen(false);
    quitGame();
    shutdownGame();

    // Both runs again through the harness binary, on a save folder of their own.
    ASSERT_EQ(runHarnessScript("--data " MORVELLE_DATA_DIR " --save " + dir + "play --seed 7 --frames " + std::to_string(firstLast + 5), firstScript, dir, "first"), 0)
        << readFile(dir + "first.out");
    std::string ada = readFile(dir + "play/players1.ppp"), bob = readFile(dir + "play/players2.ppp");
    ASSERT_GE(ada.size(), 20u);
    EXPECT_EQ(intAt(ada, 4), 2);    // StoryLevel
    EXPECT_EQ(intAt(ada, 16), 2);   // Level
    EXPECT_GT(intAt(ada, 8), 0);    // StoryPoints
    EXPECT_NE(ada.find("Ada"), std::string::npos);
    EXPECT_NE(bob.find("Bob"), std::string::npos);
    EXPECT_NE(readFile(dir + "play/besttimes.ppp").find("Ada"), std::string::npos);

    std::string map = readFile(dir + "map-level2.json"), preview = readFile(dir + "preview-besttime.json");
    EXPECT_EQ(dumpField(map, "player", "StoryLevel"), 2);
    EXPECT_EQ(dumpField(map, "sceneRoadmap", "visiblePoints"), 2);
    EXPECT_EQ(dumpField(preview, "popupHandler", "State"), POPUP_STAGE);
    EXPECT_EQ(dumpField(preview, "sceneRoadmap", "levelSelected"), 1);
    int best = firstOf(preview, "g_bestTime");
    EXPECT_GT(best, 0);
    EXPECT_EQ(firstTextOf(preview, "g_bestTimeName"), "Ada");
    std::string quit = readFile(dir + "quit.json");
    EXPECT_EQ(dumpField(quit, "player", "StoryLevel"), 2);
    EXPECT_EQ(quit.find("\"Name\":\"Ada\"") != std::string::npos, true);

    ASSERT_EQ(runHarnessScript("--data " MORVELLE_DATA_DIR " --save " + dir + "play --seed 7 --frames " + std::to_string(secondLast + 5), t.rec.script.str(), dir,
                         "second"),
              0)
        << readFile(dir + "second.out");
    std::string menu2 = readFile(dir + "again-menu.json"), preview2 = readFile(dir + "again-preview.json");
    EXPECT_EQ(dumpField(menu2, "popupHandler", "State"), 0);   // no name entry: Ada is back
    EXPECT_NE(menu2.find("\"g_currentPlayer\":1"), std::string::npos);
    EXPECT_EQ(dumpField(preview2, "player", "StoryLevel"), 2);
    EXPECT_EQ(dumpField(preview2, "sceneRoadmap", "visiblePoints"), 2);
    EXPECT_EQ(firstOf(preview2, "g_bestTime"), best);
    for (const char* name : {"splash", "loading", "firstname", "welcome", "story1", "maphelp", "tooltip", "preview-new", "victory",
                             "map-level2", "preview-besttime", "welcome-bob", "players", "champions", "quit", "again-menu",
                             "again-map", "again-preview"})
        EXPECT_GT(readFile(dir + name + ".png").size(), 1000u) << name;

    // the whole first evening looks the same painted in changes only as painted whole
    expectPaintingInChangesShowsTheSame("--data " MORVELLE_DATA_DIR " --save " + dir + "paint --seed 7 --frames " +
                                            std::to_string(firstLast + 5),
                                        dir + "paint", firstScript, dir, "paint");
}
