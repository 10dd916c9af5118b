// The level map: points along the path, the frontier's glow, level names, the level preview and the start button.
#include "campaign/scene_roadmap.h"

#include <algorithm>
#include <cmath>
#include <array>
#include <iterator>
#include <vector>

#include "framework/globals.h"
#include "campaign/level_points.h"
#include "campaign/scene_story.h"
#include "campaign/spieler.h"
#include "fonts/bitmapfont.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "framework/language.h"
#include "framework/scene.h"
#include "framework/trace.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/effects.h"
#include "frontend/focus.h"
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
constexpr float PLAY_X = 512;
constexpr int PLAY_BUTTON = 3;
constexpr int GLOW_PICTURE = 4;
// an arrow follows the path to a neighbour less than about 65 degrees off its direction
constexpr float PATH_FOLLOW_MIN_COS = 0.42f;
// A finished campaign says so on the bottom bar, left of the start button.
constexpr float JOURNEY_X = 404, JOURNEY_Y = 696;
// The play button stands this far above the preview box's bottom.
constexpr float PREVIEW_PLAY_RISE = 48;
constexpr float PREVIEW_GAP = 6;
// The text font's shadow and descenders reach this far below its line height.
constexpr float TEXT_OVERHANG = 6;
// The miniature keeps this far inside the box's sides, and is never drawn larger than half the board.
constexpr float PREVIEW_SIDE = 40;
constexpr float PREVIEW_MAX_SCALE = 0.5f;
// A cell reaches half a cell from its centre, its border pieces a rim beyond that (board pixels).
constexpr float CELL_REACH = 24 + 18;
// The preview's close button sits this far below the box's top.
constexpr float PREVIEW_CLOSE_DROP = 40;

int clampLevel(int v) { return v < 1 ? 1 : v > ROADMAP_LEVELS ? ROADMAP_LEVELS : v; }

bool isChapterPoint(int level) { return level % 10 == 0; }

float mediumBoxHeight() { return popupHandler->imgPopupMedium->H; }
float mediumBoxWidth() { return popupHandler->imgPopupMedium->W; }

// A finished campaign has no frontier left to glow.
bool isFrontier(const TSpieler& p, int level) { return p.isStoryFinished != 1 && level == p.StoryLevel; }

// The board draws these border pieces live; the miniature places them where the board would.
constexpr int kLiveBorderOffset = -18;
}

const TLevelPoint& roadmapPoint(int level) { return kLevelPoints[clampLevel(level)]; }

TPreviewLayout previewLayout(int level)
{
    const tavoTSceneMatch3& b = *sceneMatch3;
    const int L = clampLevel(level);
    TPreviewLayout l;
    const float boxTop = 384 - mediumBoxHeight() / 2, boxBottom = 384 + mediumBoxHeight() / 2;
    l.playY = boxBottom - PREVIEW_PLAY_RISE;
    const float playHalf = g_imgButtons[PLAY_BUTTON] ? g_imgButtons[PLAY_BUTTON]->H / 2 : 0;
    l.lineBottom = l.playY - playHalf - PREVIEW_GAP;
    l.lineTop = l.lineBottom - (float)g_fontText->GetFontHeight() - TEXT_OVERHANG;
    l.bandTop = boxTop + POPUP_BODY_TOP + PREVIEW_GAP;
    l.bandBottom = l.lineTop - PREVIEW_GAP;

    float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
    for (int s = 1; s <= M3_LAST_SLOT; ++s) {
        const int a = b._preview_cella[L][s];
        if (a <= 0 || a >= 99) continue;
        x0 = std::min(x0, b._preview_cellx[L][s] - CELL_REACH);
        x1 = std::max(x1, b._preview_cellx[L][s] + CELL_REACH);
        y0 = std::min(y0, b._preview_celly[L][s] - CELL_REACH);
        y1 = std::max(y1, b._preview_celly[L][s] + CELL_REACH);
    }
    if (x1 < x0) x0 = x1 = y0 = y1 = 0;
    const float bandW = mediumBoxWidth() - 2 * PREVIEW_SIDE, bandH = l.bandBottom - l.bandTop;
    l.scale = PREVIEW_MAX_SCALE;
    if (x1 > x0) l.scale = std::min(l.scale, bandW / (x1 - x0));
    if (y1 > y0) l.scale = std::min(l.scale, bandH / (y1 - y0));
    l.ox = 512 - (x0 + x1) / 2 * l.scale;
    l.oy = (l.bandTop + l.bandBottom) / 2 - (y0 + y1) / 2 * l.scale;
    l.left = l.ox + x0 * l.scale;
    l.right = l.ox + x1 * l.scale;
    l.top = l.oy + y0 * l.scale;
    l.bottom = l.oy + y1 * l.scale;
    return l;
}

