// Player profiles: the file layout byte for byte, suspend and resume, progression, the goal table, damaged files.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/globals.h"
#include "campaign/scene_story.h"
#include "campaign/spieler.h"
#include "match3/scene_match3.h"
#include "powerups/powerups.h"
#include "tests/spine_support.h"

namespace {
class Profile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureHeadless();
        createGlobals();
        dir = tempDir("profile");
        for (int p = 0; p < MAX_PLAYERS; ++p) {
            g_players[p] = new TSpieler();
            g_players[p]->SetURL(dir + "players" + std::to_string(p) + ".ppp");
        }
    }
    void TearDown() override { destroyGlobals(); }
    std::string dir;
};
}

TEST_F(Profile, FileAfterEraseHasTheFixedLayout)
{
    TSpieler& p = *g_players[1];
    p.StoryPoints = 999;
    p.Erase();
    ASSERT_EQ(p.SaveToDisk(), 1);
    std::string f = readFile(p.url);
    ASSERT_EQ(f.size(), (size_t)PROFILE_FIXED_BYTES);
    EXPECT_EQ(intAt(f, 0), 1);    // StoryPage
    EXPECT_EQ(intAt(f, 4), 1);    // StoryLevel
    EXPECT_EQ(intAt(f, 16), 1);   // Level
    for (size_t at = 36; at <= 48; at += 4) EXPECT_EQ(intAt(f, at), 1) << at;   // first-time flags
    EXPECT_EQ(intAt(f, 60), 1);   // resumeLevel
    EXPECT_EQ(intAt(f, 76), 3);   // gtGameType
    EXPECT_EQ(intAt(f, 84), 1);   // isHelp
    EXPECT_EQ(intAt(f, 100), 2);  // skipfill
    EXPECT_EQ(intAt(f, 7432), 0); // name length
    int nonZero = 0;
    for (size_t at = 0; at < f.size(); at += 4) nonZero += intAt(f, at) != 0;
    EXPECT_EQ(nonZero, 11);

    p.Name = "  Ann  ";
    p.SaveToDisk();
    f = readFile(p.url);
    EXPECT_EQ(f.size(), (size_t)PROFILE_FIXED_BYTES + 3);
    EXPECT_EQ(intAt(f, 7432), 3);
    EXPECT_EQ(f.substr(7436), "Ann");

    p.Name = "Zo\xC3\xAB";   // one byte per character in the file
    p.SaveToDisk();
    f = readFile(p.url);
    EXPECT_EQ(intAt(f, 7432), 3);
    EXPECT_EQ((unsigned char)f[7438], 0xEB);
    TSpieler q;
    q.SetURL(p.url);
    ASSERT_EQ(q.LoadFromDisk(), 1);
    EXPECT_EQ(q.Name, "Zo\xC3\xAB");
}

