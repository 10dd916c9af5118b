// The profile's ties to the running game: the board snapshot of a suspended level, the power-up flag copies,
// the story page of a level, saving in the middle of a level and the play-time count.
#include "campaign/spieler.h"

#include "framework/globals.h"
#include "campaign/scene_story.h"
#include "framework/math.h"
#include "framework/scene.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"
#include "powerups/powerups.h"

namespace {

// The four power-ups and the copies of their flags the profile keeps for a suspended level.
struct PowerUpCopy {
    tavoTPowerUp* (*powerUp)();
    int TSpieler::*isUnlocked;
    int TSpieler::*isFirstTime;
};
const PowerUpCopy kPowerUpCopies[] = {
    {[]() -> tavoTPowerUp* { return puRemoveLine; }, &TSpieler::resumeRemoveLineIsUnlocked,
     &TSpieler::resumeRemoveLineIsFirstTime},
    {[]() -> tavoTPowerUp* { return puRemoveSameItem; }, &TSpieler::resumeRemoveSameItemsIsUnlocked,
     &TSpieler::resumeRemoveSameItemsIsFirstTime},
    {[]() -> tavoTPowerUp* { return puReplaceAllItems; }, &TSpieler::resumeReplaceAllItemsIsUnlocked,
     &TSpieler::resumeReplaceAllItemsIsFirstTime},
    {[]() -> tavoTPowerUp* { return puThrowExplosive; }, &TSpieler::resumeThrowExplosiveIsUnlocked,
     &TSpieler::resumeThrowExplosiveIsFirstTime},
};
}

void TSpieler::resumePowerUps()
{
    for (const PowerUpCopy& c : kPowerUpCopies) {
        c.powerUp()->isUnlocked = this->*c.isUnlocked;
        c.powerUp()->isFirstTime = this->*c.isFirstTime;
    }
}

void TSpieler::suspendPowerUps()
{
    for (const PowerUpCopy& c : kPowerUpCopies) {
        this->*c.isUnlocked = c.powerUp()->isUnlocked;
        this->*c.isFirstTime = c.powerUp()->isFirstTime;
    }
}

void TSpieler::checkStoryPage()
{
    static const int levels[9] = {1, 11, 21, 31, 41, 51, 61, 71, 81};
    static const int pages[9] = {1, 3, 4, 5, 6, 7, 8, 9, 10};
    for (int i = 0; i < 9; ++i) {
        if (Level == levels[i]) {
            if (sceneStory) sceneStory->setPage(pages[i]);
            isStoryPageShow = 1;
            return;
        }
    }
    isStoryPageShow = 0;
}

void TSpieler::NewSafari()
{
    StoryPage = 1;
    StoryLevel = 1;
    StoryPoints = 0;
    isStoryFinished = 0;
    Level = 1;
    resumeLevel = 1;
    isResume = 0;
    resumePoints = 0;
    resumeTime = 0;
    resumeGTGameType = 0;
    time = 0;
    anzItems = anzMoss = anzKaefer = 0;
    skipfill = 2;
    for (int i = 1; i <= PROFILE_CELLS; ++i) {
        resumeCellMoss[i] = resumeCellStone[i] = resumeCellDoor[i] = 0;
        resumeItemX[i] = resumeItemY[i] = resumeItemA[i] = resumeItemKaefCol[i] = 0;
    }
    for (int k = 1; k <= 5; ++k) resumeItemsDestroyed[k] = itemsDestroyed[k] = 0;
    for (int i = 1; i <= 7; ++i) pusoll[i] = 0;
    for (const PowerUpCopy& c : kPowerUpCopies) {
        if (tavoTPowerUp* p = c.powerUp()) {
            p->isUnlocked = 0;
            p->isFirstTime = 1;
        }
        this->*c.isUnlocked = 0;
        this->*c.isFirstTime = 1;
    }
}

void TSpieler::SuspendLevel()
{
    isResume = 1;
    resumeLevel = Level;
    resumePoints = LevelPoints;
    resumeTime = time;
    resumeGTGameType = gtGameType;
    const tavoTSceneMatch3* b = sceneMatch3;
    for (int i = 1; i <= PROFILE_CELLS && b; ++i) {
        resumeCellMoss[i] = b->_cellMoss[i];
        resumeCellStone[i] = b->_cellStone[i];
        resumeCellDoor[i] = b->_cellDoor[i];
        resumeItemX[i] = clampToInt(b->_itemX[i]);
        resumeItemY[i] = clampToInt(b->_itemY[i]);
        resumeItemA[i] = b->_itemA[i];
        resumeItemKaefCol[i] = b->_itemKaefCol[i];
    }
    for (int k = 1; k <= 5; ++k) resumeItemsDestroyed[k] = itemsDestroyed[k];
}

void TSpieler::ContinueLevel()
{
    Level = resumeLevel;
    LevelPoints = resumePoints;
    isResume = 0;
    time = resumeTime;
    gtGameType = resumeGTGameType;
    tavoTSceneMatch3* b = sceneMatch3;
    for (int i = 1; i <= PROFILE_CELLS && b; ++i) {
        b->_cellMoss[i] = resumeCellMoss[i];
        b->_cellStone[i] = resumeCellStone[i];
        b->_cellDoor[i] = resumeCellDoor[i];
        b->_itemX[i] = (float)resumeItemX[i];
        b->_itemY[i] = (float)resumeItemY[i];
        b->_itemA[i] = resumeItemA[i];
        b->_itemKaefCol[i] = resumeItemKaefCol[i];
    }
    for (int k = 1; k <= 5; ++k) itemsDestroyed[k] = resumeItemsDestroyed[k];
}

int g_playTick = 0;

void savePlayer(int p)
{
    if (p < 0 || p >= MAX_PLAYERS || !g_players[p]) return;
    if (g_scene == SCENE_MATCH3 && sceneMatch3->_winrun == 0 && p == g_currentPlayer) g_players[p]->SuspendLevel();
    g_players[p]->SaveToDisk();
}

void countPlayTime()
{
    int t = Sys_TimerTicks(g_playTimer);
    if (t <= g_playTick) return;
    g_playTick = t;
    if (TSpieler* p = currentProfile(); p && sceneMatch3 && sceneMatch3->_winrun == 0) p->time += 1;
}
