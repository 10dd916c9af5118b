// The effect families' steps, drawn with the board's pictures: one ageing, moving, drawing pass over the pool per call.
#include "frontend/effects.h"

#include "framework/globals.h"
#include "campaign/spieler.h"
#include "framework/bild.h"
#include "framework/math.h"
#include "framework/trace.h"
#include "frontend/sound_handler.h"
#include "frontend/widgets.h"
#include "match3/meteor.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"
#include "powerups/powerups.h"

namespace {
int pictureNumber(int id, int base)
{
    int v = id - base;
    return v > 9 ? 1 : v;
}

void paint(tavoTBild* pics[], int v, float x, float y)
{
    if (v >= 0 && v < 10 && pics[v]) pics[v]->PaintXY(x, y);
}

void chanceStep(tavoTEffect& e, int n)
{
    e.runtime += n;
    if (randInt(1, 10) < 4) e.runtime += n;
}

void jitteredDrift(tavoTEffect& e)
{
    e.x += e.lx + (float)randInt(-10, 10) * 0.05f;
    e.y += e.ly + (float)randInt(-10, 10) * 0.05f;
}

void setScale(float s) { Sys_SetScale(s, s); }

void collectFlight(tavoTEffect& e, float G)
{
    int k = e.id - 95700;
    int kk = k == 0 ? 3 : k;
    e.runtime += 1;
    int a = e.runtime;
    float tx = (k >= 0 && k < 20) ? g_gemBarX[k] : 0.0f;
    float x0 = e.x, y0 = e.y;
    float dx = tx > x0 ? tx - x0 : x0 - tx;
    float dy = 21.0f > y0 ? 21.0f - y0 : y0 - 21.0f;
    float stepX = dx * (float)a / 40.0f, stepY = dy * (float)a / 40.0f;
    float px, rotation;
    if (x0 >= tx) {
        px = x0 - stepX;
        if (px < tx) px = tx;
        rotation = 360.0f - 6.0f * (float)a;
    } else if (dy > 0) {
        px = x0 + stepX;
        rotation = 360.0f - 6.0f * (float)a;
    } else {
        px = x0 - stepX;
        rotation = 6.0f * (float)a;
    }
    float py = y0 - stepY;
    Sys_SetAlpha(G);
    Sys_SetRotation(rotation);
    setScale(1.2f);
    int m = collectGlowPicture(kk);
    if (m > 0) sceneMatch3->_imgGl[m]->PaintXY(px, py);
    setScale(1.0f);
    Sys_SetRotation(0);
    if (a >= 40) {
        if (g_currentPlayer > -1 && g_currentPlayer < MAX_PLAYERS && g_players[g_currentPlayer]) {
            TSpieler& p = *g_players[g_currentPlayer];
            if (k >= 0 && k <= p.maxItemsToDestroy && k <= 5) p.itemsDestroyed[k] += 1;
        }
        e.id = 0;
    }
}

void buttonBurst(tavoTEffect& e)
{
    float Px = puReplaceAllItems->getX(), Py = puReplaceAllItems->getY();
    e.runtime += 1;
    if (e.x < Px) e.lx += 0.1f;
    if (e.x > Px) e.lx -= 0.1f;
    if (e.y < Py) e.ly += 0.2f;
    if (e.y > Py) e.ly -= 0.1f;
    e.lx = e.lx < -6 ? -6 : e.lx > 6 ? 6 : e.lx;
    e.ly = e.ly < -3 ? -3 : e.ly > 3 ? 3 : e.ly;
    e.x += e.lx;
    e.y += e.ly;
    int trail = g_fps > 30 ? 1 : g_fps > 20 ? g_frameCount % 2 : g_fps > 10 ? g_frameCount % 4 : 0;
    if (trail == 1) installEffect(e.x, e.y, 4, 0, 0);
    float sx = 0.3f + 0.2f * (float)randInt(0, 8);
    float sy = 0.3f + 0.2f * (float)randInt(0, 8);
    Sys_SetScale(sx, sy);
    sceneMatch3->_imgGl[4]->PaintXY(e.x, e.y);
    if (e.x > Px - 90 && e.x < Px + 90 && e.y > Py - 100 && e.y < Py + 20) {
        soundHandler->PlayS(SOUND_LAYPART, Px);
        for (int j = 1; j <= 20; ++j) {
            float ax = (float)randInt(1, 7) * Sys_Cos(36.0f * (float)j);
            float ay = (float)randInt(1, 7) * Sys_Sin(36.0f * (float)j);
            installEffect(e.x, e.y, 104, ax, ay);
        }
        e.id = 0;
    }
    if (e.runtime >= 1000) e.id = 0;
    Sys_SetRotation(0);
    setScale(1.0f);
}

void glitterStep(int, tavoTEffect& e, float G)
{
    tavoTSceneMatch3& b = *sceneMatch3;
    int id = e.id;
    chanceStep(e, 1);
    jitteredDrift(e);
    int a = e.runtime;
    float base = (1.0f - (float)a * 0.01f) * 0.7f;
    float sx = base * (0.5f + (float)randInt(-10, 10) * 0.05f);
    float sy = base * (0.5f + (float)randInt(-10, 10) * 0.05f);
    Sys_SetScale(sx, sy);
    Sys_SetAlpha(a < 10 ? G * (float)a * 0.1f : G * (float)(100 - a) * 0.01f);
    paint(b._imgGl, pictureNumber(id, 0), e.x, e.y);
    Sys_SetAlpha(G);
    if (a >= 100 || g_fps < 10) e.id = 0;
}

// Glitter that falls as it shrinks from `size`; returns its age.
int fallGlitter(tavoTEffect& e, float size)
{
    chanceStep(e, 2);
    e.ly += 0.3f;
    jitteredDrift(e);
    setScale((1.0f - (float)e.runtime * 0.01f) * size);
    return e.runtime;
}

void fallingGlitterStep(int, tavoTEffect& e, float G)
{
    int a = fallGlitter(e, 0.7f);
    if (a < 5) Sys_SetAlpha(G * (float)a * 0.2f);
    paint(sceneMatch3->_imgGl, pictureNumber(e.id, 100), e.x, e.y);
    if (a >= 100 || g_fps < 10) e.id = 0;
}

void bigFallingGlitterStep(int, tavoTEffect& e, float)
{
    int a = fallGlitter(e, 1.3f);
    paint(sceneMatch3->_imgGl, pictureNumber(e.id, 150), e.x, e.y);
    if (a >= 100 || g_fps < 10) e.id = 0;
}

void flashStep(int, tavoTEffect& e, float)
{
    tavoTSceneMatch3& b = *sceneMatch3;
    int id = e.id;
    e.runtime += 4;
    int a = e.runtime;
    setScale((1.0f - (float)a * 0.01f) * 1.6f);
    paint(b._imgGlo, pictureNumber(id, 300), e.x, e.y);
    if (a >= 100) e.id = 0;
}

void dirtStep(int s, tavoTEffect& e, float G)
{
    tavoTSceneMatch3& b = *sceneMatch3;
    int id = e.id;
    chanceStep(e, 1);
    e.lx *= 0.95f;
    e.ly += 0.23f;
    jitteredDrift(e);
    int a = e.runtime;
    setScale(1.0f - (float)a * 0.01f);
    Sys_SetAlpha(0.7f * G);
    Sys_SetRotation((float)((a + s) * (s % 4 + 4)));
    paint(b._imgDirt, pictureNumber(id, 1000), e.x, e.y);
    Sys_SetRotation(0);
    Sys_SetAlpha(G);
    if (a >= 100) e.id = 0;
}

void pulseStep(int, tavoTEffect& e, float G)
{
    tavoTSceneMatch3& b = *sceneMatch3;
    int id = e.id;
    e.runtime += 1;
    int a = e.runtime;
    setScale(1.2f * Sys_Sin(9.0f * (float)a));
    Sys_SetAlpha(0.7f * G);
    paint(b._imgGlo, pictureNumber(id, 1300), e.x, e.y);
    Sys_SetAlpha(G);
    if (a >= 20) e.id = 0;
}

void bombFlareStep(int, tavoTEffect& e, float G)
{
    tavoTSceneMatch3& b = *sceneMatch3;
    e.runtime += 5;
    int a = e.runtime;
    setScale((float)a * 0.01f + 0.4f);
    Sys_SetAlpha((float)(100 - a) * 0.02f * G);
    Sys_SetRotation(10.0f * (float)g_frameCount);
    Sys_SetBlend(BLEND_LIGHT);
    if (b._imgBombflares) b._imgBombflares->PaintXY(e.x, e.y);
    Sys_SetAlpha(G);
    Sys_SetBlend(BLEND_ALPHA);
    Sys_SetRotation(0);
    if (a >= 100) e.id = 0;
}

void paintItem(int kind, float x, float y)
{
    if (kind < 30 && sceneMatch3->_imgItem[kind]) sceneMatch3->_imgItem[kind]->PaintXY(x, y);
}

void shrinkingItemStep(int, tavoTEffect& e, float)
{
    e.runtime += 1;
    int a = e.runtime;
    setScale(1.0f - (float)a * 0.1f);
    paintItem(e.id - 10000, e.x, e.y);
    Sys_SetRotation(0);
    setScale(1.0f);
    if (a >= 10) e.id = 0;
}

void fadingItemStep(int, tavoTEffect& e, float)
{
    e.runtime += 1;
    e.y += e.ly;
    int a = e.runtime;
    int k = e.id - 95800;
    Sys_SetAlpha(1.0f - (float)a * 0.1f);
    paintItem(k == 0 ? 3 : k, e.x, e.y);
    if (a >= 60) e.id = 0;
}

void meteorTailStep(int, tavoTEffect& e, float)
{
    e.runtime += 1;
    e.TailAnimCount += 1;
    if (e.TailAnimCount >= 5) e.TailAnimCount = 0;
    int a = e.runtime;
    float w0 = g_imgDebris[0]->W, h0 = g_imgDebris[0]->H;
    g_imgDebris[e.TailAnimCount]->PaintXY(e.x - (float)(e.meteordie - a) * e.meteorspeed - w0, e.y - h0 * 0.5f);
    if (a == e.meteordie) {
        e.id = 0;
        installEffect(e.x, e.y, 109000, 0, 0);
    }
}

void impactStep(int, tavoTEffect& e, float)
{
    e.runtime += 1;
    int a = e.runtime;
    if (a == 3) soundHandler->PlayS(SOUND_EXPLOSION2, e.x);
    if (g_animImpact && a < g_animImpact->frameCount()) Sys_DrawImage(g_animImpact, e.x, e.y, a);
    if (a == 13) e.id = 0;
}

void meteorBurstStep(int, tavoTEffect& e, float)
{
    for (int i = 0; i < 20; ++i) installEffect(e.x, e.y, 109200, randFloat(-3, 3), randFloat(-3, 3));
    e.id = 0;
}

void meteorDebrisStep(int, tavoTEffect& e, float)
{
    e.runtime += 1;
    e.x += e.lx;
    e.y += e.ly;
    if (e.meteorexploderotationdir == 0) e.rot += e.rotspeed;
    if (e.meteorexploderotationdir == 1) e.rot -= e.rotspeed;
    {
        const SysDrawStateGuard keep(SysDrawStateGuard::SCALE);
        Sys_SetScale(e.sc, e.sc);
        Sys_SetRotation(e.rot);
        if (g_meteor->img && e.meteorexplodeframe < g_meteor->img->frameCount())
            Sys_DrawImage(g_meteor->img, e.x, e.y, e.meteorexplodeframe);
    }
    Sys_SetRotation(0);
    if (e.x < 0 || e.x > 1024 || e.y < 0 || e.y > 768) {
        installEffect(e.x, e.y, 109000, 0, 0);
        e.id = 0;
    } else if (e.runtime >= 300 && randInt(1, 10) == 4) {
        installEffect(e.x, e.y, 109000, 0, 0);
        e.id = 0;
    }
}

// Each family of effect ids and its step; ids outside every family do nothing.
struct EffectFamily {
    int first, last;
    void (*step)(int slot, tavoTEffect& e, float G);
};
const EffectFamily kEffectFamilies[] = {
    {1, 99, glitterStep},
    {100, 149, fallingGlitterStep},
    {150, 199, bigFallingGlitterStep},
    {300, 399, flashStep},
    {1000, 1099, dirtStep},
    {1300, 1399, pulseStep},
    {2000, 2000, bombFlareStep},
    {10001, 10099, shrinkingItemStep},
    {95700, 95798, [](int, tavoTEffect& e, float G) { collectFlight(e, G); }},
    {95800, 95898, fadingItemStep},
    {105010, 105010, [](int, tavoTEffect& e, float) { buttonBurst(e); }},
    {108900, 108900, meteorTailStep},
    {109000, 109000, impactStep},
    {109100, 109100, meteorBurstStep},
    {109200, 109200, meteorDebrisStep},
};

void step(int s, tavoTEffect& e, float G)
{
    for (const EffectFamily& f : kEffectFamilies)
        if (e.id >= f.first && e.id <= f.last) {
            f.step(s, e, G);
            return;
        }
}
}

int loadEffectImages()
{
    tavoTSceneMatch3& b = *sceneMatch3;
    b._imgBombflares->LoadFromDisk("data/effects/bombflare.png", 1, -1);
    b._imgGlowStar->LoadFromDisk("data/effects/glowstar.png", 1, -1);
    for (int i = 1; i <= 9; ++i) {
        std::string n = std::to_string(i);
        b._imgGl[i]->LoadFromDisk("data/effects/glb" + n + ".png", 1, -1);
        b._imgGlo[i]->LoadFromDisk("data/effects/glo" + n + ".png", 1, -1);
        b._imgDirt[i]->LoadFromDisk("data/effects/dirt" + n + ".png", 1, -1);
    }
    return 0;
}

int updateEffects()
{
    sceneMatch3->_sprengpilzrun = 0;
    float G = g_globalAlpha;
    for (int s = 1; s < MAX_EFFECTS; ++s) {
        tavoTEffect& e = *g_effects[s];
        if (e.id > 0) step(s, e, G);
    }
    Sys_SetScale(1, 1);
    Sys_SetAlpha(G);
    Sys_SetBlend(BLEND_ALPHA);
    Sys_SetViewport(0, 0, 1024, 768);
    return 0;
}
