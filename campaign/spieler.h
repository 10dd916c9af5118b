// One player profile and the campaign progression kept in it.
#pragma once

#include <string>

class TSpieler {
public:
    virtual ~TSpieler() = default;
    virtual void SetURL(const std::string& path) { url = path; }
    virtual int LoadFromDisk();
    virtual int SaveToDisk();
    virtual void Erase();
    virtual void SuspendLevel();

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
