// The level map as a player meets it: points and frontier, level names, the preview, the resume choice, the help.
#include <gtest/gtest.h>

#include "app/globals.h"
#include "framework/input.h"
#include "frontend/widgets.h"
#include "campaign/scene_roadmap.h"
#include "campaign/spieler.h"
#include "framework/bild.h"
#include "framework/language.h"
#include "frontend/popup.h"
#include "match3/scene_match3.h"
#include "tests/campaign_support.h"

namespace {
class LevelMap : public CampaignGame {
protected:
    void openMap(int storyLevel, int finished = 0)
    {
        makeProfile(1, "Ada", storyLevel, 500);
        g_players[1]->isStoryFinished = finished;
        g_players[1]->isHelp = 0;
        g_currentPlayer = 1;
        enter(SCENE_ROADMAP);
        ASSERT_EQ(g_scene, SCENE_ROADMAP);
    }
    void openPreview(int level)
    {
        clickAt(sceneRoadmap->_LevelPointX[level], sceneRoadmap->_LevelPointY[level]);
        ASSERT_EQ(popupHandler->State, POPUP_STAGE) << popupHandler->runtime << " " << g_inputLayer << " " << g_pause << " "
                                                    << sceneHandler->FaderDir << " " << mousePointer->_x << "," << mousePointer->_y
                                                    << " " << g_scene << " " << g_currentPlayer;
        until([] { return popupHandler->runtime == 16; }, 30);
    }
};

std::string s_trace;

bool blueWater(uint32_t c)
{
    const int r = (c >> 16) & 255, g = (c >> 8) & 255, b = c & 255;
    return b > r + 40 && b > g;
}
}

TEST_F(LevelMap, EveryPointLiesOnTheLandAndFollowsThePathInSteps)
{
    SysImage* map = Sys_LoadImage("data/roadmap/roadmap.png");
    ASSERT_NE(map, nullptr);
    const uint32_t* px = Sys_LockImage(map, 0);
    for (int i = 1; i <= ROADMAP_LEVELS; ++i) {
        const int x = (int)sceneRoadmap->_LevelPointX[i], y = (int)sceneRoadmap->_LevelPointY[i];
        EXPECT_EQ(x, roadmapPoint(i).x);
        ASSERT_TRUE(x > 0 && x < 1024 && y > 0 && y < 768) << "level " << i;
        EXPECT_FALSE(blueWater(px[(size_t)y * 1024 + (size_t)x])) << "level " << i << " lies in the sea";
        if (i > 1) {
            const float dx = sceneRoadmap->_LevelPointX[i] - sceneRoadmap->_LevelPointX[i - 1];
            const float dy = sceneRoadmap->_LevelPointY[i] - sceneRoadmap->_LevelPointY[i - 1];
            EXPECT_LT(dx * dx + dy * dy, 90.0f * 90.0f) << "a gap in the path before level " << i;
        }
    }
    Sys_UnlockImage(map, 0);
    Sys_FreeImage(map);
}

TEST_F(LevelMap, PointsUpToTheFrontierAreDrawnAndAFinishedCampaignShowsAll)
{
    openMap(12);
    moveTo(5, 700);
    frames(1);
    const Shot twelve = shot();
    openMap(80, 1);
    EXPECT_EQ(sceneRoadmap->visiblePoints(), 80);
    moveTo(5, 700);
    frames(1);
    const Shot all = shot();
    SysImage* map = Sys_LoadImage("data/roadmap/roadmap.png");
    const uint32_t* px = Sys_LockImage(map, 0);
    auto mapAt = [&](int x, int y) { return px[(size_t)y * 1024 + (size_t)x] & 0xFFFFFFu; };
    // a finished point is drawn over the map; a point past the frontier is bare map
    for (int i : {1, 5, 11}) {
        const int x = roadmapPoint(i).x, y = roadmapPoint(i).y;
        EXPECT_NE(twelve.at(x, y), mapAt(x, y)) << "level " << i;
    }
    for (int i : {13, 40, 79}) {
        const int x = roadmapPoint(i).x, y = roadmapPoint(i).y;
        EXPECT_EQ(twelve.at(x, y), mapAt(x, y)) << "level " << i;
        EXPECT_NE(all.at(x, y), mapAt(x, y)) << "level " << i;
    }
    Sys_UnlockImage(map, 0);
    Sys_FreeImage(map);
    // out-of-range frontiers of a damaged file are clamped, never shown past the campaign
    g_players[1]->StoryLevel = 99;
    g_players[1]->isStoryFinished = 0;
    g_players[1]->Level = -4;
    EXPECT_EQ(sceneRoadmap->visiblePoints(), 80);
    EXPECT_EQ(g_players[1]->Level, 1);
    g_players[1]->StoryLevel = 0;
    EXPECT_EQ(sceneRoadmap->visiblePoints(), 1);
}

