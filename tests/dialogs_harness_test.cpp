// Scripted runs of the real game: the dialogs opened from their buttons, page through the help, leave a level and come back.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "campaign/scene_roadmap.h"
#include "campaign/scene_story.h"
#include "campaign/spieler.h"
#include "tests/dialogs_support.h"
#include "tests/harness_support.h"
#include "tests/spine_support.h"

namespace {
// The script is dir + "script.txt", the output dir + "script.out", the save folder dir + "save".
int runHarness(const std::string& args, const std::string& script, const std::string& dir)
{
    return runHarnessScript("--save " + dir + "save " + args, script, dir, "script");
}

// A field of the popup handler's own object in the dump.
int popupField(const std::string& json, const std::string& key)
{
    size_t at = json.find("\"popupHandler\":{");
    return at == std::string::npos ? -12345 : dumpField(json.substr(at, json.find('}', at) - at), key);
}

std::string section(const std::string& json, const std::string& key)
{
    size_t at = json.find("\"" + key + "\":[");
    if (at == std::string::npos) return "";
    return json.substr(at, json.find(']', at) - at);
}

bool isShot(const std::string& path) { return readFile(path).substr(1, 3) == "PNG"; }
}

TEST(DialogRuns, BoardHelpMenuPagesOptionsAndCredits)
{
    std::string d = tempDir("dialog-run-board");
    // level 1 opens its help page at the start; the menu button is live once the level runs
    std::string script =
        "60 shot " + d + "start-help.png\n"
        "60 dump " + d + "start-help.json\n"
        "61 keydown enter\n"
        "62 keyup enter\n"
        "63 dump " + d + "start-closing.json\n"
        "200 mouse 937 29\n"
        "201 click left\n"
        "230 shot " + d + "menu.png\n"
        "230 dump " + d + "menu.json\n"
        "231 mouse 417 374\n"
        "232 click left\n"
        "240 dump " + d + "help1.json\n"
        "241 mouse 712 610\n"
        "242 click left\n"
        "244 click left\n"
        "246 click left\n"
        "248 click left\n"
        "250 click left\n"
        "252 click left\n"
        "254 click left\n"
        "256 click left\n"
        "260 shot " + d + "help8.png\n"
        "260 dump " + d + "help8.json\n"
        "261 mouse 312 610\n"
        "262 click left\n"
        "263 dump " + d + "help7.json\n"
        "270 key escape\n"
        "300 dump " + d + "closed.json\n"
        "310 mouse 937 29\n"
        "311 click left\n"
        "340 mouse 607 374\n"
        "341 click left\n"
        "350 shot " + d + "options.png\n"
        "350 dump " + d + "options.json\n"
        "351 mouse 362 594\n"
        "352 click left\n"
        "380 shot " + d + "credits.png\n"
        "380 dump " + d + "credits.json\n"
        "381 quit\n";
    ASSERT_EQ(runHarness("--board 1", script, d), 0) << readFile(d + "script.out");
    std::string start = readFile(d + "start-help.json");
    EXPECT_EQ(popupField(start, "State"), 447);
    EXPECT_EQ(popupField(start, "runtime"), 16);
    EXPECT_EQ(dumpField(start, "g_instructionsPage"), 1);
    EXPECT_EQ(dumpField(start, "g_helpFromMenu"), 0);
    EXPECT_EQ(dumpField(start, "g_inputLayer"), 2);
    EXPECT_EQ(popupField(readFile(d + "start-closing.json"), "direction"), 2);
    EXPECT_EQ(popupField(readFile(d + "menu.json"), "State"), 298);
    std::string help1 = readFile(d + "help1.json");
    EXPECT_EQ(popupField(help1, "State"), 447);
    EXPECT_EQ(dumpField(help1, "g_helpFromMenu"), 1);
    EXPECT_EQ(dumpField(help1, "g_instructionsPage"), 1);
    // eight clicks on next stop at the last page
    EXPECT_EQ(dumpField(readFile(d + "help8.json"), "g_instructionsPage"), 8);
    EXPECT_EQ(dumpField(readFile(d + "help7.json"), "g_instructionsPage"), 7);
    std::string closed = readFile(d + "closed.json");
    EXPECT_EQ(popupField(closed, "State"), 0);
    EXPECT_EQ(dumpField(closed, "g_inputLayer"), 1);
    EXPECT_EQ(popupField(readFile(d + "options.json"), "State"), 100);
    EXPECT_EQ(popupField(readFile(d + "credits.json"), "State"), 101);
    for (const char* shot : {"start-help.png", "menu.png", "help8.png", "options.png", "credits.png"})
        EXPECT_TRUE(isShot(d + shot)) << shot;
}

