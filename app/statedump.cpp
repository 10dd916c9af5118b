// Writes the game's global state, fader, input, popup handler and scenes as JSON.
#include "app/statedump.h"

#include <cstdio>
#include <sstream>

#include "app/globals.h"
#include "campaign/config.h"
#include "fonts/bitmapfont.h"
#include "campaign/scene_intro.h"
#include "campaign/scene_roadmap.h"
#include "campaign/scene_story.h"
#include "campaign/spieler.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "framework/scene.h"
#include "frontend/effects.h"
#include "frontend/popup.h"
#include "match3/meteor.h"
#include "match3/scene_match3.h"
#include "powerups/powerups.h"

namespace {
class Json {
public:
    void open(const char* key = nullptr)
    {
        sep();
        if (key) s_ << '"' << key << "\":";
        s_ << '{';
        first_ = true;
    }
    void close()
    {
        s_ << '}';
        first_ = false;
    }
    void array(const char* key)
    {
        sep();
        s_ << '"' << key << "\":[";
        first_ = true;
    }
    void endArray()
    {
        s_ << ']';
        first_ = false;
    }
    void item(double v)
    {
        sep();
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.9g", v);
        s_ << buf;
    }
    void num(const char* key, double v)
    {
        sep();
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.9g", v);
        s_ << '"' << key << "\":" << buf;
    }
    void str(const char* key, const std::string& v)
    {
        sep();
        s_ << '"' << key << "\":";
        put(v);
    }
    // Arrays of plain values: entries from..to of a table.
    template <typename T>
    void list(const char* key, const T* values, int from, int to)
    {
        array(key);
        for (int i = from; i <= to; ++i) {
            sep();
            put(values[i]);
        }
        endArray();
    }
    void flag(const char* key, bool v) { num(key, v ? 1 : 0); }
    std::string text() const { return s_.str(); }

private:
    void put(int v) { s_ << v; }
    void put(const std::string& v)
    {
        s_ << '"';
        for (unsigned char c : v) {
            if (c == '"' || c == '\\') s_ << '\\' << c;
            else if (c < 32) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                s_ << buf;
            } else s_ << c;
        }
        s_ << '"';
    }
    void sep()
    {
        if (!first_) s_ << ',';
        first_ = false;
    }
    std::ostringstream s_;
    bool first_ = true;
};

void dumpPowerUp(Json& j, const char* name, const tavoTPowerUp& pu)
{
    j.open(name);
#define FIELD(f) j.num(#f, pu.f)
    FIELD(isAvailable); FIELD(isRunning); FIELD(isSelected); FIELD(isUnlocked); FIELD(isReady); FIELD(isHover);
    FIELD(isFirstTime); FIELD(_runtime); FIELD(_hover_runtime);
#undef FIELD
    j.str("_label", pu._label);
    j.str("imgPath", pu.imgPath);
#define FIELD(f) j.num(#f, pu.f)
    FIELD(_chargeCost); FIELD(_unlockCost); FIELD(_availableOnLevel); FIELD(_x); FIELD(_y);
#undef FIELD
    j.flag("_imgReady", pu._imgReady->isLoaded);
    j.flag("_imgDisabled", pu._imgDisabled->isLoaded);
    j.flag("_imgLocked", pu._imgLocked->isLoaded);
    j.flag("_imgBackground", pu._imgBackground->isLoaded);
    auto targets = [&](const char* key, const std::list<_TtmpInteger>& list) {
        j.array(key);
        for (const _TtmpInteger& t : list) {
            j.open();
            j.num("v", t.v);
            j.num("r", t.r);
            j.num("tx", t.tx);
            j.num("ty", t.ty);
            j.close();
        }
        j.endArray();
    };
    if (auto* rl = dynamic_cast<const tavoTPU_RemoveLine*>(&pu)) {
        j.num("_selectedRow", rl->_selectedRow);
        targets("_listOfTargets", rl->_listOfTargets);
    }
    if (auto* rs = dynamic_cast<const tavoTPU_RemoveSameItem*>(&pu)) {
        j.num("_selectedItem", rs->_selectedItem);
        targets("_listoftargets", rs->_listoftargets);
    }
    if (auto* te = dynamic_cast<const tavoTPU_ThrowExplosive*>(&pu)) {
        j.num("_targetz", te->_targetz);
        j.num("putargetX", te->putarget.x);
        j.num("putargetY", te->putarget.y);
    }
    j.close();
}

void dumpMeteor(Json& j, const TMeteor& m)
{
    j.open("g_meteor");
    j.flag("img", m.img != nullptr);
#define FIELD(f) j.num(#f, m.f)
    FIELD(w); FIELD(h); FIELD(inAction); FIELD(isHit); FIELD(positionX); FIELD(positionY); FIELD(directionX);
    FIELD(directionY); FIELD(speed); FIELD(minY); FIELD(maxY); FIELD(corner); FIELD(runtime); FIELD(animCount);
    FIELD(nextAppearance); FIELD(minimumPause); FIELD(points); FIELD(isRaining); FIELD(raincounter); FIELD(donecount);
    FIELD(struck);
#undef FIELD
    for (int i = 0; i < 3; ++i) {
        j.num(("impact" + std::to_string(i)).c_str(), m.impact[i]);
        j.num(("gfxid" + std::to_string(i)).c_str(), m.gfxid[i]);
    }
    j.close();
}
}