TEST_F(LevelMap, PointerNamesTheLevelAndAClickOpensItsPreviewOnlyWhenLive)
{
    openMap(30);
    moveTo(5, 700);
    frames(1);
    const Shot bare = shot();
    moveTo(sceneRoadmap->_LevelPointX[14], sceneRoadmap->_LevelPointY[14]);
    frames(1);
    const Shot named = shot();
    const int x = roadmapPoint(14).x, y = roadmapPoint(14).y;
    EXPECT_TRUE(differs(bare, named, x + 20, y + 10, x + 200, y + 60)) << "no level name beside the pointer";
    // a click while the fader darkens does nothing
    sceneHandler->fade_out(SCENE_MAINMENU, 0, 0);
    clickAt(sceneRoadmap->_LevelPointX[14], sceneRoadmap->_LevelPointY[14]);
    EXPECT_EQ(popupHandler->State, 0);
    until([] { return g_scene == SCENE_MAINMENU; });
    enter(SCENE_ROADMAP);
    openPreview(14);
    EXPECT_EQ(g_players[1]->levelSelected, 14);
    // the close button shuts the preview and the map takes clicks again
    clickAt(707, 384 - popupHandler->imgPopupMedium->H / 2 + 40);
    until([] { return popupHandler->State == 0; }, 40);
    EXPECT_EQ(popupHandler->State, 0);
    EXPECT_EQ(g_scene, SCENE_ROADMAP);
}

TEST_F(LevelMap, PreviewMiniatureShowsMossStonesAndTheBoardShape)
{
    const tavoTSceneMatch3& b = *sceneMatch3;
    int level = 0;
    for (int L = 1; L <= 80 && !level; ++L) {
        bool moss = false, stone = false;
        for (int s = 1; s <= 260; ++s) {
            moss |= b._preview_cella[L][s] > 0 && b._preview_cellmoss[L][s] == 1;
            stone |= b._preview_itema[L][s] == _ITEM_XSTEIN;
        }
        if (moss && stone) level = L;
    }
    ASSERT_GT(level, 0) << "no campaign board with moss and stones";
    openMap(level);
    openPreview(level);
    const Shot withBoard = shot();
    Sys_SaveScreenshot(saveDir() + "preview.png");
    const float ox = 250, oy = 384 - popupHandler->imgPopupMedium->H / 2 + 40;
    int stones = 0, cells = 0;
    for (int s = 1; s <= 260; ++s) {
        if (b._preview_itema[level][s] <= 0) continue;
        const int x = (int)(ox + b._preview_itemx[level][s] / 2), y = (int)(oy + b._preview_itemy[level][s] / 2);
        ++cells;
        // the item picture's own centre colour, drawn at half size on its cell
        tavoTBild* pic = b._imgItem[b._preview_itema[level][s]];
        const uint32_t* ip = Sys_LockImage(pic->data, 0);
        const uint32_t want = ip[(size_t)(pic->H / 2) * (size_t)pic->W + (size_t)(pic->W / 2)] & 0xFFFFFFu;
        Sys_UnlockImage(pic->data, 0);
        const uint32_t got = withBoard.at(x, y);
        auto near = [](uint32_t a, uint32_t c) {
            for (int sh = 0; sh <= 16; sh += 8)
                if (std::abs((int)((a >> sh) & 255) - (int)((c >> sh) & 255)) > 40) return false;
            return true;
        };
        EXPECT_TRUE(near(got, want)) << "item " << s << " of level " << level << " at " << x << "," << y;
        stones += b._preview_itema[level][s] == _ITEM_XSTEIN;
    }
    EXPECT_GT(stones, 0);
    EXPECT_GT(cells, 20);
    // moss shows around the gem on a moss cell; the same cell without moss looks different
    int s = 1;
    while (!(b._preview_cella[level][s] > 0 && b._preview_cellmoss[level][s] == 1)) ++s;
    sceneMatch3->_preview_cellmoss[level][s] = 0;
    frames(1);
    const Shot noMoss = shot();
    sceneMatch3->_preview_cellmoss[level][s] = 1;
    const int mx = (int)(ox + b._preview_cellx[level][s] / 2), my = (int)(oy + b._preview_celly[level][s] / 2);
    EXPECT_TRUE(differs(withBoard, noMoss, mx - 12, my - 12, mx + 12, my + 12));
}

