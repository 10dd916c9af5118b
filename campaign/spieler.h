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

    std::string url;
    std::string Name;
    int StoryPage = 0;
    int StoryLevel = 0;
    int StoryPoints = 0;
    int Level = 0;
    int LevelPoints = 0;
    int time = 0;
};

void resetPlayers();
void loadPlayers();
