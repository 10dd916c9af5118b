// The level map: points along the path, the frontier's glow, level names, the level preview and the start button.
#include "campaign/scene_roadmap.h"

#include <array>
#include <iterator>
#include <vector>

#include "framework/globals.h"
#include "campaign/level_points.h"
#include "campaign/spieler.h"
#include "fonts/bitmapfont.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "framework/language.h"
#include "framework/scene.h"
#include "framework/trace.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/effects.h"
#include "frontend/holo.h"
#include "frontend/popup.h"
#include "frontend/sound_handler.h"
#include "frontend/widgets.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"

namespace {
// Index 0 is unused: levels count from 1.
constexpr std::array<TLevelPoint, ROADMAP_LEVELS + 1> levelPoints()
{
    static_assert(ROADMAP_LEVELS == std::size(kMapLevelPoints));
    std::array<TLevelPoint, ROADMAP_LEVELS + 1> p{};
    for (int i = 0; i < ROADMAP_LEVELS; ++i) p[i + 1] = {kMapLevelPoints[i][0], kMapLevelPoints[i][1]};
    return p;
}
constexpr auto kLevelPoints = levelPoints();

constexpr float CLOSE_X = 937, CLOSE_Y = 29;
constexpr float PLAY_X = 512, PLAY_Y = 554;
constexpr float BESTTIME_RISE = 150;
constexpr float PREVIEW_X = 250;
constexpr int GLOW_PICTURE = 4;

int clampLevel(int v) { return v < 1 ? 1 : v > ROADMAP_LEVELS ? ROADMAP_LEVELS : v; }

bool isChapterPoint(int level) { return level % 10 == 0; }

float mediumBoxHeight() { return popupHandler->imgPopupMedium->H; }

// The board draws these border pieces live; the miniature places them where the board would.
constexpr int kLiveBorderOffset = -18;
}

const TLevelPoint& roadmapPoint(int level) { return kLevelPoints[clampLevel(level)]; }

TSpieler* roadmapProfile()
{
    if (g_currentPlayer < 1 || g_currentPlayer >= MAX_PLAYERS || !g_players[g_currentPlayer]) return nullptr;
    TSpieler* p = g_players[g_currentPlayer];
    // a damaged or hand-edited file must never make the map read a level outside the campaign
    if (p->StoryLevel < 1 || p->StoryLevel > ROADMAP_LEVELS || p->Level < 1 || p->Level > ROADMAP_LEVELS)
        traceLog("profile levels out of range, clamped: StoryLevel " + std::to_string(p->StoryLevel) + ", Level " +
                 std::to_string(p->Level));
    p->StoryLevel = clampLevel(p->StoryLevel);
    p->Level = clampLevel(p->Level);
    if (p->isResume == 1 && (p->resumeLevel < 1 || p->resumeLevel > ROADMAP_LEVELS)) p->ResetResume();
    return p;
}

bool levelFileComplete(int level)
{
    std::vector<uint8_t> bytes;
    return level >= 1 && level <= ROADMAP_LEVELS && Sys_ReadAllBytes(levelFileName(level), bytes) && bytes.size() >= 1040;
}

tavoTSceneRoadmap::tavoTSceneRoadmap()
    : _imgBackground(std::make_unique<tavoTBild>()), _imgBottomBar(std::make_unique<tavoTBild>())
{
}

tavoTSceneRoadmap::~tavoTSceneRoadmap() = default;

int tavoTSceneRoadmap::setRoadmapCoords()
{
    for (int i = 1; i <= ROADMAP_LEVELS; ++i) {
        _LevelPointX[i] = (float)kLevelPoints[i].x;
        _LevelPointY[i] = (float)kLevelPoints[i].y;
    }
    return 0;
}

int tavoTSceneRoadmap::Prepare()
{
    g_lastScene = g_scene;
    if (g_scene == SCENE_MATCH3 || g_scene == SCENE_MAINMENU) leaveScene(g_scene);
    if (TSpieler* p = roadmapProfile()) p->loadAllItemsToDestroyFromDisk("data/levels/lvla000.lvl");
    _imgBackground->LoadFromDisk("data/roadmap/roadmap.png", 0, -1);
    _imgBackground->setXY(0, 0);
    _imgBottomBar->LoadFromDisk("data/ui/menuborderdown.png", 0, -1);
    _imgBottomBar->setXY(0, 768 - _imgBottomBar->H + 15);
    g_input->_MausOK = 1;
    popupHandler->runtime = 0;
    g_pause = -1;
    _runtime = 0;
    _messageFrames = 0;
    soundHandler->play_music("ambient.ogg");
    g_scene = SCENE_ROADMAP;
    sceneHandler->fade_in();
    return 1;
}

int tavoTSceneRoadmap::leave()
{
    _imgBackground->Unload();
    _imgBottomBar->Unload();
    return 1;
}

int tavoTSceneRoadmap::visiblePoints() const
{
    const TSpieler* p = roadmapProfile();
    if (!p) return 0;
    return p->isStoryFinished == 1 ? ROADMAP_LEVELS : p->StoryLevel;
}