TEST(DialogRuns, MenuExitKeepsTheLevelAndTheNextStartContinuesIt)
{
    std::string d = tempDir("dialog-run-exit");
    std::string script =
        "60 keydown enter\n"
        "61 keyup enter\n"
        "200 mouse 937 29\n"
        "201 click left\n"
        "225 dump " + d + "before.json\n"
        "230 mouse 417 454\n"
        "231 click left\n"
        "260 dump " + d + "map.json\n"
        "261 quit\n";
    ASSERT_EQ(runHarness("--board 2", script, d), 0) << readFile(d + "script.out");
    EXPECT_EQ(dumpField(readFile(d + "map.json"), "g_scene"), 13);
    std::string profile = readFile(d + "save/players1.ppp");
    ASSERT_GE(profile.size(), 7436u);
    EXPECT_EQ(intAt(profile, 52), 1);   // isResume
    EXPECT_EQ(intAt(profile, 60), 2);   // resumeLevel

    ASSERT_EQ(runHarness("--board 2", "2 dump " + d + "after.json\n3 quit\n", d), 0) << readFile(d + "script.out");
    std::string before = readFile(d + "before.json"), after = readFile(d + "after.json");
    EXPECT_EQ(dumpField(after, "isResume"), 0);
    EXPECT_EQ(dumpField(after, "Level"), 2);
    EXPECT_EQ(dumpField(after, "time"), dumpField(before, "time"));
    EXPECT_EQ(section(after, "cells"), section(before, "cells"));
    EXPECT_FALSE(section(before, "items").empty());
}

TEST(DialogRuns, AnEmptySaveFolderTakesTheDefaultsAndAFreshBestTimesFile)
{
    std::string d = tempDir("dialog-run-empty");
    std::filesystem::create_directories(d + "save");
    ASSERT_EQ(runHarness("--frames 3", "2 dump " + d + "d.json\n", d), 0) << readFile(d + "script.out");
    EXPECT_EQ(readFile(d + "save/settings.txt"), "1\r\n140\r\n210\r\n-1\r\n0\r\n140\r\n");
    EXPECT_EQ(readFile(d + "save/besttimes.ppp").size(), 1280u);
    std::string dump = readFile(d + "d.json");
    EXPECT_EQ(dumpField(dump, "soundlaut"), 210);
    EXPECT_EQ(dumpField(dump, "musiklautsoll"), 140);
    EXPECT_NE(dump.find("\"g_bestTime\":[-1,"), std::string::npos);
}

TEST(DialogRuns, MenuAndMapOpenTheirDialogsFromTheirButtons)
{
    std::string d = tempDir("dialog-run-menu");
    auto at = [&](int frame, const std::string& what) { return std::to_string(frame) + " " + what + "\n"; };
    auto look = [&](int frame, const std::string& name) {
        return at(frame, "shot " + d + name + ".png") + at(frame, "dump " + d + name + ".json");
    };
    // from an empty save folder: the first name, champions, options, start with a new game, the map's first visit
    std::string script = at(2, "keydown escape") + at(30, "keyup escape") + look(600, "name") + at(601, "text Ada") +
                         at(605, "key enter") + look(640, "named") + at(650, "mouse 353 666") + at(651, "click left") +
                         look(690, "champions") + at(691, "key escape") + at(730, "mouse 663 666") +
                         at(731, "click left") + look(770, "options") + at(771, "key escape") +
                         at(810, "mouse 905 666") + at(811, "click left") + look(870, "story1") +
                         at(931, "mouse 900 710") + at(932, "click left") + look(980, "story2") +
                         at(981, "click left") + look(1110, "maphelp") + at(1111, "mouse 512 586") +
                         at(1112, "click left") + look(1150, "map") + at(1151, "quit");
    ASSERT_EQ(runHarness("", script, d), 0) << readFile(d + "script.out");
    struct Step {
        const char* name;
        int scene, dialog;
    } steps[] = {{"name", 0, 105},   {"named", 0, 0},   {"champions", 0, 111}, {"options", 0, 100},
                 {"story1", 14, 0},  {"story2", 14, 0}, {"maphelp", 13, 112},  {"map", 13, 0}};
    for (const Step& s : steps) {
        std::string json = readFile(d + s.name + ".json");
        EXPECT_EQ(dumpField(json, "g_scene"), s.scene) << s.name;
        EXPECT_EQ(popupField(json, "State"), s.dialog) << s.name;
        EXPECT_TRUE(isShot(d + s.name + ".png")) << s.name;
    }
    EXPECT_EQ(dumpField(readFile(d + "named.json"), "g_currentPlayer"), 1);
    EXPECT_NE(readFile(d + "champions.json").find("\"Ada\""), std::string::npos);
    EXPECT_NE(readFile(d + "save/players1.ppp").find("Ada"), std::string::npos);
}

