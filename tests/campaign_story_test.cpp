// Splash pages from the branding file and the story pages between chapters, as the running game shows them.
#include <gtest/gtest.h>

#include <vector>

#include "app/globals.h"
#include "campaign/scene_intro.h"
#include "campaign/scene_story.h"
#include "campaign/spieler.h"
#include "framework/bild.h"
#include "frontend/sound_handler.h"
#include "tests/campaign_support.h"

namespace {
std::vector<std::string> s_trace;
void keepTrace(const std::string& line) { s_trace.push_back(line); }

class Intro : public CampaignGame {
protected:
    void TearDown() override
    {
        Sys_SetTraceSink(nullptr);
        restoreDataFile("branding/splashconfig.txt");
    }
    // Starts the intro as the start-up does and returns the frames each page stayed, until the loading screen.
    std::vector<int> run(const std::string& config, int holdKey = 0, int limit = 2000)
    {
        if (config != "-") replaceDataFile("branding/splashconfig.txt", config);
        else std::remove((campaignDataRoot() + "branding/splashconfig.txt").c_str());
        s_trace.clear();
        Sys_SetTraceSink(keepTrace);
        sceneIntro->setW(1);
        sceneIntro->Prepare();
        std::vector<int> shown;
        int page = sceneIntro->_page, since = 0;
        if (holdKey) Sys_InjectKey(holdKey, true);
        for (int i = 0; i < limit && g_scene == SCENE_INTRO; ++i) {
            frames(1);
            ++since;
            if (g_scene == SCENE_INTRO && sceneIntro->_page != page) {
                shown.push_back(since);
                page = sceneIntro->_page;
                since = 0;
            }
        }
        if (holdKey) Sys_InjectKey(holdKey, false);
        if (g_scene != SCENE_INTRO) shown.push_back(since);
        return shown;
    }
    static bool traced(const std::string& part)
    {
        for (const std::string& l : s_trace)
            if (l.find(part) != std::string::npos) return true;
        return false;
    }
};

class Story : public CampaignGame {
protected:
    // True when the screen around (x, y) is not the bare story picture.
    static bool drawnOverPicture(int page, int x, int y)
    {
        SysImage* pic = Sys_LoadImage("data/story/story" + std::to_string(page) + ".jpg");
        if (!pic) return false;
        const uint32_t* px = Sys_LockImage(pic, 0);
        const Shot now = shot();
        int changed = 0;
        for (int dy = -10; dy <= 10; dy += 5)
            for (int dx = -10; dx <= 10; dx += 5)
                changed += (px[(size_t)(y + dy) * 1024 + (size_t)(x + dx)] & 0xFFFFFFu) != now.at(x + dx, y + dy);
        Sys_UnlockImage(pic, 0);
        Sys_FreeImage(pic);
        return changed > 5;
    }
};
}

TEST_F(Intro, PagesShowForTheirFramesPlusTheFadeAndThenTheLoadingScreen)
{
    // each page: its own frames, then nine frames of fade before the next one is prepared
    std::vector<int> shown = run("page=1\r\nfile=studio.jpg\r\ntime=30\r\nskip=True\r\n;---\r\npage=2\r\nfile=title.jpg\r\ntime=45\r\nskip=no\r\n");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], 30 + 9);
    // the next page's first frame is the one in which it is prepared
    EXPECT_EQ(shown[1], 45 + 8);
    EXPECT_EQ(g_scene, SCENE_LOADSCREEN);
    EXPECT_EQ(sceneIntro->_pages, 2);
    EXPECT_EQ(sceneIntro->_frames[2], 45);
    EXPECT_EQ(sceneIntro->_skip[1], 1);
    EXPECT_EQ(sceneIntro->_skip[2], 0);
    EXPECT_EQ(sceneIntro->_path[1], "studio.jpg");
    // the pictures stay loaded until the loading screen lets them go
    EXPECT_NE(sceneIntro->_img[1]->data, nullptr);
    sceneIntro->Leave();
    EXPECT_EQ(sceneIntro->_img[1]->data, nullptr);
}

TEST_F(Intro, SkipKeysEndOnlySkippablePagesInAnyLetterCase)
{
    const std::string config = "file=studio.jpg\ntime=300\nskip=tRUE\n;---\nfile=title.jpg\ntime=50\nskip=False\n";
    for (int key : {KEY_ESCAPE, KEY_ENTER, KEY_SPACE}) {
        std::vector<int> shown = run(config, key);
        ASSERT_EQ(shown.size(), 2u) << key;
        EXPECT_LT(shown[0], 15) << key;
        EXPECT_EQ(shown[1], 50 + 8) << key;
    }
}

TEST_F(Intro, NonePagesAtTheEndAndLinesPastTheTwentyNinthAreNotShown)
{
    std::vector<int> shown = run("file=studio.jpg\ntime=10\n;---\nfile=title.jpg\ntime=10\n;---\nfile=none\ntime=10\n");
    EXPECT_EQ(sceneIntro->_pages, 2);
    EXPECT_EQ(shown.size(), 2u);
    std::string longFile = "file=studio.jpg\ntime=10\n";
    for (int i = 0; i < 27; ++i) longFile += "page=1\n";
    longFile += "time=500\n;---\nfile=title.jpg\ntime=10\n";
    shown = run(longFile);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], 10 + 9);
    // a "none" page before shown ones is left out instead of hanging on a blank page
    shown = run("file=none\n;---\nfile=studio.jpg\ntime=10\n;---\nfile=none\n;---\nfile=title.jpg\ntime=12\n");
    EXPECT_EQ(sceneIntro->_pages, 2);
    EXPECT_EQ(sceneIntro->_path[1], "studio.jpg");
    EXPECT_EQ(sceneIntro->_path[2], "title.jpg");
    EXPECT_EQ(sceneIntro->_frames[3], 0);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], 10 + 9);
    EXPECT_EQ(shown[1], 12 + 8);
    EXPECT_TRUE(traced("splash page 1 is marked none"));
}

