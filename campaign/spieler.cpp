// Player profiles: progression, the goal table and the profile file byte for byte (ties to the running game: spieler_session.cpp).
#include "campaign/spieler.h"

#include <vector>

#include "framework/globals.h"
#include "framework/trace.h"
#include "framework/math.h"
#include "fonts/utf8.h"
#include "framework/language.h"
#include "match3/board_codes.h"
#include "platform/sys.h"

namespace {

bool s_goalTableWarned = false;

using CellArray = int (TSpieler::*)[261];
// One board cell's resume snapshot, in file order.
constexpr CellArray kProfileCell[PROFILE_CELL_FIELDS] = {
    &TSpieler::resumeCellMoss, &TSpieler::resumeCellStone, &TSpieler::resumeCellDoor,   &TSpieler::resumeItemX,
    &TSpieler::resumeItemY,    &TSpieler::resumeItemA,     &TSpieler::resumeItemKaefCol,
};

// Visits every fixed value of the profile file in file order; saving and loading both walk it.
template <class Visit>
void forEachProfileInt(TSpieler& p, Visit&& visit)
{
    for (const ProfileField& f : kProfileHeader) visit(p.*f.field);
    for (int i = 1; i <= PROFILE_CELLS; ++i)
        for (CellArray a : kProfileCell) visit((p.*a)[i]);
    for (int k = 1; k <= PROFILE_GOAL_KINDS; ++k) visit(p.resumeItemsDestroyed[k]);
    for (int i = 1; i <= PROFILE_PRICES; ++i) visit(p.pusoll[i]);
}
}

const ProfileField kProfileHeader[PROFILE_HEADER_FIELDS] = {
    {"StoryPage", &TSpieler::StoryPage},
    {"StoryLevel", &TSpieler::StoryLevel, 1, 80},
    {"StoryPoints", &TSpieler::StoryPoints, 0, PROFILE_MAX_COUNT},
    {"isStoryFinished", &TSpieler::isStoryFinished, 0, 1},
    {"Level", &TSpieler::Level, 1, 81},
    {"resumeRemoveLineIsUnlocked", &TSpieler::resumeRemoveLineIsUnlocked, 0, 1},
    {"resumeRemoveSameItemsIsUnlocked", &TSpieler::resumeRemoveSameItemsIsUnlocked, 0, 1},
    {"resumeReplaceAllItemsIsUnlocked", &TSpieler::resumeReplaceAllItemsIsUnlocked, 0, 1},
    {"resumeThrowExplosiveIsUnlocked", &TSpieler::resumeThrowExplosiveIsUnlocked, 0, 1},
    {"resumeRemoveLineIsFirstTime", &TSpieler::resumeRemoveLineIsFirstTime, 0, 1},
    {"resumeRemoveSameItemsIsFirstTime", &TSpieler::resumeRemoveSameItemsIsFirstTime, 0, 1},
    {"resumeReplaceAllItemsIsFirstTime", &TSpieler::resumeReplaceAllItemsIsFirstTime, 0, 1},
    {"resumeThrowExplosiveIsFirstTime", &TSpieler::resumeThrowExplosiveIsFirstTime, 0, 1},
    {"isResume", &TSpieler::isResume, 0, 1},
    {"resumePoints", &TSpieler::resumePoints, 0, PROFILE_MAX_COUNT, true},
    {"resumeLevel", &TSpieler::resumeLevel, 1, 80, true},
    {"resumeTime", &TSpieler::resumeTime, 0, PROFILE_MAX_COUNT, true},
    {"resumeGTGameType", &TSpieler::resumeGTGameType, 0, 7, true},
    {"isIntroDone", &TSpieler::isIntroDone, 0, 1},
    {"gtGameType", &TSpieler::gtGameType, 0, 7},
    {"time", &TSpieler::time, 0, PROFILE_MAX_COUNT},
    {"isHelp", &TSpieler::isHelp, 0, 1},
    {"anzItems", &TSpieler::anzItems, 0, PROFILE_MAX_COUNT},
    {"anzMoss", &TSpieler::anzMoss, 0, PROFILE_MAX_COUNT},
    {"anzKaefer", &TSpieler::anzKaefer, 0, PROFILE_MAX_COUNT},
    {"skipfill", &TSpieler::skipfill, 0, PROFILE_MAX_COUNT},
};

int TSpieler::isChapterLevel(int level) { return (level >= 10 && level <= 80 && level % 10 == 0) ? 1 : 0; }

