// The campaign bot: reads the board as a player sees it and answers with the pointer and keys, one main-loop pass at
// a time.
#include "tests/campaign_bot.h"

#include <algorithm>
#include <array>

#include "app/globals.h"
#include "app/input.h"
#include "app/launch.h"
#include "app/mainloop.h"
#include "campaign/scene_roadmap.h"
#include "campaign/spieler.h"
#include "framework/scene.h"
#include "frontend/effects.h"
#include "frontend/popup.h"
#include "match3/meteor.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"
#include "powerups/powerups.h"
#include "tests/rehearsal.h"

namespace {
constexpr float PARK_X = 10, PARK_Y = 400;   // column 1 never holds a cell, and no button lies there
constexpr float STORY_NEXT_X = 900, STORY_NEXT_Y = 710, PLAY_X = 512, PLAY_Y = 554;
constexpr float GRID = 48;

TSpieler* profile() { return g_players[g_currentPlayer]; }
tavoTSceneMatch3* board() { return sceneMatch3; }

bool faded(int scene) { return g_scene == scene && sceneHandler->FaderDir == FADER_DIR_IN && sceneHandler->FaderColor >= 255; }
bool dialogUp(int id)
{
    return popupHandler->State == id && popupHandler->runtime == POPUP_RUNTIME_OPEN && popupHandler->direction == 1;
}

// Gems on the board a player can see: settled below the top bar.
bool visibleGem(int slot)
{
    tavoTSceneMatch3* b = board();
    return b->_itemA[slot] >= 1 && b->_itemA[slot] <= 5 && b->_itemCell[slot] > 0 && b->_itemY[slot] >= 60;
}
bool onMoss(int slot)
{
    int q = board()->_itemCell[slot];
    return q > 0 && board()->_CellA[q] > 0 && board()->_cellMoss[q] == 1;
}
int slotAt(float x, float y)
{
    tavoTSceneMatch3* b = board();
    for (int i = 1; i <= M3_ITEM_SLOTS; ++i)
        if (b->_itemA[i] > 0 && b->_itemA[i] < _ITEM_BRAKE && b->_itemX[i] == x && b->_itemY[i] == y) return i;
    return 0;
}
// In the order the bot buys them: cheapest first.
std::array<tavoTPowerUp*, 4> powerUps() { return {puRemoveLine, puRemoveSameItem, puThrowExplosive, puReplaceAllItems}; }
int goalLeft(int kind)
{
    TSpieler* p = profile();
    return kind >= 1 && kind <= 5 ? p->getItemsLeftToDestroy(p->Level, kind) : 0;
}

// The run's seed, for the board's entry hook.
unsigned s_runSeed = 0;
// The refills' gem kinds switch every hundred frames.
constexpr int REFILL_PHASE_FRAMES = 200;

// Each board starts from the same random state and refill phase however the run got there, so a level's figure
// depends on its own goals and board, not on the levels played before it in the same process.
void seedLevel(int level)
{
    Sys_SeedRnd(levelSeed(s_runSeed, level));
    g_frameCount += (REFILL_PHASE_FRAMES - g_frameCount % REFILL_PHASE_FRAMES) % REFILL_PHASE_FRAMES;
}

void enterSeeded(int id, int param1)
{
    if (id == SCENE_MATCH3) seedLevel(profile()->Level);
    dispatchEnterScene(id, param1);
}
}  // namespace

unsigned levelSeed(unsigned seed, int level) { return seed * 2654435761u + unsigned(level) * 40503u + 17u; }

bool CampaignBot::startOnBoard(const std::string& dataRoot, const std::string& saveDir, unsigned seed, int level)
{
    if (startRehearsal(dataRoot, saveDir, seed) >= 0) return false;
    s_runSeed = seed;
    installSceneDispatch({enterSeeded, dispatchLeaveScene});
    seedLevel(level);
    enterBoardDirectly(level);
    return true;
}