namespace {
// Writes a named profile with a journey into a save folder, as an earlier session of the game left it.
void craftProfile(const std::string& save, int slot, const std::string& name, int level, int points)
{
    TSpieler p;
    p.SetURL(save + "players" + std::to_string(slot) + ".ppp");
    p.Erase();
    p.Name = name;
    p.Level = p.StoryLevel = level;
    p.StoryPoints = points;
    ASSERT_EQ(p.SaveToDisk(), 1);
}

std::string settingsWithCurrent(int slot) { return "1\r\n140\r\n210\r\n" + std::to_string(slot) + "\r\n0\r\n140\r\n"; }

// The current slot a settings file names (its fourth line).
int currentInSettings(const std::string& text)
{
    size_t at = 0;
    for (int line = 0; line < 3 && at != std::string::npos; ++line) at = text.find('\n', at) + 1;
    return at == std::string::npos || at == 0 ? -12345 : std::atoi(text.c_str() + at);
}

std::string line(int frame, const std::string& what) { return std::to_string(frame) + " " + what + "\n"; }
const std::string kSkipSplash = line(2, "keydown escape") + line(30, "keyup escape");
}

TEST(DialogRuns, ANameEntryLeftByTheWindowsCloseButtonChangesNoProfile)
{
    std::string d = tempDir("dialog-run-close-entry");
    const std::string save = d + "save/";
    std::filesystem::create_directories(save);
    ensureHeadless();
    craftProfile(save, 1, "Ada", 23, 4321);
    craftProfile(save, 3, "Cy", 2, 50);
    std::ofstream(save + "settings.txt") << settingsWithCurrent(3);
    const std::string ada = readFile(save + "players1.ppp"), cy = readFile(save + "players3.ppp");

    // player menu, new player, a name half typed, then the window's close button: back first, then ok
    std::string script = kSkipSplash + line(600, "mouse 115 666") + line(601, "click left") + line(640, "mouse 323 584") +
                         line(641, "click left") + line(650, "text Zo") + line(660, "close") +
                         line(700, "dump " + d + "asked.json") + line(701, "key escape") +
                         line(760, "dump " + d + "back.json") + line(800, "mouse 115 666") + line(801, "click left") +
                         line(840, "mouse 323 584") + line(841, "click left") + line(850, "text Zo") +
                         line(860, "close") + line(900, "key enter");
    ASSERT_EQ(runHarness("--frames 1200", script, d), 0) << readFile(d + "script.out");
    const std::string asked = readFile(d + "asked.json"), back = readFile(d + "back.json");
    EXPECT_EQ(popupField(asked, "State"), POPUP_QUIT);
    EXPECT_EQ(dumpField(asked, "g_currentPlayer"), 3);
    // back on the quit question: the entry is gone, not reopened, and the current player is who it was
    EXPECT_EQ(popupField(back, "State"), 0);
    EXPECT_EQ(dumpField(back, "g_currentPlayer"), 3);
    EXPECT_EQ(dumpField(back, "g_pendingSlot"), -1);
    EXPECT_EQ(currentInSettings(readFile(save + "settings.txt")), 3);
    EXPECT_EQ(readFile(save + "players1.ppp"), ada);
    EXPECT_EQ(readFile(save + "players3.ppp"), cy);
    EXPECT_EQ(readFile(save + "players2.ppp").find("Zo"), std::string::npos);

    // the next start greets Cy and asks for no name
    ASSERT_EQ(runHarness("--frames 700", kSkipSplash + line(600, "dump " + d + "next.json"), d), 0);
    const std::string next = readFile(d + "next.json");
    EXPECT_EQ(dumpField(next, "g_currentPlayer"), 3);
    EXPECT_EQ(popupField(next, "State"), 0);
    EXPECT_EQ(readFile(save + "players1.ppp"), ada);
}