int TSpieler::getChapterLevel() { return isChapterLevel(Level) ? Level / 10 : 0; }

void TSpieler::StoryLevelUp()
{
    StoryLevel += 1;
    if (StoryLevel > 80) {
        StoryLevel = 80;
        isStoryFinished = 1;
    }
}

void TSpieler::LevelUp()
{
    if (Level == StoryLevel) StoryLevelUp();
    Level += 1;
}

void TSpieler::LevelDone()
{
    time = 0;
    isResume = 0;
    LevelPoints = 0;
    anzItems = anzMoss = anzKaefer = 0;
    for (int k = 1; k <= 5; ++k) itemsDestroyed[k] = 0;
    ResetResume();
}

void TSpieler::Erase()
{
    NewSafari();
    isIntroDone = 0;
    gtGameType = 3;
    Name.clear();
    isHelp = 1;
    LevelPoints = 0;
}

void TSpieler::Reset()
{
    Erase();
    SaveToDisk();
}

int TSpieler::getCurrentLevel() { return isResume == 1 ? resumeLevel : Level; }

void TSpieler::incLevelPoints(int n) { LevelPoints = clampToInt((double)LevelPoints + n); }

void TSpieler::incStoryPoints(int n) { StoryPoints = clampToInt((double)StoryPoints + n); }

void TSpieler::decStoryPoints(int n)
{
    StoryPoints = clampToInt((double)StoryPoints - n);
    if (StoryPoints < 0) StoryPoints = 0;
}

void TSpieler::ResetResume()
{
    isResume = 0;
    resumeLevel = -1;
    resumePoints = 0;
    time = 0;
    for (int k = 1; k <= 5; ++k) resumeItemsDestroyed[k] = itemsDestroyed[k] = 0;
}

int TSpieler::isItemsDestroyed(int level, int kind)
{
    if (level < 0 || level > 80 || kind < 0 || kind > 5) return 0;
    return itemsDestroyed[kind] >= itemsToDestroyData[level][kind] ? 1 : 0;
}

int TSpieler::isAllItemsDestroyed(int level)
{
    for (int k = 1; k <= maxItemsToDestroy && k <= 5; ++k)
        if (!isItemsDestroyed(level, k)) return 0;
    return 1;
}

int TSpieler::getItemsLeftToDestroy(int level, int kind)
{
    if (kind == 10 || kind < 1 || kind > maxItemsToDestroy || kind > 5 || level < 0 || level > 80) return 0;
    int left = clampToInt((double)itemsToDestroyData[level][kind] - itemsDestroyed[kind]);
    return left > 0 ? left : 0;
}

int TSpieler::loadAllItemsToDestroyFromDisk(const std::string& path)
{
    std::vector<uint8_t> bytes;
    bool ok = Sys_ReadAllBytes(path, bytes) && bytes.size() >= 400u * 4u;
    if (!ok) {
        traceLog("TSpieler: goal table missing or short (" + path + "), levels have no item targets");
        if (!s_goalTableWarned) {
            s_goalTableWarned = true;
            Sys_MessageBox("The level goal table (" + path + ") is missing or damaged; levels count moss only.", false);
        }
        return 0;
    }
    size_t at = 0;
    for (int level = 1; level <= 80; ++level)
        for (int kind = 1; kind <= maxItemsToDestroy && kind <= 5; ++kind, at += 4)
            itemsToDestroyData[level][kind] = (int32_t)Sys_PeekLE32(&bytes[at]);
    return 1;
}

int TSpieler::SaveToDisk()
{
    auto out = Sys_WriteFile(url);
    if (!out) {
        reportSaveFailure(url);
        return 0;
    }
    forEachProfileInt(*this, [&](int v) { out->WriteInt(v); });
    std::string name = utf8ToLatin1(trimBlanks(Name));
    out->WriteInt((int32_t)name.size());
    out->WriteString(name);
    if (!out->Close()) {
        reportSaveFailure(url);
        return 0;
    }
    return 1;
}