TEST_F(Profile, FieldTableMatchesTheByteLayout)
{
    // the offsets the layout test above reads, by field
    const std::pair<const char*, int> known[] = {
        {"StoryPage", 0},      {"StoryLevel", 4},    {"Level", 16},   {"resumeRemoveLineIsFirstTime", 36},
        {"resumeThrowExplosiveIsFirstTime", 48}, {"isResume", 52}, {"resumePoints", 56}, {"resumeLevel", 60},
        {"resumeTime", 64},    {"resumeGTGameType", 68}, {"gtGameType", 76}, {"isHelp", 84}, {"skipfill", 100},
    };
    for (const auto& [name, at] : known) {
        int index = -1;
        for (int i = 0; i < PROFILE_HEADER_FIELDS; ++i)
            if (std::string(kProfileHeader[i].name) == name) index = i;
        EXPECT_EQ(4 * index, at) << name;
    }
    EXPECT_EQ(PROFILE_CELLS_AT, 104);
    EXPECT_EQ(PROFILE_GOALS_AT, 7384);
    EXPECT_EQ(PROFILE_NAME_AT, 7432);
    EXPECT_EQ(PROFILE_FIXED_BYTES, 7436);

    // every entry is its own field, written at its place and read back into it
    TSpieler& p = *g_players[6];
    p.Erase();
    for (int i = 0; i < PROFILE_HEADER_FIELDS; ++i) p.*kProfileHeader[i].field = 1000 + i;
    p.resumeCellMoss[1] = 5;
    p.resumeItemKaefCol[260] = 77;
    p.resumeItemsDestroyed[5] = 33;
    p.pusoll[7] = 9;
    p.Name = "Ida";
    ASSERT_EQ(p.SaveToDisk(), 1);
    std::string f = readFile(p.url);
    ASSERT_EQ(f.size(), (size_t)PROFILE_FIXED_BYTES + 3);
    for (int i = 0; i < PROFILE_HEADER_FIELDS; ++i) EXPECT_EQ(intAt(f, 4 * (size_t)i), 1000 + i) << kProfileHeader[i].name;
    EXPECT_EQ(intAt(f, 104), 5);
    EXPECT_EQ(intAt(f, 104 + 259 * 28 + 24), 77);
    EXPECT_EQ(intAt(f, 7384 + 16), 33);
    EXPECT_EQ(intAt(f, 7404 + 24), 9);
    // Read back without a snapshot stored: the snapshot's own values load as they are, the others into their range.
    f.replace(52, 4, std::string(4, '\0'));
    writeFile(p.url, std::vector<uint8_t>(f.begin(), f.end()));
    TSpieler q;
    q.SetURL(p.url);
    ASSERT_EQ(q.LoadFromDisk(), 1);
    for (int i = 0; i < PROFILE_HEADER_FIELDS; ++i) {
        const ProfileField& field = kProfileHeader[i];
        int want = std::string(field.name) == "isResume" ? 0 : field.snapshot ? 1000 + i : std::clamp(1000 + i, field.lo, field.hi);
        EXPECT_EQ(q.*field.field, want) << field.name;
    }
    EXPECT_EQ(q.resumeCellMoss[1], 5);
    EXPECT_EQ(q.resumeItemKaefCol[260], 77);
    EXPECT_EQ(q.itemsDestroyed[5], 33);
    EXPECT_EQ(q.pusoll[7], 9);

    // each power-up keeps its own copy of its flags
    tavoTPowerUp* pus[4] = {puRemoveLine, puRemoveSameItem, puReplaceAllItems, puThrowExplosive};
    for (int i = 0; i < 4; ++i) {
        pus[i]->isUnlocked = i % 2;
        pus[i]->isFirstTime = 10 + i;
    }
    q.suspendPowerUps();
    for (tavoTPowerUp* pu : pus) pu->isUnlocked = pu->isFirstTime = -1;
    q.resumePowerUps();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(pus[i]->isUnlocked, i % 2) << i;
        EXPECT_EQ(pus[i]->isFirstTime, 10 + i) << i;
    }
    EXPECT_EQ(q.resumeReplaceAllItemsIsFirstTime, 12);
}

TEST_F(Profile, SuspendedLevelSurvivesSaveAndLoad)
{
    TSpieler& p = *g_players[2];
    p.Erase();
    p.Name = "Rita";
    p.Level = 14;
    p.StoryLevel = 15;
    p.LevelPoints = 1234;
    p.time = 77;
    p.gtGameType = 3;
    p.itemsDestroyed[2] = 9;
    sceneMatch3->_itemX[5] = 12.9f;
    sceneMatch3->_itemY[5] = 300.2f;
    sceneMatch3->_itemA[5] = 4;
    sceneMatch3->_cellMoss[7] = 1;
    sceneMatch3->_cellStone[8] = 2;
    puRemoveLine->isUnlocked = 1;
    puRemoveLine->isFirstTime = 0;
    p.suspendPowerUps();
    p.SuspendLevel();
    ASSERT_EQ(p.SaveToDisk(), 1);
    std::string f = readFile(p.url);
    EXPECT_EQ(intAt(f, 52), 1);      // isResume
    EXPECT_EQ(intAt(f, 56), 1234);   // resumePoints comes before resumeLevel
    EXPECT_EQ(intAt(f, 60), 14);
    EXPECT_EQ(intAt(f, 64), 77);     // resumeTime before resumeGTGameType
    EXPECT_EQ(intAt(f, 68), 3);
    EXPECT_EQ(intAt(f, 104 + 4 * 28 + 12), 12);   // cell 5's x, truncated
    EXPECT_EQ(intAt(f, 7384 + 4), 9);

    sceneMatch3->_itemX[5] = 0;
    sceneMatch3->_cellMoss[7] = 0;
    TSpieler q;
    q.SetURL(p.url);
    ASSERT_EQ(q.LoadFromDisk(), 1);
    EXPECT_EQ(q.Name, "Rita");
    EXPECT_EQ(q.getCurrentLevel(), 14);
    q.Level = 3;
    EXPECT_EQ(q.getCurrentLevel(), 14);
    EXPECT_EQ(q.itemsDestroyed[2], 9);
    q.ContinueLevel();
    EXPECT_EQ(q.Level, 14);
    EXPECT_EQ(q.LevelPoints, 1234);
    EXPECT_EQ(q.time, 77);
    EXPECT_EQ(q.isResume, 0);
    EXPECT_FLOAT_EQ(sceneMatch3->_itemX[5], 12.0f);
    EXPECT_FLOAT_EQ(sceneMatch3->_itemY[5], 300.0f);
    EXPECT_EQ(sceneMatch3->_cellMoss[7], 1);
    EXPECT_EQ(sceneMatch3->_cellStone[8], 2);
    puRemoveLine->isUnlocked = 0;
    q.resumePowerUps();
    EXPECT_EQ(puRemoveLine->isUnlocked, 1);
    EXPECT_EQ(puRemoveLine->isFirstTime, 0);
}