void CampaignBot::stopGame()
{
    Sys_SetFrameUnseen(false);
    quitGame();
    shutdownGame();
}

void CampaignBot::step()
{
    mainLoopPass(false);
    ++passes;
    if (countEffects) {
        int alive = 0;
        for (int e = 1; e < MAX_EFFECTS; ++e) alive += g_effects[e]->id != 0;
        mostEffects = std::max(mostEffects, alive);
    }
    if (pendingRelease_) {
        Sys_InjectMouseButton(1, false);
        pendingRelease_ = 0;
    }
}

void CampaignBot::pointer(float x, float y) { Sys_InjectMouseMove(x, y); }

// The pointer there, one pass to hover, then a press that is let go in the next pass.
void CampaignBot::click(float x, float y)
{
    pointer(x, y);
    step();
    Sys_InjectMouseButton(1, true);
    pendingRelease_ = 1;
    step();
}

void CampaignBot::key(int code)
{
    Sys_InjectKey(code, true);
    step();
    step();
    Sys_InjectKey(code, false);
    step();
}

bool CampaignBot::waitFor(bool (*done)(), int limit)
{
    for (int i = 0; i < limit && !done(); ++i) step();
    return done();
}

bool CampaignBot::boardAtRest() const
{
    tavoTSceneMatch3* b = board();
    if (b->_runtime <= 151 || b->_winrun != 0 || b->_inruhe != 1 || b->_swapping != 0 || b->_gt3_swap != 0) return false;
    if (g_powerUpBusy != 0 || popupHandler->runtime != 0 || g_meteor->isRaining != 0) return false;
    for (tavoTPowerUp* pu : powerUps())
        if (pu->isRunning || pu->isSelected) return false;
    for (int i = 1; i <= M3_ITEM_SLOTS; ++i)
        if (b->_itemA[i] > 0 && b->_itemA[i] < _ITEM_BRAKE && (b->_Item_f[i] != 0 || b->_itemY[i] < 60)) return false;
    return true;
}

// What clearing the gem in `slot` does for the level, as the goal bar, the moss and the obstacles show it.
double CampaignBot::worth(int slot) const
{
    tavoTSceneMatch3* b = board();
    bool goalsMet = profile()->isAllItemsDestroyed(profile()->Level) == 1;
    double w = goalLeft(b->_itemA[slot]) > 0 ? 2.5 : 0.3;
    if (onMoss(slot)) w += goalsMet ? 20 : 5;
    for (int q = 1; q < M3_SLOTS; ++q)
        if (b->_CellA[q] > 0 && b->_cellMoss[q] == 1 && b->_CellX[q] == b->_itemX[slot] && b->_CellY[q] > b->_itemY[slot]) {
            w += goalsMet ? 3 : 0.6;   // a line above moss brings it nearer the gems that will clear it
            break;
        }
    for (float dx : {-GRID, 0.0f, GRID})
        for (float dy : {-GRID, 0.0f, GRID}) {
            if ((dx == 0) == (dy == 0)) continue;
            int k = slotAt(b->_itemX[slot] + dx, b->_itemY[slot] + dy);
            if (k && (b->_itemA[k] == _ITEM_XSTEIN || b->_itemA[k] == _ITEM_XDOOR)) w += goalsMet ? 8 : 4;
        }
    return w;
}

// The worth of the lines a swap of the gems in slots a and c makes.
double CampaignBot::lineWorth(int a, int c) const
{
    tavoTSceneMatch3* b = board();
    auto kindAt = [&](float x, float y) {
        int s = slotAt(x, y);
        if (s == a) return b->_itemA[c];
        if (s == c) return b->_itemA[a];
        return s && visibleGem(s) ? b->_itemA[s] : 0;
    };
    double total = 0;
    for (int s : {a, c}) {
        float x = b->_itemX[s], y = b->_itemY[s];
        int k = kindAt(x, y);
        for (int horizontal = 0; horizontal < 2; ++horizontal) {
            float dx = horizontal ? GRID : 0, dy = horizontal ? 0 : GRID;
            int run = 1;
            double w = worth(s == a ? c : a);
            for (int sign : {1, -1})
                for (int n = 1; n < 5 && kindAt(x + sign * n * dx, y + sign * n * dy) == k; ++n, ++run)
                    w += worth(slotAt(x + sign * n * dx, y + sign * n * dy));
            if (run >= 3) total += w + (run - 3) * 4;
        }
    }
    return total;
}

