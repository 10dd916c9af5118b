// The harness runs the real game from a script: shots, dumps, the path to the main menu, quitting, bad lines.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tests/harness_support.h"
#include "tests/spine_support.h"

namespace {
// The script is dir + "script.txt", the output dir + "script.out", the save folder dir + "save".
int runHarness(const std::string& args, const std::string& script, const std::string& dir)
{
    return runHarnessScript("--save " + dir + "save " + args, script, dir, "script");
}
}

TEST(Harness, HundredFramesFromTheSplashToTheMainMenu)
{
    std::string dir = tempDir("harness");
    std::string script =
        "# the splash pages skipped by a held Escape, the loading screen, then the menu\n"
        "1 dump " + dir + "d1.json\n"
        "2 keydown escape\n"
        "30 keyup escape\n"
        "100 shot " + dir + "f100.png\n"
        "100 dump " + dir + "d100.json\n"
        "330 shot " + dir + "loading.png\n";
    ASSERT_EQ(runHarness("--frames 330 --seed 3", script, dir), 0) << readFile(dir + "script.out");
    std::string d1 = readFile(dir + "d1.json"), d100 = readFile(dir + "d100.json");
    EXPECT_EQ(dumpField(d1, "g_frameCount"), 1);
    EXPECT_EQ(dumpField(d1, "g_scene"), -2);
    EXPECT_EQ(dumpField(d100, "g_frameCount"), 100);
    EXPECT_EQ(dumpField(d100, "g_scene"), -1);
    EXPECT_EQ(dumpField(d100, "g_currentPlayer"), -1);
    std::string png = readFile(dir + "f100.png");
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    auto be32 = [&](size_t at) {
        return ((unsigned char)png[at] << 24) | ((unsigned char)png[at + 1] << 16) | ((unsigned char)png[at + 2] << 8) |
               (unsigned char)png[at + 3];
    };
    EXPECT_EQ(be32(16), 1024);
    EXPECT_EQ(be32(20), 768);
    EXPECT_TRUE(std::filesystem::exists(dir + "save/settings.txt"));
}

TEST(Harness, CloseRequestAsksAndEnterQuitsThroughTheFade)
{
    std::string dir = tempDir("harness-quit");
    std::string script =
        "2 keydown escape\n"
        "30 keyup escape\n"
        "600 close\n"
        "601 dump " + dir + "asked.json\n"
        "630 keydown enter\n"
        "631 dump " + dir + "fading.json\n";
    ASSERT_EQ(runHarness("--frames 2000", script, dir), 0) << readFile(dir + "script.out");
    std::string asked = readFile(dir + "asked.json"), fading = readFile(dir + "fading.json");
    EXPECT_EQ(dumpField(asked, "g_scene"), 0);
    EXPECT_EQ(dumpField(asked, "State"), 99);
    EXPECT_EQ(dumpField(fading, "FaderShow"), -999);
    EXPECT_EQ(dumpField(fading, "FaderDir"), 2);
    // the run ended by itself when the fade reached black, long before frame 2000
    EXPECT_FALSE(std::filesystem::exists(dir + "never.json"));
}

TEST(Harness, FocusLossShowsThePauseScreenUntilAClick)
{
    std::string dir = tempDir("harness-pause");
    std::string script =
        "2 keydown escape\n"
        "30 keyup escape\n"
        "600 focus lost\n"
        "601 dump " + dir + "lost.json\n"
        "620 focus gained\n"
        "630 shot " + dir + "pause.png\n"
        "630 dump " + dir + "paused.json\n"
        "640 mouse 500 500\n"
        "641 click left\n"
        "642 dump " + dir + "resumed.json\n";
    ASSERT_EQ(runHarness("--frames 645", script, dir), 0) << readFile(dir + "script.out");
    std::string lost = readFile(dir + "lost.json"), paused = readFile(dir + "paused.json"), resumed = readFile(dir + "resumed.json");
    EXPECT_EQ(dumpField(lost, "g_suspend"), 2);
    EXPECT_EQ(dumpField(lost, "g_pause"), 1);
    EXPECT_EQ(dumpField(paused, "g_suspend"), 0);
    EXPECT_EQ(dumpField(paused, "g_pause"), 1);
    EXPECT_EQ(dumpField(resumed, "g_pause"), -1);
    EXPECT_GT(readFile(dir + "pause.png").size(), 1000u);
}