TEST_F(Profile, ProgressionStoryPagesAndPoints)
{
    TSpieler& p = *g_players[3];
    p.Erase();
    p.StoryLevel = 12;
    p.Level = 7;
    p.LevelUp();
    EXPECT_EQ(p.StoryLevel, 12);
    EXPECT_EQ(p.Level, 8);
    p.Level = 12;
    p.LevelUp();
    EXPECT_EQ(p.StoryLevel, 13);
    EXPECT_EQ(p.Level, 13);
    // Reaching the last level is not finishing it.
    p.StoryLevel = p.Level = 79;
    p.LevelUp();
    EXPECT_EQ(p.StoryLevel, 80);
    EXPECT_EQ(p.isStoryFinished, 0);
    EXPECT_EQ(p.Level, 80);
    p.LevelUp();
    EXPECT_EQ(p.StoryLevel, 80);
    EXPECT_EQ(p.isStoryFinished, 1);
    EXPECT_EQ(p.Level, 81);
    p.checkStoryPage();
    EXPECT_EQ(p.isStoryPageShow, 1);
    EXPECT_EQ(sceneStory->_page, 10);
    p.Level = 2;
    p.checkStoryPage();
    EXPECT_EQ(p.isStoryPageShow, 0);
    EXPECT_EQ(sceneStory->_page, 10);
    p.Level = 11;
    p.checkStoryPage();
    EXPECT_EQ(sceneStory->_page, 3);
    EXPECT_EQ(p.isChapterLevel(40), 1);
    EXPECT_EQ(p.isChapterLevel(41), 0);
    p.Level = 30;
    EXPECT_EQ(p.getChapterLevel(), 3);

    p.StoryPoints = 300;
    p.decStoryPoints(500);
    EXPECT_EQ(p.StoryPoints, 0);

    for (int i = 1; i <= 8; ++i) g_players[i]->StoryPoints = (i == 3 || i == 6) ? 50 : i;
    sortPlayers();
    EXPECT_EQ(g_playerOrder[1], 3);   // ties keep the lower slot first
    EXPECT_EQ(g_playerOrder[2], 6);
    EXPECT_EQ(g_playerOrder[3], 8);
    EXPECT_EQ(g_playerOrder[8], 1);
}

TEST_F(Profile, GoalTableTargetsAndItemsLeft)
{
    TSpieler& p = *g_players[4];
    std::vector<uint8_t> table;
    for (int level = 1; level <= 80; ++level)
        for (int kind = 1; kind <= 5; ++kind) {
            int v = level == 1 ? kind * 2 : 0;
            for (int b = 0; b < 4; ++b) table.push_back((uint8_t)(v >> (8 * b)));
        }
    writeFile(dir + "lvla000.lvl", table);
    ASSERT_EQ(p.loadAllItemsToDestroyFromDisk(dir + "lvla000.lvl"), 1);
    EXPECT_EQ(p.itemsToDestroyData[1][5], 10);
    EXPECT_EQ(p.isAllItemsDestroyed(2), 1);   // all targets 0
    EXPECT_EQ(p.isAllItemsDestroyed(1), 0);
    p.itemsDestroyed[1] = 5;
    EXPECT_EQ(p.getItemsLeftToDestroy(1, 1), 0);
    EXPECT_EQ(p.getItemsLeftToDestroy(1, 2), 4);
    EXPECT_EQ(p.getItemsLeftToDestroy(1, 10), 0);
    EXPECT_EQ(p.getItemsLeftToDestroy(1, 12), 0);
    for (int k = 1; k <= 5; ++k) p.itemsDestroyed[k] = 2 * k;
    EXPECT_EQ(p.isAllItemsDestroyed(1), 1);

    table.resize(100);
    writeFile(dir + "short.lvl", table);
    EXPECT_EQ(p.loadAllItemsToDestroyFromDisk(dir + "short.lvl"), 0);
    EXPECT_EQ(p.itemsToDestroyData[1][5], 10);   // the table read before stays
}