TEST(DialogRuns, TheFirstNameEntryCanBeDismissedAndNothingTypedBeforeItReachesIt)
{
    std::string d = tempDir("dialog-run-first-entry");
    // keys typed on the loading screen, then the entry the menu opens by itself dismissed with back
    std::string script = kSkipSplash + line(100, "text  Bo") + line(110, "key enter") + line(120, "key space") +
                         line(560, "dump " + d + "ask.json") + line(561, "mouse 412 484") + line(562, "click left") +
                         line(700, "dump " + d + "dismissed.json") + line(700, "shot " + d + "dismissed.png") +
                         // champions can be looked at before naming; closing it with Enter types nothing
                         line(710, "mouse 355 666") + line(711, "click left") + line(750, "dump " + d + "champ.json") +
                         line(751, "keydown enter") + line(753, "keyup enter") + line(755, "text Q") +
                         // start asks for the name; the close button and back on the quit question leave no profile
                         line(800, "mouse 905 666") + line(801, "click left") + line(840, "dump " + d + "start.json") +
                         line(850, "close") + line(890, "key escape") + line(950, "dump " + d + "after.json") +
                         // and a real name at last
                         line(960, "mouse 905 666") + line(961, "click left") + line(1000, "text Ann") +
                         line(1010, "key enter") + line(1040, "dump " + d + "named.json") + line(1041, "quit");
    ASSERT_EQ(runHarness("--frames 1100", script, d), 0) << readFile(d + "script.out");
    const std::string ask = readFile(d + "ask.json"), dismissed = readFile(d + "dismissed.json");
    EXPECT_EQ(popupField(ask, "State"), POPUP_NEWPLAYER);
    EXPECT_EQ(popupField(ask, "direction"), 1);
    EXPECT_NE(ask.find("\"g_pendingName\":\"\""), std::string::npos) << "text typed on the loading screen";
    EXPECT_EQ(dumpField(ask, "g_currentPlayer"), -1);
    EXPECT_EQ(popupField(dismissed, "State"), 0);
    EXPECT_EQ(dumpField(dismissed, "g_currentPlayer"), -1);
    EXPECT_EQ(popupField(readFile(d + "champ.json"), "State"), POPUP_CHAMP);
    const std::string start = readFile(d + "start.json");
    EXPECT_EQ(popupField(start, "State"), POPUP_NEWPLAYER);
    EXPECT_NE(start.find("\"g_pendingName\":\"\""), std::string::npos) << "Enter or text typed on the menu";
    const std::string after = readFile(d + "after.json");
    EXPECT_EQ(popupField(after, "State"), 0);
    EXPECT_EQ(dumpField(after, "g_currentPlayer"), -1);
    const std::string named = readFile(d + "named.json");
    EXPECT_EQ(dumpField(named, "g_currentPlayer"), 1);
    EXPECT_NE(named.find("\"Name\":\"Ann\""), std::string::npos);
    EXPECT_NE(readFile(d + "save/players1.ppp").find("Ann"), std::string::npos);
}

TEST(DialogRuns, AWindowCloseRequestOnTheSplashPagesOrTheLoadingScreenEndsTheGame)
{
    for (const int frame : {5, 150}) {
        std::string d = tempDir("dialog-run-early-close");
        std::string script = (frame > 100 ? kSkipSplash : std::string()) + line(frame, "close") +
                             line(frame + 200, "dump " + d + "never.json");
        ASSERT_EQ(runHarness("--frames 2000", script, d), 0) << readFile(d + "script.out");
        EXPECT_FALSE(std::filesystem::exists(d + "never.json")) << "still running after a close request at " << frame;
    }
}

