// One player profile and the campaign progression kept in it.
#pragma once

#include <string>

class TSpieler {
public:
    virtual ~TSpieler() = default;
    virtual void Create() { maxItemsToDestroy = 5; }
    virtual void resumePowerUps();
    virtual void suspendPowerUps();
    virtual void checkStoryPage();
    virtual int isChapterLevel(int level);
    virtual int getChapterLevel();
    virtual void StoryLevelUp();
    virtual void LevelUp();
    virtual void LevelDone();
    virtual void Erase();
    virtual int SaveToDisk();
    virtual int LoadFromDisk();
    virtual void SetURL(const std::string& path) { url = path; }
    virtual void NewSafari();
    virtual void Reset();
    virtual int getCurrentLevel();
    virtual void incLevelPoints(int n);
    virtual void incStoryPoints(int n);
    virtual void decStoryPoints(int n);
    virtual void SuspendLevel();
    virtual void ContinueLevel();
    virtual void ResetResume();
    virtual int isItemsDestroyed(int level, int kind);
    virtual int isAllItemsDestroyed(int level);
    virtual int loadAllItemsToDestroyFromDisk(const std::string& path);
    virtual int getItemsLeftToDestroy(int level, int kind);
    // Brings what a file loaded into range: clamps the header, drops a snapshot that cannot be resumed.
    void checkLoadedValues();

    // campaign progress
    int StoryPage = 0;
    int StoryLevel = 0;
    int StoryPoints = 0;
    int isStoryPageShow = 0;
    int isStoryFinished = 0;
    int isIntroDone = 0;
    int Level = 0;
    int levelSelected = 0;
    int gtGameType = 0;
    // current level
    int LevelPoints = 0;
    int time = 0;
    int anzItems = 0;
    int anzMoss = 0;
    int anzKaefer = 0;
    int skipfill = 0;
    int isHelp = 0;
    int maxItemsToDestroy = 5;
    int itemsDestroyed[6] = {};
    int itemsToDestroyData[81][6] = {};
    // the resume snapshot
    int isResume = 0;
    int resumeLevel = 0;
    int resumePoints = 0;
    int resumeTime = 0;
    int resumeGTGameType = 0;
    int resumeCellMoss[261] = {};
    int resumeCellStone[261] = {};
    int resumeCellDoor[261] = {};
    int resumeItemX[261] = {};
    int resumeItemY[261] = {};
    int resumeItemA[261] = {};
    int resumeItemKaefCol[261] = {};
    int resumeItemsDestroyed[261] = {};
    // power-up memory
    int resumeRemoveLineIsUnlocked = 0;
    int resumeRemoveSameItemsIsUnlocked = 0;
    int resumeReplaceAllItemsIsUnlocked = 0;
    int resumeThrowExplosiveIsUnlocked = 0;
    int resumeRemoveLineIsFirstTime = 0;
    int resumeRemoveSameItemsIsFirstTime = 0;
    int resumeReplaceAllItemsIsFirstTime = 0;
    int resumeThrowExplosiveIsFirstTime = 0;
    int pusoll[8] = {};
    // identity
    std::string Name;
    std::string url;
};

void resetPlayers();
void loadPlayers();
void sortPlayers();
// Writes player p's profile; the current player's unfinished level is kept for resuming.
void savePlayer(int p);
// Adds one second of play time to the current player while a level runs.
void countPlayTime();
extern int g_playTick;

// The profile file, every value a little-endian int32: the header fields, then per board cell the resume snapshot,
// the goals counted, the power-up prices, and the name's length before its bytes.
// A header value outside lo..hi is brought into range on load; a snapshot value outside it drops the snapshot.
struct ProfileField {
    const char* name;
    int TSpieler::*field;
    int lo = -2147483647 - 1;
    int hi = 2147483647;
    bool snapshot = false;
};
// The most points, seconds or removed items a profile keeps.
constexpr int PROFILE_MAX_COUNT = 1000000000;
// Damaged profile files are kept as .bad (the newest), .bad.2, ... up to this many.
constexpr int PROFILE_BAD_COPIES = 5;
extern const ProfileField kProfileHeader[26];
constexpr int PROFILE_HEADER_FIELDS = 26;
constexpr int PROFILE_CELLS = 260;
constexpr int PROFILE_CELL_FIELDS = 7;
constexpr int PROFILE_GOAL_KINDS = 5;
constexpr int PROFILE_PRICES = 7;
constexpr int PROFILE_CELLS_AT = 4 * PROFILE_HEADER_FIELDS;
constexpr int PROFILE_GOALS_AT = PROFILE_CELLS_AT + 4 * PROFILE_CELLS * PROFILE_CELL_FIELDS;
constexpr int PROFILE_PRICES_AT = PROFILE_GOALS_AT + 4 * PROFILE_GOAL_KINDS;
constexpr int PROFILE_NAME_AT = PROFILE_PRICES_AT + 4 * PROFILE_PRICES;
// The active profile, or none while g_currentPlayer names no slot 1..8.
TSpieler* currentProfile();
// A blank name of the active profile becomes the default name; the name is trimmed.
int checkPlayerName();
// The size of a profile file with an empty name.
constexpr int PROFILE_FIXED_BYTES = PROFILE_NAME_AT + 4;