TEST_F(Intro, BrokenConfigurationsNeverKeepTheGameInTheIntro)
{
    // no file at all: straight on to the loading screen, with a trace line
    std::vector<int> shown = run("-");
    EXPECT_EQ(g_scene, SCENE_LOADSCREEN);
    EXPECT_LE(shown.back(), 10);
    EXPECT_TRUE(traced("splashconfig.txt"));
    // a page without a time that cannot be skipped still ends
    shown = run("file=studio.jpg\nskip=False\n");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], INTRO_DEFAULT_FRAMES + 9);
    // nor does one asking for years, however many digits
    run("file=studio.jpg\ntime=99999999999999999999999\nskip=False\n;---\nfile=title.jpg\ntime=-5\n", 0, 5);
    EXPECT_EQ(sceneIntro->_frames[1], INTRO_MAX_FRAMES);
    EXPECT_EQ(sceneIntro->_frames[2], INTRO_DEFAULT_FRAMES);
    EXPECT_TRUE(traced("splash page 1 asks for"));
    // seven pages: the seventh is ignored and named in the trace
    std::string seven;
    for (int i = 1; i <= 7; ++i) seven += "file=studio.jpg\ntime=3\n" + std::string(i < 7 ? ";---\n" : "");
    shown = run(seven);
    EXPECT_EQ(sceneIntro->_pages, INTRO_MAX_PAGES);
    EXPECT_EQ(shown.size(), (size_t)INTRO_MAX_PAGES);
    EXPECT_TRUE(traced("more than six pages"));
}

TEST_F(Story, PagesOpenTheCampaignFollowEveryTenthLevelAndCloseIt)
{
    makeProfile(1, "Ada", 1, 0);
    g_currentPlayer = 1;
    TSpieler& p = *g_players[1];
    const int levels[] = {1, 11, 21, 31, 41, 51, 61, 71, 81};
    const int pages[] = {1, 3, 4, 5, 6, 7, 8, 9, 10};
    for (int i = 0; i < 9; ++i) {
        p.Level = levels[i];
        p.checkStoryPage();
        EXPECT_EQ(p.isStoryPageShow, 1);
        EXPECT_EQ(sceneStory->_page, pages[i]);
        p.Level = levels[i] + 1;
        p.checkStoryPage();
        EXPECT_EQ(p.isStoryPageShow, 0);
        EXPECT_EQ(sceneStory->_page, pages[i]) << "level " << levels[i] + 1 << " changed the page";
    }
    sceneStory->setPage(0);
    EXPECT_EQ(sceneStory->_page, 1);
    sceneStory->setPage(40);
    EXPECT_EQ(sceneStory->_page, STORY_PAGES);
}

TEST_F(Story, NextLeadsThroughThePairsToTheMapAndAfterTheLastPageToTheMenu)
{
    makeProfile(1, "Ada", 80, 900);
    g_currentPlayer = 1;
    TSpieler& p = *g_players[1];
    enter(SCENE_MAINMENU);
    struct Step {
        int page, nextScene, nextPage;
    } steps[] = {{1, SCENE_STORY, 2}, {2, SCENE_ROADMAP, 3}, {5, SCENE_ROADMAP, 5}, {10, SCENE_STORY, 11}, {11, SCENE_MAINMENU, 1}};
    for (const Step& s : steps) {
        sceneStory->setPage(s.page);
        p.Level = s.page == 11 ? 81 : 12;
        p.isStoryPageShow = 1;
        enter(SCENE_STORY);
        ASSERT_EQ(g_scene, SCENE_STORY);
        // "previous" only on the second page of a pair
        moveTo(500, 300);
        frames(1);
        EXPECT_EQ(drawnOverPicture(s.page, 100, 710), s.page == 2 || s.page == 11) << "page " << s.page;
        EXPECT_TRUE(drawnOverPicture(s.page, 900, 710));
        clickAt(900, 710);
        EXPECT_EQ(sceneHandler->FaderShow, s.nextScene) << "page " << s.page;
        EXPECT_EQ(sceneStory->_page, s.nextPage) << "page " << s.page;
        EXPECT_EQ(p.isStoryPageShow, 0);
        until([&] { return g_scene == s.nextScene && sceneHandler->FaderDir == FADER_DIR_IN; });
    }
    EXPECT_EQ(p.Level, 1);
    // previous on page 2 goes back to page 1 and the music keeps playing while paging
    sceneStory->setPage(2);
    enter(SCENE_STORY);
    const SysSound* music = soundHandler->music;
    clickAt(100, 710);
    EXPECT_EQ(sceneHandler->FaderShow, SCENE_STORY);
    EXPECT_EQ(sceneStory->_page, 1);
    until([] { return g_scene == SCENE_STORY && sceneHandler->FaderDir == FADER_DIR_IN; });
    EXPECT_EQ(soundHandler->music, music);
    EXPECT_EQ(soundHandler->akttitle, "main.ogg");
}
