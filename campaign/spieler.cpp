// Player profiles: the record and its file (the full layout arrives with the profile work).
#include "campaign/spieler.h"

#include "app/globals.h"

int TSpieler::LoadFromDisk() { return 0; }
int TSpieler::SaveToDisk() { return 0; }

void TSpieler::Erase()
{
    Name.clear();
    StoryPage = 1;
    StoryLevel = 1;
    StoryPoints = 0;
    Level = 1;
    LevelPoints = 0;
    time = 0;
    gtGameType = 3;
    isHelp = 1;
    skipfill = 2;
    resumeLevel = 1;
}

void TSpieler::SuspendLevel() {}

void resetPlayers()
{
    for (int p = 1; p <= 8; ++p) {
        g_players[p]->Erase();
        g_players[p]->SaveToDisk();
    }
}

void loadPlayers()
{
    for (int p = 1; p <= 8; ++p) g_players[p]->LoadFromDisk();
}