bool CampaignBot::bestMove(int& from, int& to, double& value) const
{
    tavoTSceneMatch3* b = board();
    value = 0;
    from = to = 0;
    for (int i = 1; i <= M3_ITEM_SLOTS; ++i) {
        if (b->_itemA[i] == _ITEM_BOMB && b->_itemCell[i] > 0) {
            double v = 0;
            for (int j = 1; j <= M3_ITEM_SLOTS; ++j) {
                if (j == i || b->_itemA[j] < 1 || b->_itemA[j] >= _ITEM_BRAKE) continue;
                float dx = b->_itemX[j] - b->_itemX[i], dy = b->_itemY[j] - b->_itemY[i];
                if (dx * dx + dy * dy < 110 * 110) v += visibleGem(j) ? worth(j) * 0.6 : 2;
            }
            if (v > value) value = v, from = i, to = 0;
        }
        if (!visibleGem(i)) continue;
        for (int right = 0; right < 2; ++right) {
            int j = slotAt(b->_itemX[i] + (right ? GRID : 0), b->_itemY[i] + (right ? 0 : GRID));
            if (!j || !visibleGem(j) || b->_itemA[j] == b->_itemA[i]) continue;
            double v = lineWorth(i, j);
            if (v > value) value = v, from = i, to = j;
        }
    }
    return from != 0;
}

void CampaignBot::makeMove(int from, int to)
{
    tavoTSceneMatch3* b = board();
    r_.moves += 1;
    if (to == 0) {   // a bomb goes off at a click
        click(b->_itemX[from], b->_itemY[from]);
        return;
    }
    float x2 = b->_itemX[to], y2 = b->_itemY[to];
    pointer(b->_itemX[from], b->_itemY[from]);
    step();
    Sys_InjectMouseButton(1, true);
    step();
    pointer(x2, y2);
    step();
    Sys_InjectMouseButton(1, false);
    step();
    pointer(PARK_X, PARK_Y);
}

// A meteor the bot goes for is aimed at a little ahead of where it flies, every few passes until it is hit or gone.
void CampaignBot::watchMeteor(long frame)
{
    TMeteor* m = g_meteor;
    if (!m->inAction || m->isHit) {
        meteorSeen_ = 0;
        return;
    }
    if (meteorSeen_ == 0) {
        meteorSeen_ = frame;
        r_.meteors += 1;
        meteorGoFor_ = int(rng_() % 100) < BotPace::meteorSharePercent;
    }
    if (!meteorGoFor_ || frame - meteorSeen_ < BotPace::meteorReactFrames || (frame - meteorSeen_) % 4 != 0) return;
    float x = m->positionX + m->w / 2 + 2 * m->directionX, y = m->positionY + m->h / 2 + 2 * m->directionY;
    if (x < 20 || x > 1004 || y < 70 || y > 650) return;
    click(x, y);
    pointer(PARK_X, PARK_Y);
    if (m->isHit) r_.meteorHits += 1;
}

// Points are saved for the cheapest power-up the level offers that is still locked, and spent on it once they reach.
bool CampaignBot::tryUnlock()
{
    TSpieler* p = profile();
    for (tavoTPowerUp* pu : powerUps()) {
        if (!pu->isAvailable || pu->isUnlocked) continue;
        if (p->StoryPoints < pu->_unlockCost) return false;
        click(pu->_x, pu->_y);
        pointer(PARK_X, PARK_Y);
        step();
        r_.unlocks += pu->isUnlocked;
        return pu->isUnlocked != 0;
    }
    return false;
}