int TSpieler::LoadFromDisk()
{
    std::vector<uint8_t> b;
    if (!Sys_ReadAllBytes(url, b)) {
        traceLog("TSpieler: no profile file " + url + ", the slot is empty");
        Erase();
        return 0;
    }
    size_t at = 0;
    auto next = [&]() {
        int32_t v = (int32_t)Sys_PeekLE32(&b[at]);
        at += 4;
        return v;
    };
    int32_t nameLen = b.size() >= (size_t)PROFILE_FIXED_BYTES ? (int32_t)Sys_PeekLE32(&b[PROFILE_NAME_AT]) : -1;
    bool whole = b.size() >= (size_t)PROFILE_FIXED_BYTES && (nameLen <= 0 || (size_t)PROFILE_FIXED_BYTES + (size_t)nameLen <= b.size());
    if (!whole) {
        // Keep the damaged file for the player rather than overwrite it later; older damaged copies move down.
        std::string bad = url + ".bad";
        Sys_DeleteFile(bad + "." + std::to_string(PROFILE_BAD_COPIES));
        for (int i = PROFILE_BAD_COPIES - 1; i >= 1; --i)
            Sys_RenameFile(i == 1 ? bad : bad + "." + std::to_string(i), bad + "." + std::to_string(i + 1));
        Sys_RenameFile(url, bad);
        traceLog("TSpieler: damaged profile " + url + " (" + std::to_string(b.size()) + " bytes) kept as " + bad +
                 ", the slot is empty");
        Erase();
        return 0;
    }
    forEachProfileInt(*this, [&](int& v) { v = next(); });
    int32_t n = next();
    Name = n > 0 ? trimBlanks(latin1ToUtf8(std::string(b.begin() + at, b.begin() + at + n))) : "";
    checkLoadedValues();
    for (int k = 1; k <= 5; ++k) itemsDestroyed[k] = resumeItemsDestroyed[k];
    checkStoryPage();
    return 1;
}

void TSpieler::checkLoadedValues()
{
    std::string wrong;
    for (const ProfileField& f : kProfileHeader) {
        int& v = this->*f.field;
        if (v >= f.lo && v <= f.hi) continue;
        if (f.snapshot) {
            if (isResume == 1 && wrong.empty()) wrong = std::string(f.name) + " " + std::to_string(v);
            continue;
        }
        traceLog("TSpieler: " + url + ": " + f.name + " " + std::to_string(v) + " out of range, set to " +
                 std::to_string(v < f.lo ? f.lo : f.hi));
        v = v < f.lo ? f.lo : f.hi;
    }
    if (isResume != 1) return;
    for (int i = 1; i <= PROFILE_CELLS && wrong.empty(); ++i) {
        const std::string cell = " of cell " + std::to_string(i);
        if (resumeItemA[i] < 0 || resumeItemA[i] > _ITEM_BRAKE) wrong = "item kind" + cell;
        // Positions of items in play stay on the screen or in the rows above it where new items start.
        else if (resumeItemA[i] != 0 && (resumeItemX[i] < 0 || resumeItemX[i] > 1024 || resumeItemY[i] < -768 || resumeItemY[i] > 768))
            wrong = "item position" + cell;
    }
    for (int k = 1; k <= PROFILE_GOAL_KINDS && wrong.empty(); ++k)
        if (resumeItemsDestroyed[k] < 0 || resumeItemsDestroyed[k] > PROFILE_MAX_COUNT) wrong = "items destroyed of kind " + std::to_string(k);
    if (wrong.empty()) return;
    traceLog("TSpieler: " + url + ": the suspended level cannot be resumed (" + wrong + "), it starts afresh");
    ResetResume();
}

void resetPlayers()
{
    for (int p = 1; p <= 8; ++p) g_players[p]->Reset();
}

void loadPlayers()
{
    for (int p = 1; p <= 8; ++p) g_players[p]->LoadFromDisk();
}

void sortPlayers()
{
    for (int i = 1; i <= 8; ++i) g_playerOrder[i] = i;
    for (int pass = 0; pass < 8; ++pass)
        for (int i = 1; i < 8; ++i)
            if (g_players[g_playerOrder[i + 1]]->StoryPoints > g_players[g_playerOrder[i]]->StoryPoints)
                std::swap(g_playerOrder[i], g_playerOrder[i + 1]);
}

TSpieler* currentProfile()
{
    if (g_currentPlayer < 1 || g_currentPlayer > 8) return nullptr;
    return g_players[g_currentPlayer];
}

int checkPlayerName()
{
    TSpieler* p = currentProfile();
    if (!p) return 1;
    if (trimBlanks(p->Name).empty()) p->Name = g_lang->getValue("noname");
    p->Name = trimBlanks(p->Name);
    return 1;
}