TEST_F(LevelMap, BestTimeLineStandsInsideTheBoxWithOrWithoutATime)
{
    openMap(6);
    openPreview(3);
    const Shot none = shot();
    g_lang->lang["nobesttime"] = "";
    frames(1);
    const Shot blankText = shot();
    g_lang->reload();
    g_bestTime[3] = 83;
    g_bestTimeName[3] = "Ada";
    frames(1);
    const Shot timed = shot();
    const int boxBottom = 384 + (int)popupHandler->imgPopupMedium->H / 2;
    // both lines lie in the same band inside the box, above the play button
    EXPECT_TRUE(differs(none, blankText, 250, 495, 780, 530));
    EXPECT_FALSE(differs(none, blankText, 250, 530, 780, 600));
    EXPECT_TRUE(differs(timed, blankText, 250, 495, 780, 530));
    EXPECT_LT(530, boxBottom);
}

TEST_F(LevelMap, PlayContinuesTheSuspendedLevelOrDropsItAndStartButtonTakesTheFrontier)
{
    struct Case {
        int isResume, resumeLevel, selected, wantLevel, wantResume;
    } cases[] = {{0, -1, 4, 4, 0}, {1, 5, 5, 5, 1}, {1, 5, 3, 3, 0}};
    openMap(8);
    TSpieler& p = *g_players[1];
    // each start is checked as the fade towards the board begins, then called off to stay on the map
    auto stayOnMap = [] {
        sceneHandler->fade_in();
        popupHandler->State = 0;
        popupHandler->runtime = 0;
        frames(8);
    };
    for (const Case& c : cases) {
        p.isResume = c.isResume;
        p.resumeLevel = c.resumeLevel;
        p.Level = 8;
        openPreview(c.selected);
        clickAt(512, 554);
        EXPECT_EQ(sceneHandler->FaderShow, SCENE_MATCH3);
        EXPECT_EQ(p.Level, c.wantLevel) << "selected " << c.selected;
        EXPECT_EQ(p.isResume, c.wantResume) << "selected " << c.selected;
        stayOnMap();
    }
    for (int resume : {0, 1}) {
        p.isResume = resume;
        p.resumeLevel = resume ? 6 : -1;
        p.levelSelected = 2;
        clickAt(905, 666);
        EXPECT_EQ(sceneHandler->FaderShow, SCENE_MATCH3);
        EXPECT_EQ(p.Level, resume ? 6 : 8);
        stayOnMap();
    }
    // the board is really entered with the level asked for; the close button goes back to the main menu
    p.isResume = 0;
    clickAt(905, 666);
    until([] { return g_scene == SCENE_MATCH3; });
    EXPECT_EQ(g_scene, SCENE_MATCH3);
    enter(SCENE_ROADMAP);
    clickAt(937, 29);
    EXPECT_EQ(sceneHandler->FaderShow, SCENE_MAINMENU);
    until([] { return g_scene == SCENE_MAINMENU; });
}

TEST_F(LevelMap, AShortLevelFileIsReportedOnTheMapAndTheProfileStays)
{
    replaceDataFile("levels/lvla005.lvl", std::string(100, '\0'));
    openMap(7);
    openPreview(5);
    clickAt(512, 554);
    EXPECT_NE(sceneHandler->FaderDir, FADER_DIR_OUT);
    EXPECT_EQ(g_players[1]->Level, 7);
    EXPECT_EQ(sceneRoadmap->_message.find(g_lang->getValue("levelmissing")), 0u);
    EXPECT_NE(sceneRoadmap->_message.find(levelTitle(5)), std::string::npos);
    sceneRoadmap->_messageFrames = 3;
    frames(4);
    EXPECT_EQ(g_scene, SCENE_ROADMAP);
    EXPECT_EQ(sceneRoadmap->_messageFrames, 0);
    restoreDataFile("levels/lvla005.lvl");
    EXPECT_TRUE(levelFileComplete(5));
    EXPECT_FALSE(levelFileComplete(0));
    EXPECT_FALSE(levelFileComplete(81));
}

TEST_F(LevelMap, HelpOpensOnTheFirstVisitOnly)
{
    struct Case {
        int storyLevel, help;
        bool opens;
    } cases[] = {{1, 1, true}, {1, 0, false}, {2, 1, false}};
    for (const Case& c : cases) {
        makeProfile(1, "Ada", c.storyLevel, 0);
        g_players[1]->isHelp = c.help;
        g_currentPlayer = 1;
        Sys_SetTraceSink([](const std::string& l) { s_trace += l + "\n"; });
        sceneHandler->fade_out(SCENE_ROADMAP, 0, 0);
        until([] { return g_scene == SCENE_ROADMAP && sceneRoadmap->_runtime == ROADMAP_HELP_FRAME; }, 60);
        Sys_SetTraceSink(nullptr);
        const bool opened = popupHandler->State == POPUP_ROADMAPHELP || s_trace.find("popup 112") != std::string::npos;
        EXPECT_EQ(opened, c.opens) << c.storyLevel << "/" << c.help;
        s_trace.clear();
        popupHandler->State = 0;
        popupHandler->runtime = 0;
        enter(SCENE_MAINMENU);
    }
}