TEST_F(Profile, DamagedFilesAreKeptAsideAndTheSlotIsEmpty)
{
    TSpieler& p = *g_players[5];
    p.Erase();
    p.Name = "Kai";
    p.StoryPoints = 4000;
    p.SaveToDisk();
    std::string whole = readFile(p.url);
    writeFile(p.url, std::vector<uint8_t>(whole.begin(), whole.begin() + 5000));
    TSpieler q;
    q.SetURL(p.url);
    EXPECT_EQ(q.LoadFromDisk(), 0);
    EXPECT_EQ(q.Name, "");
    EXPECT_EQ(q.Level, 1);
    EXPECT_EQ(readFile(p.url + ".bad").size(), 5000u);
    EXPECT_FALSE(std::filesystem::exists(p.url));

    // a name length that runs past the end is damage too
    std::string longName = whole;
    longName[7432] = 50;
    writeFile(p.url, std::vector<uint8_t>(longName.begin(), longName.end()));
    EXPECT_EQ(q.LoadFromDisk(), 0);

    // a negative length is an empty name, not damage
    std::string negative = whole.substr(0, 7436);
    negative[7432] = (char)0xFF;
    negative[7433] = (char)0xFF;
    negative[7434] = (char)0xFF;
    negative[7435] = (char)0xFF;
    writeFile(p.url, std::vector<uint8_t>(negative.begin(), negative.end()));
    EXPECT_EQ(q.LoadFromDisk(), 1);
    EXPECT_EQ(q.Name, "");
    EXPECT_EQ(q.StoryPoints, 4000);

    std::filesystem::remove(p.url);
    EXPECT_EQ(q.LoadFromDisk(), 0);
    EXPECT_EQ(q.StoryPoints, 0);
}

namespace {
std::vector<std::string> s_profileTrace;
void keepProfileTrace(const std::string& line) { s_profileTrace.push_back(line); }
int tracedLines(const std::string& part)
{
    int n = 0;
    for (const std::string& l : s_profileTrace) n += l.find(part) != std::string::npos;
    return n;
}
std::string withInt(std::string f, size_t at, int32_t v)
{
    for (int i = 0; i < 4; ++i) f[at + (size_t)i] = (char)(uint8_t)((uint32_t)v >> (8 * i));
    return f;
}
}

