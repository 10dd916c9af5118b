// The settings file, the first start, the champions ranking and the best-times file with its recording on a win.
#include <cstdlib>
#include <filesystem>

#include "app/globals.h"
#include "app/mainloop.h"
#include "campaign/besttimes.h"
#include "campaign/config.h"
#include "campaign/spieler.h"
#include "platform/sys.h"
#include "tests/dialogs_support.h"
#include "tests/spine_support.h"

namespace {
void writeText(const std::string& path, const std::string& text) { writeFile(path, std::vector<uint8_t>(text.begin(), text.end())); }
}

TEST_F(DialogFixture, SettingsReadWhatIsThereDefaultTheRestAndClamp)
{
    TConfig& c = *g_config;
    const std::string url = dir + "settings.txt";
    // a first run writes the defaults; language and the music in effect are still 0
    c.Reset();
    c.musiklaut = 0;
    c.sprache = 0;
    ASSERT_EQ(c.SaveToDisk(), 1);
    EXPECT_EQ(fileText(url), "1\r\n140\r\n210\r\n-1\r\n0\r\n0\r\n");

    writeText(url, "0\r\n200\r\n  75abc\r\n\r\n3\r\n50\r\n");
    g_currentPlayer = 2;
    EXPECT_EQ(c.LoadFromDisk(), 1);
    EXPECT_EQ(c.fullscreen, 0);
    EXPECT_EQ(c.musiklautsoll, 200);
    EXPECT_EQ(c.musiklaut, 200);
    EXPECT_EQ(c.soundlaut, 75);
    EXPECT_EQ(g_currentPlayer, -1);   // an empty line reads 0, which is no slot
    EXPECT_EQ(c.sprache, 3);

    // out of range: clamped, and the slot kept only inside 1..8
    writeText(url, "7\r\n-40\r\n9999\r\n12\r\n0\r\n");
    c.LoadFromDisk();
    EXPECT_EQ(c.fullscreen, 1);
    EXPECT_EQ(c.musiklautsoll, 0);
    EXPECT_EQ(c.soundlaut, 280);
    EXPECT_EQ(g_currentPlayer, -1);
    writeText(url, "1\n140\n210\n-7\n0\n");
    c.LoadFromDisk();
    EXPECT_EQ(g_currentPlayer, -1);
    writeText(url, "1\n140\n210\n8\n0\n");
    c.LoadFromDisk();
    EXPECT_EQ(g_currentPlayer, 8);
    // a slot no profile uses is forgotten once the profiles are read
    forgetUnusedCurrentPlayer();
    EXPECT_EQ(g_currentPlayer, -1);
    g_players[8]->Name = "Eighth";
    g_currentPlayer = 8;
    forgetUnusedCurrentPlayer();
    EXPECT_EQ(g_currentPlayer, 8);

    // two lines only: the rest take the defaults and the file is written back whole
    writeText(url, "0\r\n60\r\n");
    c.sprache = 9;
    EXPECT_EQ(c.LoadFromDisk(), 0);
    EXPECT_EQ(c.fullscreen, 0);
    EXPECT_EQ(c.musiklautsoll, 60);
    EXPECT_EQ(c.soundlaut, 210);
    EXPECT_EQ(g_currentPlayer, -1);
    EXPECT_EQ(c.sprache, 0);
    EXPECT_EQ(fileText(url), "0\r\n60\r\n210\r\n-1\r\n0\r\n60\r\n");

    std::filesystem::remove(url);
    c.fullscreen = 0;
    c.musiklautsoll = c.soundlaut = 0;
    EXPECT_EQ(c.LoadFromDisk(), 0);
    EXPECT_EQ(fileText(url), "1\r\n140\r\n210\r\n-1\r\n0\r\n140\r\n");
}

TEST_F(DialogFixture, FirstStartWithoutARuntimeFolderStillWritesTheDefaults)
{
    // the single-instance lock must not create the save folder and so hide the first run
    const std::string home = dir + "home/";
    std::filesystem::create_directories(home);
    const char* oldRuntime = std::getenv("XDG_RUNTIME_DIR");
    const std::string keep = oldRuntime ? oldRuntime : "";
    unsetenv("XDG_RUNTIME_DIR");
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    EXPECT_EQ(checkSingleInstance("morvell-test"), 1);
    EXPECT_FALSE(std::filesystem::exists(home + "morvell"));
    for (auto& p : g_players) {
        delete p;
        p = nullptr;
    }
    initSaveFolders();
    if (!keep.empty()) setenv("XDG_RUNTIME_DIR", keep.c_str(), 1);
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(g_saveDir, home + "morvell/");
    EXPECT_EQ(fileText(home + "morvell/settings.txt"), "1\r\n140\r\n210\r\n-1\r\n0\r\n0\r\n");
    EXPECT_EQ(fileText(home + "morvell/players1.ppp").size(), (size_t)PROFILE_FIXED_BYTES);
    EXPECT_EQ(fileText(home + "morvell/besttimes.ppp").size(), (size_t)BESTTIMES_FILE_BYTES);
}