int tavoTSceneRoadmap::startLevel() const
{
    const TSpieler* p = roadmapProfile();
    if (!p) return 1;
    return p->isResume == 1 ? p->resumeLevel : p->StoryLevel;
}

bool tavoTSceneRoadmap::playLevel(int level)
{
    TSpieler* p = roadmapProfile();
    if (!p) return false;
    if (!levelFileComplete(level)) {
        traceLog("level " + std::to_string(level) + " cannot be loaded, staying on the map");
        _message = text("levelmissing") + " " + levelTitle(level);
        _messageFrames = ROADMAP_MESSAGE_FRAMES;
        return false;
    }
    sceneHandler->fade_out(SCENE_MATCH3, 0, 0);
    return true;
}

int tavoTSceneRoadmap::Update()
{
    Sys_SetViewport(0, 0, 1024, 768);
    const float f = (float)sceneHandler->FaderColor;
    Sys_SetColor(f, f, f);
    Sys_SetBlend(BLEND_ALPHA);
    Sys_SetScale(1, 1);
    Sys_SetAlpha(1);
    updateEffects();
    Sys_SetAlpha(1);
    Sys_SetScale(1, 1);
    Sys_SetBlend(BLEND_SOLID);
    _imgBackground->Paint();
    Sys_SetBlend(BLEND_ALPHA);
    _imgBottomBar->Paint();
    _incRuntime(1);
    _effectcounter += 1;

    const TSpieler* p = roadmapProfile();
    if (p && p->StoryLevel == 1 && p->isStoryFinished == 0 && _runtime == ROADMAP_HELP_FRAME && p->isHelp != 0)
        popupHandler->pop(POPUP_ROADMAPHELP);
    drawButtons();
    g_inputLayer = 1;
    Sys_SetAlpha(1);
    drawLevelpoints();
    if (popupHandler->runtime > 0) g_inputLayer = 2;
    popupHandler->ingameScreenMainmenu_show();

    if (_messageFrames > 0) {
        _messageFrames -= 1;
        Sys_SetAlpha(_messageFrames < 20 ? (float)_messageFrames / 20.0f : 1.0f);
        popupHandler->imgPopupSmall->PaintXY(512, 384);
        drawCenteredText(_message, g_fontText, 512, 370);
        Sys_SetAlpha(1);
    }
    return 1;
}

int tavoTSceneRoadmap::drawButtons()
{
    if (drawCloseButton(CLOSE_X, CLOSE_Y) == 1) sceneHandler->fade_out(SCENE_MAINMENU, 0, 0);
    if (g_roadmapHoloButton && g_roadmapHoloButton->Tick(0) == 3) {
        TSpieler* p = roadmapProfile();
        if (!p) return 0;
        const int level = startLevel();
        const int before = p->Level;
        p->Level = level;
        if (!playLevel(level)) p->Level = before;
    }
    return 0;
}

int tavoTSceneRoadmap::drawAnimation(float x, float y)
{
    if (tavoTBild* glow = sceneMatch3->_imgGl[GLOW_PICTURE]) glow->PaintXY(x, y);
    return 0;
}

int tavoTSceneRoadmap::drawLevelpoints()
{
    TSpieler* p = roadmapProfile();
    if (!p) return 0;
    const int n = visiblePoints();
    Sys_SetAlpha(1);
    for (int i = 1; i <= n && i <= p->StoryLevel; ++i) {
        const float x = _LevelPointX[i], y = _LevelPointY[i];
        const bool frontier = i == p->StoryLevel;
        if (isChapterPoint(i)) {
            if (frontier) {
                drawAnimation(x, y);
                g_imgStageActive->PaintXY(x, y);
            } else {
                g_imgStageInactive->PaintXY(x, y);
            }
        } else if (frontier) {
            drawAnimation(x, y);
            const float s = Sys_Sin((float)g_frameCount);
            Sys_SetScale(s, s);
            g_imgWaypointActive->PaintXY(x, y);
            Sys_SetScale(1, 1);
        } else {
            g_imgWaypointInactive->PaintXY(x, y);
        }
    }
    if (!g_imgWaypointActive->data || !g_imgProbe3->data) return 0;
    const float mx = (float)(int)mousePointer->_x, my = (float)(int)mousePointer->_y;
    for (int i = 1; i <= n; ++i) {
        if (!Sys_ImagesCollide(g_imgWaypointActive->data, (float)(int)_LevelPointX[i], (float)(int)_LevelPointY[i], 0,
                               g_imgProbe3->data, mx, my, 0))
            continue;
        const bool live = g_inputLayer == 1 && popupHandler->runtime == 0 && g_pause == -1 &&
                          sceneHandler->FaderDir == FADER_DIR_IN;
        if (!live) continue;
        drawTooltip(levelTitle(i), mousePointer->_x, mousePointer->_y, 1, 1, 0);
        if (g_input->_MausFireLeft == 1) {
            soundHandler->PlayS(SOUND_BUTTON1, mousePointer->_x);
            p->levelSelected = i;
            popupHandler->pop(POPUP_STAGE);
        }
    }
    return 0;
}

