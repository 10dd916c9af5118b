// The level map as a player meets it: points and frontier, level names, the preview, the resume choice, the help.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <vector>

#include "app/globals.h"
#include "campaign/level_points.h"
#include "campaign/scene_story.h"
#include "framework/input.h"
#include "frontend/holo.h"
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

TEST_F(LevelMap, TheDrawnPointerStepsAsideWhileArrowsLeadAndComesBackWithTheMouse)
{
    openMap(30);
    const int x = 8, y = 420;   // over the sea at the map's left edge, away from every point and its name
    moveTo((float)x, (float)y);
    frames(2);
    const Shot pointed = shot();
    press(KEY_RIGHT);
    frames(1);
    const Shot byKeys = shot();
    EXPECT_TRUE(differs(pointed, byKeys, x, y, x + 16, y + 16)) << "the pointer stayed while the arrows led";
    moveTo((float)x + 40, (float)y);
    frames(1);
    moveTo((float)x, (float)y);
    frames(2);
    EXPECT_FALSE(differs(pointed, shot(), x, y, x + 16, y + 16)) << "the pointer did not come back with the mouse";
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
    const TPreviewLayout l = previewLayout(level);
    const float ox = l.ox, oy = l.oy, k = l.scale;
    int stones = 0, cells = 0;
    for (int s = 1; s <= 260; ++s) {
        if (b._preview_itema[level][s] <= 0) continue;
        const int x = (int)(ox + b._preview_itemx[level][s] * k), y = (int)(oy + b._preview_itemy[level][s] * k);
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
    const int mx = (int)(ox + b._preview_cellx[level][s] * k), my = (int)(oy + b._preview_celly[level][s] * k);
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
    const TPreviewLayout l = previewLayout(3);
    const int top = (int)l.lineTop, bottom = (int)l.lineBottom;
    // both lines lie in the same band inside the box, above the play button
    EXPECT_TRUE(differs(none, blankText, 250, top, 780, bottom));
    EXPECT_FALSE(differs(none, blankText, 250, bottom, 780, 600));
    EXPECT_TRUE(differs(timed, blankText, 250, top, 780, bottom));
    EXPECT_LT(bottom, boxBottom);
    // a holder without a name is not announced with a bare "by"
    const std::string by = " " + g_lang->getValue("by");
    EXPECT_NE(bestTimeLine(3).find(by + " Ada"), std::string::npos);
    for (const char* blank : {"", "   "}) {
        g_bestTimeName[3] = blank;
        EXPECT_EQ(bestTimeLine(3).find(by), std::string::npos) << "'" << blank << "'";
        EXPECT_NE(bestTimeLine(3).find(timeText(83)), std::string::npos);
    }
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

namespace {
struct Box {
    float l, t, r, b;
    bool meets(const Box& o) const { return l < o.r && o.l < r && t < o.b && o.t < b; }
};
std::ostream& operator<<(std::ostream& os, const Box& b) { return os << "[" << b.l << "," << b.t << " - " << b.r << "," << b.b << "]"; }

Box around(float x, float y, float w, float h) { return {x - w / 2, y - h / 2, x + w / 2, y + h / 2}; }

// Where two shots differ inside `within`: what one drawing put on the screen there.
Box changed(const Shot& a, const Shot& b, const Box& within)
{
    Box r{1e9f, 1e9f, -1e9f, -1e9f};
    for (int y = std::max(0, (int)within.t); y < std::min(a.h, (int)within.b); ++y)
        for (int x = std::max(0, (int)within.l); x < std::min(a.w, (int)within.r); ++x)
            if (a.at(x, y) != b.at(x, y)) r = {std::min(r.l, (float)x), std::min(r.t, (float)y), std::max(r.r, x + 1.0f), std::max(r.b, y + 1.0f)};
    return r;
}

// The part of a picture, centred at (x, y), where it is at least `least` opaque.
Box visiblePart(tavoTBild& pic, float x, float y, int least)
{
    const int w = (int)pic.W, h = (int)pic.H;
    const uint32_t* px = Sys_LockImage(pic.data, 0);
    Box r{1e9f, 1e9f, -1e9f, -1e9f};
    for (int v = 0; v < h; ++v)
        for (int u = 0; u < w; ++u) {
            if ((int)(px[(size_t)v * (size_t)w + (size_t)u] >> 24) < least) continue;
            r = {std::min(r.l, (float)u), std::min(r.t, (float)v), std::max(r.r, u + 1.0f), std::max(r.b, v + 1.0f)};
        }
    Sys_UnlockImage(pic.data, 0);
    return {x - w / 2.0f + r.l, y - h / 2.0f + r.t, x - w / 2.0f + r.r, y - h / 2.0f + r.b};
}

// True when a picture drawn with its top-left at (left, top) is at least half opaque somewhere in the box.
bool coversAny(tavoTBild& pic, float left, float top, const Box& box)
{
    const int w = (int)pic.W, h = (int)pic.H;
    const uint32_t* px = Sys_LockImage(pic.data, 0);
    bool hit = false;
    for (int y = std::max(0, (int)box.t); y < (int)std::ceil(box.b) && !hit; ++y)
        for (int x = std::max(0, (int)box.l); x < (int)std::ceil(box.r) && !hit; ++x) {
            const int u = x - (int)left, v = y - (int)top;
            if (u < 0 || v < 0 || u >= w || v >= h) continue;
            hit = (px[(size_t)v * (size_t)w + (size_t)u] >> 24) >= 128;
        }
    Sys_UnlockImage(pic.data, 0);
    return hit;
}
}

TEST_F(LevelMap, EveryPreviewKeepsMiniatureLineAndPlayButtonInTheirOwnBands)
{
    openMap(80, 1);
    openPreview(1);
    tavoTSceneMatch3& b = *sceneMatch3;
    const float boxW = popupHandler->imgPopupMedium->W, boxH = popupHandler->imgPopupMedium->H;
    const Box box = around(512, 384, boxW, boxH);
    const Box rule{box.l, box.t, box.r, box.t + POPUP_BODY_TOP};
    tavoTBild& play = *g_imgButtons[3];
    int scaledDown = 0;
    for (int L = 1; L <= ROADMAP_LEVELS; ++L) {
        g_players[1]->levelSelected = L;
        g_bestTime[L] = L % 2 ? -1 : 3599;   // both lines, the long one with a holder
        g_bestTimeName[L] = "Bartholomew";
        frames(1);
        const Shot whole = shot();
        const TPreviewLayout l = previewLayout(L);
        const Box mini{l.left, l.top, l.right, l.bottom}, line{box.l, l.lineTop, box.r, l.lineBottom};
        const Box button = around(512, l.playY, play.W, play.H);
        // the line as drawn: the shot without its text
        g_lang->lang[L % 2 ? "nobesttime" : "besttime"] = "";
        g_bestTime[L] = -1;
        g_lang->lang["nobesttime"] = "";
        frames(1);
        const Box text = changed(whole, shot(), box);
        g_lang->reload();
        // the miniature as drawn: the shot with the level's board emptied
        std::vector<int> cells(b._preview_cella[L], b._preview_cella[L] + M3_SLOTS);
        std::vector<int> items(b._preview_itema[L], b._preview_itema[L] + M3_SLOTS);
        std::vector<int> rows(b._preview_m3rowcount[L], b._preview_m3rowcount[L] + M3_COLUMNS);
        std::fill(b._preview_cella[L], b._preview_cella[L] + M3_SLOTS, 0);
        std::fill(b._preview_itema[L], b._preview_itema[L] + M3_SLOTS, 0);
        std::fill(b._preview_m3rowcount[L], b._preview_m3rowcount[L] + M3_COLUMNS, 0);
        g_bestTime[L] = L % 2 ? -1 : 3599;
        frames(1);
        const Shot bare = shot();
        std::copy(cells.begin(), cells.end(), b._preview_cella[L]);
        std::copy(items.begin(), items.end(), b._preview_itema[L]);
        std::copy(rows.begin(), rows.end(), b._preview_m3rowcount[L]);
        const Box drawn = changed(whole, bare, box);

        ASSERT_LT(drawn.l, drawn.r) << "level " << L << " drew no miniature";
        ASSERT_LT(text.l, text.r) << "level " << L << " drew no best-time line";
        EXPECT_TRUE(drawn.l >= mini.l - 1 && drawn.r <= mini.r + 1 && drawn.t >= mini.t - 1 && drawn.b <= mini.b + 1)
            << "level " << L << ": miniature drawn at " << drawn << " outside its outline " << mini;
        EXPECT_TRUE(text.t >= line.t - 2 && text.b <= line.b + 2) << "level " << L << ": line " << text << " band " << line;
        EXPECT_FALSE(mini.meets(line)) << "level " << L << ": miniature " << mini << " over the line " << line;
        EXPECT_FALSE(drawn.meets(text)) << "level " << L;
        EXPECT_FALSE(button.meets(line) || button.meets(mini)) << "level " << L << ": play " << button;
        EXPECT_FALSE(mini.meets(rule)) << "level " << L << ": miniature under the title";
        EXPECT_TRUE(text.l > box.l + 20 && text.r < box.r - 20) << "level " << L << ": line " << text;
        EXPECT_TRUE(mini.l > box.l + 20 && mini.r < box.r - 20 && button.b < box.b - 8) << "level " << L;
        EXPECT_LE(l.scale, 0.5f);
        scaledDown += l.scale < 0.5f;
    }
    // the walk met tall boards, which only fit their band smaller
    EXPECT_GT(scaledDown, 0);
    // Escape closes the preview as it closes every dialog
    press(KEY_ESCAPE);
    until([] { return popupHandler->State == 0; }, 40);
    EXPECT_EQ(popupHandler->State, 0);
    EXPECT_EQ(g_scene, SCENE_ROADMAP);
}

TEST_F(LevelMap, NoPointGlowOrLandNameLiesUnderABarAButtonOrAnotherName)
{
    tavoTBild& bar = *sceneRoadmap->_imgBottomBar;
    std::vector<Box> labels;
    for (const MapLabelBox& m : kMapLabels) labels.push_back(around((float)m.x, (float)m.y, (float)m.w, (float)m.h));
    const Box close = around(937, 29, g_imgCloseHover->W, g_imgCloseHover->H);
    for (int frontier : {1, 11, 21, 31, 41, 51, 61, 71, 75, 80, 81}) {
        const bool finished = frontier > ROADMAP_LEVELS;
        openMap(finished ? ROADMAP_LEVELS : frontier, finished ? 1 : 0);
        ASSERT_TRUE(bar.data);
        const float barTop = bar.Y;
        THoloButton& start = *g_roadmapHoloButton;
        const Box startBox = around((float)start.x, (float)start.y, g_imgButtons[1]->W, g_imgButtons[1]->H);
        std::vector<std::pair<int, Box>> things;
        for (int i = 1; i <= sceneRoadmap->visiblePoints(); ++i) {
            const float x = roadmapPoint(i).x, y = roadmapPoint(i).y;
            tavoTBild& pic = i % 10 == 0 ? *g_imgStageActive : *g_imgWaypointActive;
            things.push_back({i, visiblePart(pic, x, y, 128)});
            if (i == frontier) things.push_back({i, visiblePart(*sceneMatch3->_imgGl[4], x, y, 64)});
        }
        for (size_t k = 0; k < labels.size(); ++k) things.push_back({-(int)k - 1, labels[k]});
        for (const auto& [id, box] : things) {
            const std::string what = (id > 0 ? "level " + std::to_string(id) : "land name " + std::to_string(-id)) +
                                     " " + ::testing::PrintToString(box) + " at frontier " + std::to_string(frontier);
            EXPECT_FALSE(coversAny(bar, 0, barTop, box)) << what << " lies under the bottom bar";
            EXPECT_FALSE(box.meets(close)) << what << " lies under the close button";
            EXPECT_FALSE(box.meets(startBox)) << what << " lies under the start button";
            EXPECT_TRUE(box.t >= 0 && box.l >= 0 && box.r <= 1024) << what << " leaves the screen";
            for (const auto& [other, o] : things) {
                if (other < 0 && other != id) {
                    EXPECT_FALSE(box.meets(o)) << what << " lies under land name " << -other;
                }
            }
        }
    }
}

TEST_F(LevelMap, AFinishedCampaignGlowsNowhereSaysSoAndStartRetellsTheEnd)
{
    openMap(80, 0);
    moveTo(5, 400);
    frames(1);
    const Shot atEighty = shot();
    openMap(80, 1);
    moveTo(5, 400);
    frames(1);
    const Shot finished = shot();
    const int x = roadmapPoint(80).x, y = roadmapPoint(80).y;
    // level 80 is drawn as a finished point, not as the frontier; the bar carries the finished journey's line
    EXPECT_TRUE(differs(atEighty, finished, x - 20, y - 20, x + 20, y + 20));
    EXPECT_TRUE(differs(atEighty, finished, 20, 680, 800, 730));
    const Shot again = (frames(90), shot());
    EXPECT_FALSE(differs(finished, again, 0, 0, 1024, 640)) << "something on a finished map still pulses";
    // start shows the closing pages; a point still opens its game, a suspended game is still continued
    clickAt(905, 666);
    EXPECT_EQ(sceneHandler->FaderShow, SCENE_STORY);
    until([] { return g_scene == SCENE_STORY; });
    EXPECT_EQ(sceneStory->_page, STORY_FIRST_CLOSING_PAGE);
    openMap(80, 1);
    openPreview(37);
    EXPECT_EQ(g_players[1]->levelSelected, 37);
    popupHandler->State = 0;
    popupHandler->runtime = 0;
    g_players[1]->isResume = 1;
    g_players[1]->resumeLevel = 44;
    frames(1);
    clickAt(905, 666);
    EXPECT_EQ(sceneHandler->FaderShow, SCENE_MATCH3);
    EXPECT_EQ(g_players[1]->Level, 44);
    until([] { return g_scene == SCENE_MATCH3; });
}