TEST_F(DialogFixture, ChampionsRankByProgressThenSlot)
{
    g_players[1]->StoryLevel = 12;
    g_players[2]->StoryLevel = 30;
    g_players[5]->StoryLevel = 12;
    g_players[1]->Name = "One";
    g_players[2]->Name = "Two";
    g_players[5]->Name = "Five";
    g_players[5]->StoryPoints = 99999;   // points do not break ties
    rankChampions();
    EXPECT_EQ(g_champName[1], "Two");
    EXPECT_EQ(g_champName[2], "One");
    EXPECT_EQ(g_champName[3], "Five");
    EXPECT_EQ(g_champLevel[1], 30);
    EXPECT_EQ(g_champPoints[3], 99999);
    // the erased slots follow at level 1, and the table shows them as free rows
    for (int r = 4; r <= 8; ++r) {
        EXPECT_EQ(g_champLevel[r], 1);
        EXPECT_EQ(g_champName[r], "");
        EXPECT_TRUE(champRowFree(r)) << r;
    }
    for (int r = 1; r <= 3; ++r) EXPECT_FALSE(champRowFree(r)) << r;
    g_players[2]->Name = "   ";
    rankChampions();
    EXPECT_TRUE(champRowFree(1));
    EXPECT_FALSE(champRowFree(2));
    g_players[2]->Name = "Two";

    // only one traveller has come further: every other slot fills a row at level 1
    for (int s = 1; s <= 8; ++s) g_players[s]->Erase();
    g_players[7]->StoryLevel = 3;
    rankChampions();
    EXPECT_EQ(g_champLevel[1], 3);
    for (int r = 2; r <= 8; ++r) EXPECT_EQ(g_champLevel[r], 1);

    // a slot outside the ranked levels is left out and its row stays empty
    g_players[4]->StoryLevel = 500;
    rankChampions();
    EXPECT_EQ(g_champLevel[8], -1);
    EXPECT_EQ(g_champName[8], "");
}

TEST_F(DialogFixture, BestTimesFileByteForByteAndItsDamage)
{
    const std::string path = dir + "besttimes.ppp";
    resetBestTimes();
    std::string bytes = fileText(path);
    ASSERT_EQ(bytes.size(), 1280u);
    EXPECT_EQ(intAt(bytes, 0), -1);
    EXPECT_EQ(bytes.substr(4, 12), std::string(12, ' '));
    g_bestTime[3] = 77;
    g_bestTimeName[3] = "Ann";
    g_bestTime[80] = 5;
    g_bestTimeName[80] = "Twelve chars";
    g_bestTime[9] = 12;
    g_bestTimeName[9] = "Much too long a name";
    g_bestTimeName[10] = "J\xc3\xb6rg";   // one byte for the ö
    ASSERT_EQ(saveBestTimes(), 1);
    bytes = fileText(path);
    ASSERT_EQ(bytes.size(), 1280u);
    EXPECT_EQ(intAt(bytes, 2 * 16), 77);
    EXPECT_EQ(bytes.substr(2 * 16 + 4, 12), "Ann         ");
    EXPECT_EQ(bytes.substr(79 * 16 + 4, 12), "Twelve chars");
    EXPECT_EQ(bytes.substr(8 * 16 + 4, 12), "Much too lon");
    EXPECT_EQ(bytes.substr(9 * 16 + 4, 12), "J\xf6rg        ");

    resetBestTimes();
    EXPECT_EQ(g_bestTime[3], -1);
    writeFile(path, std::vector<uint8_t>(bytes.begin(), bytes.end()));
    loadBestTimes();
    EXPECT_EQ(g_bestTime[3], 77);
    EXPECT_EQ(g_bestTimeName[3], "Ann");
    EXPECT_EQ(g_bestTimeName[10], "J\xc3\xb6rg");
    EXPECT_EQ(g_bestTime[1], -1);
    EXPECT_EQ(g_bestTimeName[1], "");

    // a time below "none" is dropped with its name; the other entries stay
    std::string negative = bytes;
    negative[2 * 16 + 3] = '\xff';
    writeFile(path, std::vector<uint8_t>(negative.begin(), negative.end()));
    loadBestTimes();
    EXPECT_EQ(g_bestTime[3], -1);
    EXPECT_EQ(g_bestTimeName[3], "");
    EXPECT_EQ(g_bestTime[80], 5);

    // one byte short: kept aside, the table starts afresh and a whole file is written
    writeFile(path, std::vector<uint8_t>(bytes.begin(), bytes.end() - 1));
    loadBestTimes();
    EXPECT_EQ(g_bestTime[3], -1);
    EXPECT_EQ(fileText(path + ".bad").size(), 1279u);
    EXPECT_EQ(fileText(path).size(), 1280u);
    std::filesystem::remove(path);
    g_bestTime[4] = 8;
    loadBestTimes();
    EXPECT_EQ(g_bestTime[4], -1);
    EXPECT_EQ(fileText(path).size(), 1280u);
}

TEST_F(DialogFixture, ABestTimeIsRecordedOnAWinAndKeptOnASlowerOne)
{
    resetBestTimes();
    EXPECT_EQ(recordBestTime(6, 95, "Ann"), 1);
    EXPECT_EQ(recordBestTime(6, 120, "Bob"), 0);
    EXPECT_EQ(recordBestTime(6, 95, "Bob"), 0);
    EXPECT_EQ(g_bestTimeName[6], "Ann");
    EXPECT_EQ(recordBestTime(6, 60, "Cy"), 1);
    EXPECT_EQ(recordBestTime(0, 1, "x") + recordBestTime(81, 1, "x"), 0);
    loadBestTimes();
    EXPECT_EQ(g_bestTime[6], 60);
    EXPECT_EQ(g_bestTimeName[6], "Cy");
}