int tavoTSceneRoadmap::LevelPreview()
{
    TSpieler* p = roadmapProfile();
    if (!p) return 0;
    const int L = clampLevel(p->levelSelected);
    const float a0 = Sys_State().color_alpha;
    Sys_SetScale(1, 1);
    popupHandler->box(POPUP_SIZE_MEDIUM, levelTitle(L), 0);
    Sys_SetAlpha(a0);
    draw_preview_match3(L, L);

    const float hb = popupHandler->imgPopupBig->H;
    const float lineY = 384 + hb / 2 - BESTTIME_RISE;
    if (g_bestTime[L] == -1)
        drawCenteredText(text("nobesttime"), g_fontText, 512, lineY);
    else
        drawCenteredText(text("besttime") + " " + timeText(g_bestTime[L]) + " " + text("by") + " " + g_bestTimeName[L],
                         g_fontText, 512, lineY);

    // like every dialog, the preview acts only while fully open
    const bool open = dialogTakesInput(*popupHandler);
    if (drawCloseButton(707, 384 - mediumBoxHeight() / 2 + 40) == 1 && open) popupHandler->direction = 2;
    if (drawButton(PLAY_X, PLAY_Y, 3, 2, text("play")) == 3 && open) {
        const int before = p->Level;
        if (p->isResume == 0) {
            traceLog("resume ausgeschaltet");
            p->Level = L;
        } else if (L == p->resumeLevel) {
            traceLog("resumelevel und selectedLevel identisch");
            p->Level = p->resumeLevel;
        } else {
            traceLog("resumelevel und selectedLevel unterschiedlich");
            p->Level = L;
        }
        if (playLevel(L)) {
            if (!(p->isResume == 1 && L == p->resumeLevel)) p->ResetResume();
            soundHandler->PlayS(SOUND_LAYPART, 512);
        } else {
            p->Level = before;
            popupHandler->direction = 2;
        }
    }
    return 0;
}

int tavoTSceneRoadmap::draw_preview_match3(int level, int)
{
    const tavoTSceneMatch3& b = *sceneMatch3;
    const int L = clampLevel(level);
    const float ox = PREVIEW_X, oy = 384 - mediumBoxHeight() / 2 + 40;

    Sys_SetScale(0.5f, 0.5f);
    Sys_SetBlend(BLEND_ALPHA);
    for (int s = 1; s <= M3_LAST_SLOT; ++s) {
        const int a = b._preview_cella[L][s], bord = b._preview_cellbord[L][s];
        if (a <= 0 || a >= 99 || bord <= 0 || bord > 24) continue;
        int dx = kLiveBorderOffset, dy = kLiveBorderOffset;
        m3BorderOffset(bord, dx, dy);
        b._imgCellBorder[bord]->PaintXY(ox + b._preview_cellx[L][s] / 2 - 12 + (float)dx / 2,
                                         oy + b._preview_celly[L][s] / 2 - 12 + (float)dy / 2);
    }
    Sys_SetBlend(BLEND_SOLID);
    for (int u = 1; u <= 30; ++u) {
        const int n = b._preview_m3rowcount[L][u];
        if (n <= 0 || n > 12) continue;
        b._imgRow[n]->PaintXY(ox + (float)(b._preview_m3rowx[L][u] / 2) - 12, oy + (float)(b._preview_m3rowy[L][u] / 2) - 12);
    }
    for (int s = 1; s <= M3_LAST_SLOT; ++s) {
        const int a = b._preview_cella[L][s];
        if (a <= 0 || a >= 99 || b._preview_cellmoss[L][s] != 1) continue;
        b._imgMoss->PaintXY(ox + b._preview_cellx[L][s] / 2, oy + b._preview_celly[L][s] / 2);
    }
    Sys_SetBlend(BLEND_ALPHA);
    for (int s = 1; s <= M3_LAST_SLOT; ++s) {
        if (b._preview_itema[L][s] != _bug) continue;
        Sys_SetScale(0.125f, 0.125f);
        Sys_SetRotation(2.0f * (float)g_frameCount);
        b._imgLogoGlow->PaintXY(ox + b._preview_itemx[L][s] / 2, oy + b._preview_itemy[L][s] / 2);
        Sys_SetRotation(0);
    }
    for (int s = 1; s <= M3_LAST_SLOT; ++s) {
        const int k = b._preview_itema[L][s];
        if (k <= 0 || k >= 30 || b._preview_itemkaefcol[L][s] != -1) continue;
        Sys_SetScale(0.5f, 0.5f);
        b._imgItem[k]->PaintXY(ox + b._preview_itemx[L][s] / 2, oy + b._preview_itemy[L][s] / 2);
    }
    Sys_SetBlend(BLEND_ALPHA);
    Sys_SetScale(1, 1);
    return 0;
}