std::string bestTimeLine(int level)
{
    const int L = clampLevel(level);
    if (g_bestTime[L] == -1) return text("nobesttime");
    std::string line = text("besttime") + " " + timeText(g_bestTime[L]);
    if (!trimBlanks(g_bestTimeName[L]).empty()) line += " " + text("by") + " " + g_bestTimeName[L];
    return line;
}

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

void tavoTSceneRoadmap::reloadTextPictures()
{
    if (_imgBackground && _imgBackground->isLoaded) {
        _imgBackground->LoadFromDisk("data/roadmap/roadmap.png", 0, -1);
        _imgBackground->setXY(0, 0);
    }
}

int tavoTSceneRoadmap::Prepare()
{
    g_lastScene = g_scene;
    if (g_scene == SCENE_MATCH3 || g_scene == SCENE_MAINMENU) leaveScene(g_scene);
    if (TSpieler* p = roadmapProfile()) p->loadAllItemsToDestroyFromDisk("data/levels/lvla000.lvl");
    _imgBackground->LoadFromDisk("data/roadmap/roadmap.png", 0, -1);
    _imgBackground->setXY(0, 0);
    _imgBottomBar->LoadFromDisk("data/roadmap/bottombar.png", 0, -1);
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
    if (p && p->isStoryFinished == 1) drawCenteredText(text("journeydone"), g_fontText, JOURNEY_X, JOURNEY_Y);
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
        if (p->isStoryFinished == 1 && p->isResume != 1) {
            // nothing is left to play next: start retells the journey's end; any point still opens its game
            sceneStory->setPage(STORY_FIRST_CLOSING_PAGE);
            sceneHandler->fade_out(SCENE_STORY, 0, 0);
            return 0;
        }
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
        const bool frontier = isFrontier(*p, i);
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
    const bool live = g_inputLayer == 1 && popupHandler->runtime == 0 && g_pause == -1 &&
                      sceneHandler->FaderDir == FADER_DIR_IN;
    const int first = std::clamp(startLevel(), 1, n);
    focusPrefer(_LevelPointX[first], _LevelPointY[first]);
    for (int i = 1; i <= n; ++i) {
        const float x = _LevelPointX[i], y = _LevelPointY[i];
        const tavoTBild* pic = isChapterPoint(i) ? g_imgStageActive : g_imgWaypointActive;
        const float hw = std::max(pic->W / 2, 14.0f), hh = std::max(pic->H / 2, 14.0f);
        const int focus = focusTarget(x, y, hw, hh, live);
        if (focus != FOCUS_NONE) {
            focusDrawRing(x, y, hw, hh);
            if (live) drawTooltip(levelTitle(i), x + hw, y + hh, 1, 1, 0);
            if (focus == FOCUS_HELD && focusNavigable()) followPath(i, n);
        }
        const bool pointed = Sys_ImagesCollide(g_imgWaypointActive->data, (float)(int)x, (float)(int)y, 0,
                                               g_imgProbe3->data, mx, my, 0);
        if (pointed && live) drawTooltip(levelTitle(i), mousePointer->_x, mousePointer->_y, 1, 1, 0);
        if (live && (focus == FOCUS_PRESSED || (pointed && g_input->_MausFireLeft == 1))) {
            soundHandler->PlayS(SOUND_BUTTON1, focus == FOCUS_PRESSED ? x : mousePointer->_x);
            p->levelSelected = i;
            popupHandler->pop(POPUP_STAGE);
        }
    }
    return 0;
}