bool CampaignBot::tryPowerUp()
{
    tavoTSceneMatch3* b = board();
    bool saving = false;
    for (tavoTPowerUp* pu : powerUps())
        saving = saving || (pu->isAvailable && !pu->isUnlocked);
    // While saving for an unlock only the free first use is taken, unless the last moss holds the level up.
    const bool endgame = profile()->isAllItemsDestroyed(profile()->Level) == 1 && b->_mosscount > 0;
    auto usable = [&](tavoTPowerUp* pu) { return pu->isAvailable && pu->isReady && (pu->isFirstTime || !saving || endgame); };
    auto fire = [&](tavoTPowerUp* pu, int target) {
        click(pu->_x, pu->_y);
        if (target) click(b->_itemX[target], b->_itemY[target]);
        pointer(PARK_X, PARK_Y);
        step();
        r_.powerUps += 1;
        return true;
    };

    // remove line: the row with the most moss under its gems
    if (usable(puRemoveLine)) {
        int bestRow = 0, bestMoss = 0;
        for (int i = 1; i <= M3_ITEM_SLOTS; ++i) {
            if (!visibleGem(i) || !onMoss(i)) continue;
            int moss = 0;
            for (int j = 1; j <= M3_ITEM_SLOTS; ++j) moss += visibleGem(j) && onMoss(j) && b->_itemY[j] == b->_itemY[i];
            if (moss > bestMoss) bestMoss = moss, bestRow = i;
        }
        if (bestMoss >= (endgame ? 1 : 3)) return fire(puRemoveLine, bestRow);
    }
    int stones = 0;
    for (int i = 1; i <= M3_ITEM_SLOTS; ++i) stones += b->_itemA[i] == _ITEM_XSTEIN || b->_itemA[i] == _ITEM_XDOOR;
    if (usable(puThrowExplosive) && (stones >= 3 || b->_mosscount >= 6 || endgame)) return fire(puThrowExplosive, 0);
    // remove same items: the goal kind that lags most, when the board holds many of it
    if (usable(puRemoveSameItem)) {
        int kind = 0, left = 0;
        for (int k = 1; k <= 5; ++k)
            if (goalLeft(k) > left) left = goalLeft(k), kind = k;
        int seen = 0, target = 0;
        for (int i = 1; i <= M3_ITEM_SLOTS; ++i)
            if (visibleGem(i) && b->_itemA[i] == kind) ++seen, target = i;
        if (left >= 8 && seen >= 10) return fire(puRemoveSameItem, target);
    }
    if (usable(puReplaceAllItems)) {
        int from = 0, to = 0;
        double value = 0;
        bestMove(from, to, value);
        if (value < 4) return fire(puReplaceAllItems, 0);
    }
    return false;
}