TEST(DialogRuns, ArrowsAndEnterReachTheMenusButtonsAndADialogsOwnWithoutAMouse)
{
    std::string d = tempDir("dialog-run-keys");
    // no mouse event at all; the name typed as a keyboard types it, each letter a key and a character (A and D
    // also move the focus elsewhere, never in a name entry); the first arrow shows the focus on start, the next
    // moves it left to options
    std::string script = kSkipSplash + line(600, "key a") + line(600, "text A") + line(601, "key d") +
                         line(601, "text d") + line(602, "key a") + line(602, "text a") + line(605, "key enter") +
                         line(640, "dump " + d + "named.json") + line(650, "key left") +
                         line(655, "dump " + d + "shown.json") + line(660, "key left") + line(661, "keydown enter") +
                         line(662, "keyup enter") + line(700, "dump " + d + "options.json") +
                         line(700, "shot " + d + "options.png") + line(701, "key down") + line(703, "key down") +
                         line(705, "key down") + line(707, "key down") + line(709, "key right") +
                         line(711, "keydown enter") + line(712, "keyup enter") + line(740, "dump " + d + "closed.json") + line(741, "key right") +
                         line(742, "key right") + line(743, "keydown enter") + line(744, "keyup enter") +
                         line(800, "dump " + d + "start.json") + line(801, "quit");
    ASSERT_EQ(runHarness("--frames 900", script, d), 0) << readFile(d + "script.out");
    const std::string named = readFile(d + "named.json");
    EXPECT_EQ(dumpField(named, "g_currentPlayer"), 1);
    EXPECT_NE(named.find("\"Name\":\"Ada\""), std::string::npos);
    EXPECT_EQ(popupField(readFile(d + "shown.json"), "State"), 0) << "the first arrow only shows the focus";
    EXPECT_EQ(popupField(readFile(d + "options.json"), "State"), POPUP_OPTIONS);
    const std::string closed = readFile(d + "closed.json");
    EXPECT_EQ(popupField(closed, "State"), 0);
    EXPECT_EQ(popupField(closed, "direction"), 2)
        << "down from the sliders over the boxes to credits, right to ok, which closed the options";
    // right of options lies start: Ada never played, so it leads straight into the story
    EXPECT_EQ(dumpField(readFile(d + "start.json"), "g_scene"), 14);
}

TEST(DialogRuns, AFinishedJourneyOnTheMapPreviewsAnyLevelAndStartRetellsTheEnd)
{
    std::string d = tempDir("dialog-run-finished");
    std::filesystem::create_directories(d + "save");
    // a traveller who has finished the campaign, chosen in the settings
    TSpieler done;
    done.Erase();
    done.Name = "Ada";
    done.StoryLevel = 80;
    done.isStoryFinished = 1;
    done.Level = 1;
    done.isHelp = 0;
    done.SetURL(d + "save/players1.ppp");
    ASSERT_EQ(done.SaveToDisk(), 1);
    std::ofstream(d + "save/settings.txt", std::ios::binary) << "0\r\n140\r\n210\r\n1\r\n0\r\n140\r\n";
    auto at = [&](int frame, const std::string& what) { return std::to_string(frame) + " " + what + "\n"; };
    auto look = [&](int frame, const std::string& name) {
        return at(frame, "shot " + d + name + ".png") + at(frame, "dump " + d + name + ".json");
    };
    const TLevelPoint p = roadmapPoint(36);
    std::string script = at(2, "keydown escape") + at(30, "keyup escape") + at(560, "mouse 905 666") +
                         at(561, "click left") + at(600, "mouse 617 484") + at(601, "click left") + look(660, "map") +
                         at(661, "mouse " + std::to_string(p.x) + " " + std::to_string(p.y)) + at(662, "click left") +
                         look(690, "preview") + at(691, "key escape") + look(720, "closed") +
                         at(721, "mouse 905 666") + at(722, "click left") + look(770, "story") + at(771, "quit");
    ASSERT_EQ(runHarness("", script, d), 0) << readFile(d + "script.out");
    const std::string map = readFile(d + "map.json");
    EXPECT_EQ(dumpField(map, "g_scene"), 13);
    EXPECT_EQ(dumpField(map, "sceneRoadmap", "visiblePoints"), 80);
    const std::string preview = readFile(d + "preview.json");
    EXPECT_EQ(popupField(preview, "State"), 551);
    EXPECT_EQ(popupField(readFile(d + "closed.json"), "State"), 0);
    const std::string story = readFile(d + "story.json");
    EXPECT_EQ(dumpField(story, "g_scene"), 14);
    EXPECT_EQ(dumpField(story, "sceneStory", "_page"), STORY_FIRST_CLOSING_PAGE);
    for (const char* shot : {"map.png", "preview.png", "closed.png", "story.png"}) EXPECT_TRUE(isShot(d + shot)) << shot;
}