// A hand-edited or damaged profile: header values are brought into range, a snapshot that cannot be resumed is
// dropped with a trace line while the rest of the profile stays, and points saturate instead of wrapping.
TEST_F(Profile, HostileValuesAreBroughtIntoRangeAndBadSnapshotsDropped)
{
    TSpieler& p = *g_players[6];
    p.Erase();
    p.Name = "Ida";
    p.StoryPoints = 500;
    p.StoryLevel = p.Level = 12;
    sceneMatch3->_itemA[3] = 2;
    sceneMatch3->_itemX[3] = 80;
    sceneMatch3->_itemY[3] = -20;
    p.SuspendLevel();
    ASSERT_EQ(p.SaveToDisk(), 1);
    const std::string good = readFile(p.url);
    const size_t cell3 = PROFILE_CELLS_AT + 2 * 28;
    Sys_SetTraceSink(keepProfileTrace);
    auto load = [&](const std::string& f) {
        writeFile(p.url, std::vector<uint8_t>(f.begin(), f.end()));
        auto q = std::make_unique<TSpieler>();
        q->SetURL(p.url);
        s_profileTrace.clear();
        EXPECT_EQ(q->LoadFromDisk(), 1);
        return q;
    };

    auto sound = load(good);
    EXPECT_EQ(sound->isResume, 1);
    EXPECT_EQ(sound->resumeLevel, 12);
    EXPECT_EQ(tracedLines("TSpieler"), 0);

    const std::vector<std::pair<std::string, std::string>> unresumable = {
        {"a level beyond the campaign", withInt(good, 60, 500)},
        {"a level before the first", withInt(good, 60, 0)},
        {"negative time", withInt(good, 64, -1)},
        {"negative points", withInt(good, 56, INT32_MIN)},
        {"an item far off the board", withInt(good, cell3 + 12, 2000000000)},
        {"an item far above the board", withInt(good, cell3 + 16, -100000)},
        {"a negative item kind", withInt(good, cell3 + 20, -5)},
        {"negative items destroyed", withInt(good, PROFILE_GOALS_AT + 4, -1)},
    };
    for (const auto& [what, file] : unresumable) {
        auto q = load(file);
        EXPECT_EQ(q->isResume, 0) << what;
        EXPECT_EQ(q->getCurrentLevel(), 12) << what;
        EXPECT_EQ(q->Name, "Ida") << what;
        EXPECT_EQ(q->StoryPoints, 500) << what;
        EXPECT_EQ(tracedLines("cannot be resumed"), 1) << what;
        q->SaveToDisk();
        EXPECT_EQ(intAt(readFile(p.url), 52), 0) << what << ": the dropped snapshot stays dropped";
    }

    // Outside a snapshot the values are clamped, each with its own trace line.
    std::string header = withInt(withInt(withInt(withInt(withInt(good, 8, INT32_MIN), 16, 1000), 80, INT32_MAX), 4, 0), 84, 7);
    auto h = load(withInt(header, 52, 0));
    EXPECT_EQ(h->StoryPoints, 0);
    EXPECT_EQ(h->Level, 81);
    EXPECT_EQ(h->time, PROFILE_MAX_COUNT);
    EXPECT_EQ(h->StoryLevel, 1);
    EXPECT_EQ(h->isHelp, 1);
    EXPECT_EQ(tracedLines("out of range"), 5);

    // Points near the ends of the range saturate.
    h->StoryPoints = INT32_MAX - 5;
    h->incStoryPoints(100);
    EXPECT_EQ(h->StoryPoints, INT32_MAX);
    h->decStoryPoints(INT32_MIN);
    EXPECT_EQ(h->StoryPoints, INT32_MAX);
    h->decStoryPoints(INT32_MAX);
    h->decStoryPoints(INT32_MAX);
    EXPECT_EQ(h->StoryPoints, 0);
    h->LevelPoints = INT32_MIN + 1;
    h->incLevelPoints(-10);
    EXPECT_EQ(h->LevelPoints, INT32_MIN);
    h->itemsDestroyed[1] = INT32_MIN;
    h->itemsToDestroyData[3][1] = INT32_MAX;
    EXPECT_EQ(h->getItemsLeftToDestroy(3, 1), INT32_MAX);
    Sys_SetTraceSink(nullptr);
}

// Every damaged load keeps its copy: the newest as .bad, older ones as .bad.2 and on, the oldest dropped.
TEST_F(Profile, EveryDamagedCopyIsKeptUpToAFew)
{
    TSpieler& p = *g_players[7];
    for (int i = 1; i <= PROFILE_BAD_COPIES + 2; ++i) {
        writeFile(p.url, std::vector<uint8_t>((size_t)(100 + i), (uint8_t)i));
        EXPECT_EQ(p.LoadFromDisk(), 0);
    }
    const int newest = 100 + PROFILE_BAD_COPIES + 2;
    EXPECT_EQ(readFile(p.url + ".bad").size(), (size_t)newest);
    for (int k = 2; k <= PROFILE_BAD_COPIES; ++k)
        EXPECT_EQ(readFile(p.url + ".bad." + std::to_string(k)).size(), (size_t)(newest - k + 1)) << k;
    EXPECT_FALSE(std::filesystem::exists(p.url + ".bad." + std::to_string(PROFILE_BAD_COPIES + 1)));
}

// A save that cannot be written keeps the old file and tells the player once, not at every save.
TEST_F(Profile, FailedSavesAreToldToThePlayerOnce)
{
    TSpieler& p = *g_players[4];
    p.Erase();
    p.SetURL(dir + "gone/players4.ppp");
    Sys_SetTraceSink(keepProfileTrace);
    s_profileTrace.clear();
    EXPECT_EQ(p.SaveToDisk(), 0);
    EXPECT_EQ(p.SaveToDisk(), 0);
    Sys_SetTraceSink(nullptr);
    EXPECT_EQ(tracedLines("save failed"), 2);
    EXPECT_EQ(tracedLines("told the player"), 1);
}