TEST(Harness, BadScriptLineIsNamed)
{
    std::string dir = tempDir("harness-bad");
    EXPECT_NE(runHarness("--frames 5", "1 mouse 10 10\n2 jump high\n", dir), 0);
    EXPECT_NE(readFile(dir + "script.out").find("script.txt:2:"), std::string::npos);
    EXPECT_NE(runHarness("--frames 5", "x click left\n", dir), 0);
    EXPECT_NE(runHarness("--frames 5", "3 key tab\n", dir), 0);
    for (const char* bad : {"1 pad\n", "1 pad trigger\n", "1 paddown connect\n", "1 padaxis leftx 40000\n",
                            "1 padaxis a 0\n", "1 padup\n"})
        EXPECT_NE(runHarness("--frames 5", bad, dir), 0) << bad;
    EXPECT_EQ(runHarness("--frames 5", "1 pad connect\n2 paddown dpleft\n3 padup dpleft\n3 pad a\n4 padaxis lefty -32768\n"
                                       "5 pad disconnect\n",
                         dir),
              0)
        << readFile(dir + "script.out");
}

TEST(Harness, FramesLeftUndrawnChangeNoShot)
{
    std::string dir = tempDir("harness-unseen");
    std::string pictures[2];
    for (int run = 0; run < 2; ++run) {
        std::string d = dir + std::to_string(run) + "/";
        std::filesystem::create_directories(d);
        std::string script = "30 shot " + d + "fading.png\n"
                             "60 shot " + d + "help.png\n"
                             "61 key enter\n"
                             "110 shot " + d + "board.png\n";
        ASSERT_EQ(runHarness(std::string("--frames 110 --seed 5 --board 3") + (run ? " --draw-all" : ""), script, d), 0)
            << readFile(d + "script.out");
        for (const char* shot : {"fading", "help", "board"}) pictures[run] += readFile(d + shot + ".png");
    }
    EXPECT_GT(pictures[0].size(), 30000u);
    EXPECT_TRUE(pictures[0] == pictures[1]);
}

TEST(Harness, APadUnpluggedMidLevelPausesUntilItsOwnConfirm)
{
    std::string dir = tempDir("harness-pad-pause");
    std::string script =
        "1 pad connect\n"
        "60 keydown enter\n"
        "61 keyup enter\n"
        "200 pad disconnect\n"
        "201 dump " + dir + "unplugged.json\n"
        "230 pad connect\n"
        "240 dump " + dir + "plugged.json\n"
        "250 pad a\n"
        "252 dump " + dir + "resumed.json\n";
    ASSERT_EQ(runHarness("--board 2 --frames 255", script, dir), 0) << readFile(dir + "script.out");
    const std::string unplugged = readFile(dir + "unplugged.json"), plugged = readFile(dir + "plugged.json");
    EXPECT_EQ(dumpField(unplugged, "g_pause"), 1);
    EXPECT_EQ(dumpField(unplugged, "g_suspend"), 0) << "the window is not minimised for a pad";
    EXPECT_EQ(dumpField(plugged, "g_pause"), 1) << "plugging it back in is no answer";
    EXPECT_EQ(dumpField(readFile(dir + "resumed.json"), "g_pause"), -1);
    // the level is kept as a lost window keeps it
    const std::string profile = readFile(dir + "save/players1.ppp");
    ASSERT_GE(profile.size(), 7436u);
    EXPECT_EQ(intAt(profile, 52), 1);
}