BotLevelResult CampaignBot::playBoard()
{
    TSpieler* p = profile();
    tavoTSceneMatch3* b = board();
    r_ = BotLevelResult{};
    r_.level = p->Level;
    r_.seed = seed_;
    rng_.seed(levelSeed(seed_, p->Level));
    lastMove_ = -1000;
    lastPowerUp_ = -100000;
    rest_ = 0;
    meteorSeen_ = 0;
    hintShown_ = false;
    pointer(PARK_X, PARK_Y);
    const long start = passes;
    for (long frame = passes; frame - start < 40L * 60 * 40; frame = passes) {
        if (g_scene != SCENE_MATCH3) break;
        if (b->_winrun > 0) {
            r_.won = true;
            break;
        }
        if (p->time >= BotPace::giveUpSeconds) break;
        bool hint = false;
        for (int q = 1; q < M3_SLOTS && !hint; ++q) hint = b->_cellri[q] != 0;
        r_.hints += hint && !hintShown_;
        hintShown_ = hint;
        if (dialogUp(POPUP_INSTRUCTIONS)) {
            key(KEY_ENTER);
            continue;
        }
        watchMeteor(frame);
        if (b->_gt3_partner1 != 0 && b->_gt3_swap == 0 && boardAtRest()) {
            click(b->_itemX[b->_gt3_partner1], b->_itemY[b->_gt3_partner1]);   // a stray pick is let go again
            pointer(PARK_X, PARK_Y);
        }
        rest_ = boardAtRest() && b->_gt3_partner1 == 0 ? rest_ + 1 : 0;
        if (rest_ >= BotPace::settleFrames && frame - lastMove_ >= BotPace::moveFrames) {
            lastMove_ = frame;
            rest_ = 0;
            if (tryUnlock()) continue;
            bool endgame = p->isAllItemsDestroyed(p->Level) == 1 && b->_mosscount > 0;
            if (frame - lastPowerUp_ >= (endgame ? BotPace::powerUpGapFrames / 3 : BotPace::powerUpGapFrames) && tryPowerUp()) {
                lastPowerUp_ = frame;
                continue;
            }
            int from = 0, to = 0;
            double value = 0;
            if (bestMove(from, to, value)) {
                makeMove(from, to);
                continue;
            }
        }
        step();
    }
    r_.seconds = p->time;
    r_.points = p->LevelPoints;
    return r_;
}

bool CampaignBot::toLevel(int next, bool lost)
{
    TSpieler* p = profile();
    if (lost) {
        // as the board's own close of a level, without the win
        p->suspendPowerUps();
        p->LevelUp();
        p->LevelDone();
        p->SaveToDisk();
        p->checkStoryPage();
        p->ResetResume();
        sceneHandler->fade_out(p->isStoryPageShow ? SCENE_STORY : SCENE_ROADMAP, 0, 0);
    } else {
        for (int tries = 0; tries < 20 && g_scene == SCENE_MATCH3; ++tries) {
            key(KEY_ENTER);
            waitFor([] { return g_scene != SCENE_MATCH3; }, 40);
        }
    }
    for (int guard = 0; guard < 400; ++guard) {
        if (faded(SCENE_MATCH3) && board()->_runtime > 0) return p->Level == next;
        if (faded(SCENE_STORY) && popupHandler->runtime == 0) {
            click(STORY_NEXT_X, STORY_NEXT_Y);
            waitFor([] { return !faded(SCENE_STORY) || sceneHandler->FaderDir != FADER_DIR_IN; }, 20);
            continue;
        }
        if (faded(SCENE_ROADMAP)) {
            if (popupHandler->runtime != 0) {
                if (dialogUp(POPUP_STAGE)) {
                    click(PLAY_X, PLAY_Y);
                    waitFor([] { return g_scene == SCENE_MATCH3; }, 60);
                } else if (popupHandler->runtime == POPUP_RUNTIME_OPEN) {
                    key(KEY_ENTER);
                } else {
                    step();
                }
                continue;
            }
            if (p->StoryLevel < next) p->StoryLevel = next;   // a sample run leaps ahead
            click(sceneRoadmap->_LevelPointX[next], sceneRoadmap->_LevelPointY[next]);
            waitFor([] { return popupHandler->runtime == POPUP_RUNTIME_OPEN; }, 40);
            continue;
        }
        step();
    }
    return false;
}

bool CampaignBot::finishStory()
{
    TSpieler* p = profile();
    for (int tries = 0; tries < 20 && g_scene == SCENE_MATCH3; ++tries) {
        key(KEY_ENTER);
        waitFor([] { return g_scene != SCENE_MATCH3; }, 40);
    }
    for (int guard = 0; guard < 200 && g_scene == SCENE_STORY; ++guard) {
        if (faded(SCENE_STORY) && popupHandler->runtime == 0)
            click(STORY_NEXT_X, STORY_NEXT_Y);
        else
            step();
    }
    waitFor([] { return g_scene != SCENE_STORY && sceneHandler->FaderDir == FADER_DIR_IN; }, 200);
    return p->isStoryFinished == 1;
}