void tavoTSceneRoadmap::followPath(int from, int n)
{
    const int dx = g_input->_NavRight - g_input->_NavLeft, dy = g_input->_NavDown - g_input->_NavUp;
    if (dx == 0 && dy == 0) return;
    // the neighbour on the path whose direction is closest to the arrow's, if it lies ahead at all
    int best = 0;
    float bestCos = PATH_FOLLOW_MIN_COS;
    for (int j : {from - 1, from + 1}) {
        if (j < 1 || j > n) continue;
        const float vx = _LevelPointX[j] - _LevelPointX[from], vy = _LevelPointY[j] - _LevelPointY[from];
        const float len = std::sqrt(vx * vx + vy * vy);
        if (len < 1) continue;
        const float c = (vx * (float)dx + vy * (float)dy) / (len * std::sqrt((float)(dx * dx + dy * dy)));
        if (c > bestCos) {
            best = j;
            bestCos = c;
        }
    }
    if (best) focusMoveTo(_LevelPointX[best], _LevelPointY[best]);
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

    const TPreviewLayout l = previewLayout(L);
    drawCenteredText(bestTimeLine(L), g_fontText, 512, l.lineTop);

    // like every dialog, the preview acts only while fully open
    const bool open = dialogTakesInput(*popupHandler);
    if (drawCloseButton(707, 384 - mediumBoxHeight() / 2 + PREVIEW_CLOSE_DROP) == 1 && open) popupHandler->direction = 2;
    if (open && g_input->_Escape == 1) {
        g_input->_Escape = 0;
        popupHandler->direction = 2;
    }
    // a player who chose a level by keys meant to play it: play takes the focus first
    focusPrefer(PLAY_X, l.playY);
    if (drawButton(PLAY_X, l.playY, PLAY_BUTTON, 2, text("play")) == 3 && open) {
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
    const TPreviewLayout l = previewLayout(L);
    const float k = l.scale, ox = l.ox, oy = l.oy;
    // the pictures are the board's own, drawn at the miniature's scale; 24 is half a cell
    const float half = 24 * k;

    Sys_SetScale(k, k);
    Sys_SetBlend(BLEND_ALPHA);
    for (int s = 1; s <= M3_LAST_SLOT; ++s) {
        const int a = b._preview_cella[L][s], bord = b._preview_cellbord[L][s];
        if (a <= 0 || a >= 99 || bord <= 0 || bord > 24) continue;
        int dx = kLiveBorderOffset, dy = kLiveBorderOffset;
        m3BorderOffset(bord, dx, dy);
        b._imgCellBorder[bord]->PaintXY(ox + b._preview_cellx[L][s] * k - half + (float)dx * k,
                                         oy + b._preview_celly[L][s] * k - half + (float)dy * k);
    }
    Sys_SetBlend(BLEND_SOLID);
    for (int u = 1; u <= 30; ++u) {
        const int n = b._preview_m3rowcount[L][u];
        if (n <= 0 || n > 12) continue;
        b._imgRow[n]->PaintXY(ox + (float)b._preview_m3rowx[L][u] * k - half, oy + (float)b._preview_m3rowy[L][u] * k - half);
    }
    for (int s = 1; s <= M3_LAST_SLOT; ++s) {
        const int a = b._preview_cella[L][s];
        if (a <= 0 || a >= 99 || b._preview_cellmoss[L][s] != 1) continue;
        b._imgMoss->PaintXY(ox + b._preview_cellx[L][s] * k, oy + b._preview_celly[L][s] * k);
    }
    Sys_SetBlend(BLEND_ALPHA);
    for (int s = 1; s <= M3_LAST_SLOT; ++s) {
        if (b._preview_itema[L][s] != _bug) continue;
        Sys_SetScale(k / 4, k / 4);
        Sys_SetRotation(2.0f * (float)g_frameCount);
        b._imgLogoGlow->PaintXY(ox + b._preview_itemx[L][s] * k, oy + b._preview_itemy[L][s] * k);
        Sys_SetRotation(0);
    }
    for (int s = 1; s <= M3_LAST_SLOT; ++s) {
        const int kind = b._preview_itema[L][s];
        if (kind <= 0 || kind >= 30 || b._preview_itemkaefcol[L][s] != -1) continue;
        Sys_SetScale(k, k);
        b._imgItem[kind]->PaintXY(ox + b._preview_itemx[L][s] * k, oy + b._preview_itemy[L][s] * k);
    }
    Sys_SetBlend(BLEND_ALPHA);
    Sys_SetScale(1, 1);
    return 0;
}
