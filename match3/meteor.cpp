// The meteor: its start, flight and hit test, the burst, and the rain of three fragments that turn items into bombs.
#include "match3/meteor.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "framework/globals.h"
#include "framework/input.h"
#include "framework/math.h"
#include "framework/trace.h"
#include "frontend/effects.h"
#include "frontend/sound_handler.h"
#include "match3/board_links.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"

namespace {
constexpr int kFrames = 16;
constexpr int kChooseTargets = 2;   // rain frame that picks the three items
constexpr int kLaunch = 3;          // rain frame that starts the three falling fragments
constexpr int kRainLimit = 100;
}

TMeteor::~TMeteor() { Sys_FreeImage(img); }

int TMeteor::loadImages()
{
    Sys_FreeImage(img);
    img = Sys_LoadAnimImage("data/Match3/ast.png", 50, 56, 0, kFrames, -1);
    // loading again must not narrow the start heights twice
    bool first = w == 0;
    w = 50;
    h = 56;
    if (first) {
        minY += w / 2;
        maxY -= w / 2;
    }
    speed = h / 20;
    h = h / 2;
    return 0;
}

int TMeteor::unloadImages()
{
    Sys_FreeImage(img);
    img = nullptr;
    return 0;
}

int TMeteor::tempSetXY(float x, float y)
{
    positionX = x;
    positionY = y;
    return 0;
}

int TMeteor::CalcNextAppearance()
{
    nextAppearance = sceneMatch3->_runtime + minimumPause + randInt(1, 10 * minimumPause);
    return 0;
}

int TMeteor::setRandomSpot()
{
    corner = randInt(1, 2);
    if (corner == 1) {
        positionX = -h;
        positionY = randFloat(minY, maxY);
        directionX = speed;
    } else {
        positionX = 1024 + h;
        positionY = randFloat(minY, maxY);
        directionX = -speed;
    }
    directionY = randFloat(-speed / 2, speed / 2);
    return 0;
}

int TMeteor::Start()
{
    int rt = sceneMatch3->_runtime;
    if (rt < nextAppearance) {
        traceLog("Meteor haette gestartet werden koennen, aber es ist noch zu frue bei m3RT/nxtApp: " +
                 coordText((float)rt, (float)nextAppearance, 1, "R/A"));
        return -1;
    }
    setRandomSpot();
    inAction = 1;
    struck = 0;
    m3PlaySound(SOUND_METEOR_APPEARS, positionX);
    traceLog("Starte Meteor bei m3runtime " + std::to_string(rt) + " an " + coordText(positionX, positionY, 1, "X/Y") +
             " dirX " + std::to_string(directionX));
    return 0;
}

int TMeteor::Update()
{
    const SysDrawState& st = Sys_State();
    float alpha = st.color_alpha;
    int blend = st.blend_mode;
    if (m3PopupRuntime() > 0) return 0;
    runtime += 1;
    if (isRaining != 0) return rain();
    if (runtime % 2 == 0) animCount = corner == 1 ? (animCount + 1) % kFrames : (animCount + kFrames - 1) % kFrames;
    positionX += directionX;
    positionY += directionY;
    Sys_SetBlend(BLEND_ALPHA);
    Sys_SetAlpha(1);
    if (img) Sys_DrawImage(img, positionX, positionY, animCount);
    Sys_SetBlend(blend);
    Sys_SetAlpha(alpha);
    float px = mousePointer->_x, py = mousePointer->_y;
    if (px > positionX && px < positionX + w && py > positionY && py < positionY + h && g_input->_MausFireLeft == 1)
        return Hitted();
    if (g_input->_Strike == 1 && struck == 0 && m3BoardTakesClicks()) {
        struck = 1;
        if (strikeHits()) return Hitted();
        m3PlaySound(SOUND_PUNO, positionX);
    }
    // a meteor nobody caught ends once its whole picture has left the screen
    bool gone = (directionX > 0 && positionX > 1024) || (directionX < 0 && positionX + w < 0) || positionY + 2 * h < 0 ||
                positionY > 768;
    if (gone) {
        m3PlaySound(SOUND_METEOR_MISS, positionX);
        Stop();
    }
    return 0;
}