std::string dumpState()
{
    Json j;
    j.open();
#define GLOBAL(g) j.num(#g, g)
    GLOBAL(g_frameCount); GLOBAL(g_scene); GLOBAL(g_lastScene); GLOBAL(g_pause); GLOBAL(g_suspend); GLOBAL(g_quit);
    GLOBAL(g_inputLayer); GLOBAL(g_currentPlayer); GLOBAL(g_devMode); GLOBAL(g_textMode); GLOBAL(g_globalAlpha);
#undef GLOBAL
    j.str("g_saveDir", g_saveDir);
    j.num("g_powerUpBusy", g_powerUpBusy);
    dumpPowerUp(j, "puRemoveLine", *puRemoveLine);
    dumpPowerUp(j, "puRemoveSameItem", *puRemoveSameItem);
    dumpPowerUp(j, "puReplaceAllItems", *puReplaceAllItems);
    dumpPowerUp(j, "puThrowExplosive", *puThrowExplosive);
    dumpMeteor(j, *g_meteor);
    j.open("sceneHandler");
    j.num("FaderColor", sceneHandler->FaderColor);
    j.num("FaderDir", sceneHandler->FaderDir);
    j.num("FaderShow", sceneHandler->FaderShow);
    j.num("FaderParam1", sceneHandler->FaderParam1);
    j.num("FaderParam2", sceneHandler->FaderParam2);
    j.close();
    j.open("g_input");
    const tavoTInput& in = *g_input;
    j.num("_MausFireLeft", in._MausFireLeft);
    j.num("_MausFireRight", in._MausFireRight);
    j.num("_MausDownLeft", in._MausDownLeft);
    j.num("_MausDownRight", in._MausDownRight);
    j.num("_MausZSpd", in._MausZSpd);
    j.num("_MausOK", in._MausOK);
    j.num("_MausX", in._MausX);
    j.num("_MausY", in._MausY);
    j.num("_MausDownLeftCount", in._MausDownLeftCount);
    j.num("_Enter", in._Enter);
    j.num("_Escape", in._Escape);
    j.num("_Space", in._Space);
    const int* f[10] = {&in._F1, &in._F2, &in._F3, &in._F4, &in._F5, &in._F6, &in._F7, &in._F8, &in._F9, &in._F10};
    for (int i = 0; i < 10; ++i) j.num(("_F" + std::to_string(i + 1)).c_str(), *f[i]);
    j.close();
    j.open("mousePointer");
    j.num("_x", mousePointer->_x);
    j.num("_y", mousePointer->_y);
    j.num("_drawPointer", mousePointer->_drawPointer);
    j.num("_useGFXPointer", mousePointer->_useGFXPointer);
    j.close();
    j.open("popupHandler");
    j.num("State", popupHandler->State);
    j.num("direction", popupHandler->direction);
    j.num("runtime", popupHandler->runtime);
    j.close();
#define GLOBAL(g) j.num(#g, g)
    GLOBAL(g_instructionsPage); GLOBAL(g_helpFromMenu); GLOBAL(g_soundKnobDrag); GLOBAL(g_musicKnobDrag);
    GLOBAL(g_nameLength); GLOBAL(g_firstProfilePending); GLOBAL(g_previousProfile); GLOBAL(g_pendingSlot);
    j.str("g_pendingName", g_pendingName);
#undef GLOBAL
    j.open("g_config");
    j.num("musiklautsoll", g_config->musiklautsoll);
    j.num("musiklaut", g_config->musiklaut);
    j.num("soundlaut", g_config->soundlaut);
    j.num("sprache", g_config->sprache);
    j.num("fullscreen", g_config->fullscreen);
    j.str("url", g_config->url);
    j.close();
    j.list("textsDrawn", textsDrawn().data(), 0, (int)textsDrawn().size() - 1);
    j.list("g_champName", g_champName, 1, 8);
    j.list("g_champLevel", g_champLevel, 1, 8);
    j.list("g_champPoints", g_champPoints, 1, 8);
    j.list("g_bestTime", g_bestTime, 1, 80);
    j.list("g_bestTimeName", g_bestTimeName, 1, 80);
    j.open("sceneMatch3");
    j.num("_runtime", sceneMatch3->_runtime);
    j.num("_winrun", sceneMatch3->_winrun);
    j.num("_gt3_partner1", sceneMatch3->_gt3_partner1);
    j.close();
    if (g_currentPlayer > -1 && g_currentPlayer < MAX_PLAYERS && g_players[g_currentPlayer]) {
        const TSpieler& p = *g_players[g_currentPlayer];
        j.open("player");
        j.str("Name", p.Name);
        j.str("url", p.url);
#define FIELD(f) j.num(#f, p.f)
        FIELD(StoryPage); FIELD(StoryLevel); FIELD(StoryPoints); FIELD(isStoryPageShow); FIELD(isStoryFinished);
        FIELD(isIntroDone); FIELD(Level); FIELD(levelSelected); FIELD(gtGameType); FIELD(LevelPoints); FIELD(time);
        FIELD(anzItems); FIELD(anzMoss); FIELD(anzKaefer); FIELD(skipfill); FIELD(isHelp); FIELD(maxItemsToDestroy);
        FIELD(isResume); FIELD(resumeLevel); FIELD(resumePoints); FIELD(resumeTime); FIELD(resumeGTGameType);
        FIELD(resumeRemoveLineIsUnlocked); FIELD(resumeRemoveSameItemsIsUnlocked); FIELD(resumeReplaceAllItemsIsUnlocked);
        FIELD(resumeThrowExplosiveIsUnlocked); FIELD(resumeRemoveLineIsFirstTime); FIELD(resumeRemoveSameItemsIsFirstTime);
        FIELD(resumeReplaceAllItemsIsFirstTime); FIELD(resumeThrowExplosiveIsFirstTime);
#undef FIELD
        for (int k = 1; k <= 5; ++k) {
            j.num(("itemsDestroyed" + std::to_string(k)).c_str(), p.itemsDestroyed[k]);
            j.num(("itemsToDestroy" + std::to_string(k)).c_str(), p.Level >= 0 && p.Level <= 80 ? p.itemsToDestroyData[p.Level][k] : 0);
        }
        j.close();
    }
    j.open("sceneRoadmap");
    int points = 0;
    for (int i = 1; i <= ROADMAP_LEVELS; ++i) points += sceneRoadmap->_LevelPointX[i] > 0 || sceneRoadmap->_LevelPointY[i] > 0;
    j.num("_LevelPointCount", points);
    j.num("visiblePoints", sceneRoadmap->visiblePoints());
    j.num("levelSelected", g_currentPlayer > 0 && g_currentPlayer < MAX_PLAYERS ? g_players[g_currentPlayer]->levelSelected : 0);
    j.num("_runtime", sceneRoadmap->_runtime);
    j.str("_message", sceneRoadmap->_messageFrames > 0 ? sceneRoadmap->_message : "");
    j.close();
    j.open("sceneIntro");
    j.num("_page", sceneIntro->_page);
    j.num("_pages", sceneIntro->_pages);
    j.array("_frames");
    for (int i = 1; i <= INTRO_MAX_PAGES; ++i) j.item(sceneIntro->_frames[i]);
    j.endArray();
    j.array("_skip");
    for (int i = 1; i <= INTRO_MAX_PAGES; ++i) j.item(sceneIntro->_skip[i]);
    j.endArray();
    j.close();
    j.open("sceneStory");
    j.num("_page", sceneStory->_page);
    j.close();
    j.array("g_playerOrder");
    for (int k = 1; k <= 8; ++k) j.item(g_playerOrder[k]);
    j.endArray();
    if (g_scene == SCENE_MATCH3) {
        const tavoTSceneMatch3& b = *sceneMatch3;
        j.open("board");
#define FIELD(f) j.num(#f, b.f)
        FIELD(_runtime); FIELD(_winrun); FIELD(_mosscount); FIELD(_gt3_partner1); FIELD(_gt3_partner2); FIELD(_gt3_swap);
        FIELD(_abwahl); FIELD(_swapping); FIELD(_geholfen); FIELD(_nixdo); FIELD(_zugpointer); FIELD(_zug);
        FIELD(_bonuspunkte); FIELD(VictoryRuntime); FIELD(ScoreboardRuntime); FIELD(_wholeglow); FIELD(_sprengpilzrun);
        FIELD(_cursorCell); FIELD(_cursorShown); FIELD(_padPowerUp);
#undef FIELD
        j.array("cells");
        for (int q = 1; q <= M3_LAST_SLOT; ++q) {
            if (b._CellA[q] <= 0) continue;
            j.open();
            j.num("slot", q);
            j.num("_CellA", b._CellA[q]);
            j.num("_CellX", b._CellX[q]);
            j.num("_CellY", b._CellY[q]);
            j.num("_cellMoss", b._cellMoss[q]);
            j.num("_cellStone", b._cellStone[q]);
            j.num("_cellDoor", b._cellDoor[q]);
            j.num("_cellBord", b._cellBord[q]);
            j.close();
        }
        j.endArray();
        j.array("items");
        for (int i = 1; i <= M3_LAST_SLOT; ++i) {
            if (b._itemA[i] == 0) continue;
            j.open();
            j.num("slot", i);
            j.num("_itemA", b._itemA[i]);
            j.num("_itemX", b._itemX[i]);
            j.num("_itemY", b._itemY[i]);
            j.num("_itemCell", b._itemCell[i]);
            j.num("_Item_f", b._Item_f[i]);
            j.close();
        }
        j.endArray();
        j.close();
    }
    j.array("effects");
    for (int s = 1; s < MAX_EFFECTS; ++s) {
        if (g_effects[s]->id == 0) continue;
        j.open();
        j.num("slot", s);
        j.num("id", g_effects[s]->id);
        j.num("runtime", g_effects[s]->runtime);
        j.close();
    }
    j.endArray();
    j.close();
    return j.text();
}