bool TMeteor::strikeHits() const
{
    const tavoTSceneMatch3& b = *sceneMatch3;
    const int cell = b._cursorCell;
    if (cell <= 0 || cell > M3_LAST_SLOT || b._CellA[cell] <= 0) return false;
    const float cx = b._CellX[cell], cy = b._CellY[cell], r = M3_STRIKE_REACH;
    // the mouse's rule, its upper half, met by the cursor's cell instead of the pointer's tip
    return cx + r > positionX && cx - r < positionX + w && cy + r > positionY && cy - r < positionY + h;
}

int TMeteor::Hitted()
{
    isHit = 1;
    isRaining = 1;
    sceneMatch3->_incpoints(positionX, positionY - w / 2, points);
    m3PlaySound(SOUND_METEOR_HIT, positionX);
    m3InstallEffect(positionX, positionY, 109100, 0, 0);
    return 0;
}

int TMeteor::rain()
{
    tavoTSceneMatch3& b = *sceneMatch3;
    raincounter += 1;
    if (raincounter == kChooseTargets) {
        g_powerUpBusy = 1;
        for (int& t : impact) t = 0;
        for (int i = 0; i < 3; ++i) {
            impact[i] = getTarget();
            impactItem[i] = b._itemSerial[impact[i]];
        }
    }
    if (raincounter == kLaunch) {
        for (int i = 0; i < 3; ++i) {
            gfxid[i] = impact[i] > 0 ? m3InstallEffect(b._itemX[impact[i]], b._itemY[impact[i]], 108900, 0, 0) : 0;
            gfxserial[i] = gfxid[i] > 0 ? g_effects[gfxid[i]]->serial : 0;
            traceLog("Self.gfxid[i]: " + std::to_string(gfxid[i]));
        }
    }
    if (raincounter > kLaunch) {
        for (int i = 0; i < 3; ++i) {
            // a fragment the pool refused (slot 0) counts as landed
            if (landed[i] != 0 || effectRunning(gfxid[i], gfxserial[i])) continue;
            landed[i] = 1;
            donecount += 1;
            // a target that has gone meanwhile, its slot empty or holding a newcomer, gets no bomb
            int t = impact[i];
            if (t > 0 && b._itemA[t] != 0 && b._itemSerial[t] == impactItem[i]) b._itemA[t] = _ITEM_BOMB;
        }
    }
    if (donecount >= 3 || raincounter > kRainLimit) Stop();
    return 0;
}

int TMeteor::getTarget()
{
    const tavoTSceneMatch3& b = *sceneMatch3;
    std::vector<int> fit;
    for (int j = 1; j <= M3_LAST_SLOT; ++j) {
        int a = b._itemA[j];
        if (a < 1 || a > 998 || a == _ITEM_BOMB || a == _bug || (a >= _ITEM_PU1 && a <= _ITEM_PU4)) continue;
        // a fragment falls onto the spot where the item rests; a falling item would have left it
        if (b._itemCell[j] <= 0 || b._cellStone[b._itemCell[j]] == 1) continue;
        if (std::find(std::begin(impact), std::end(impact), j) != std::end(impact)) continue;
        fit.push_back(j);
    }
    if (fit.empty()) return 0;
    return fit[(size_t)randInt(0, (int)fit.size() - 1)];
}

int TMeteor::Stop()
{
    g_powerUpBusy = 0;
    inAction = isHit = isRaining = runtime = raincounter = donecount = animCount = struck = 0;
    for (int i = 0; i < 3; ++i) {
        impact[i] = gfxid[i] = landed[i] = 0;
        gfxserial[i] = impactItem[i] = 0;
    }
    CalcNextAppearance();
    return 0;
}
