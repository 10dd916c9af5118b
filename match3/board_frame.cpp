// The board scene's frame: preloading, entering and leaving, the frame order, the level picture and all board drawing.
#include <cstring>
#include <string>

#include "framework/globals.h"
#include "campaign/config.h"
#include "campaign/scene_roadmap.h"
#include "campaign/scene_story.h"
#include "campaign/spieler.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "framework/math.h"
#include "framework/scene.h"
#include "framework/trace.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/effects.h"
#include "frontend/messages.h"
#include "frontend/popup.h"
#include "frontend/sound_handler.h"
#include "frontend/widgets.h"
#include "match3/board_links.h"
#include "match3/meteor.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"
#include "powerups/powerups.h"

namespace {
struct BorderOffset {
    int id, ox, oy;
};
// Where each pasted border piece sits relative to its cell's top-left corner.
constexpr BorderOffset kBorderOffsets[] = {
    {1, 0, -18}, {2, 0, 46},  {3, -18, 0},  {4, 46, 0},   {5, -18, -18}, {6, 0, -18},  {7, 0, 0},    {8, -18, 0},
    {9, 46, 0},  {10, -18, 0}, {13, 46, -1}, {14, -18, -1}, {17, -18, -2}, {18, 0, -2}, {19, 0, -18}, {20, -18, -18},
};
// Border shapes that overlap their neighbours are drawn live every frame instead of pasted.
constexpr int kLiveBorders[] = {11, 12, 15, 16, 21, 22, 23, 24};

bool isLiveBorder(int id)
{
    for (int b : kLiveBorders)
        if (b == id) return true;
    return false;
}

const BorderOffset* borderOffset(int id)
{
    for (const BorderOffset& b : kBorderOffsets)
        if (b.id == id) return &b;
    return nullptr;
}

// Copies a picture's pixels, alpha included, into the level picture; whatever falls outside is cut.
void paste(uint32_t* dst, int dw, int dh, SysImage* src, int x, int y)
{
    // read only: without an unlock the source keeps its texture
    const uint32_t* px = Sys_LockImage(src, 0);
    if (!px) return;
    const int w = Sys_ImageWidth(src), h = Sys_ImageHeight(src);
    for (int row = 0; row < h; ++row) {
        int ty = y + row;
        if (ty < 0 || ty >= dh) continue;
        for (int col = 0; col < w; ++col) {
            int tx = x + col;
            if (tx < 0 || tx >= dw) continue;
            dst[(size_t)ty * dw + tx] = px[(size_t)row * w + col];
        }
    }
}
}

bool m3BorderOffset(int id, int& dx, int& dy)
{
    const BorderOffset* off = borderOffset(id);
    if (!off) return false;
    dx = off->ox;
    dy = off->oy;
    return true;
}

int tavoTSceneMatch3::preloadImages()
{
    _imgGameUIMatch3Longbar->LoadFromDisk("data/match3/m3uilongbar.png", 1, -1);
    _imgGameUIMatch3Longbar->setXY(512, 758);
    _imgLogoGlow->LoadFromDisk("data/effects/logoglow.png", 1, -1);
    _imgRays2->LoadFromDisk("data/effects/rays2.png", 1, -1);
    _imgCell->LoadFromDisk("data/match3/cell.png", 1, -1);
    _imgMoss->LoadFromDisk("data/match3/moss.png", 1, -1);
    _imgCellMask->LoadFromDisk("data/match3/cellmask.png", 1, -1);
    _imgCellMark->LoadFromDisk("data/match3/cellmark.png", 1, -1);
    _imgGameUIMatch3->LoadFromDisk("data/match3/m3uiup.png", 1, -1);
    _imgPlaysign->LoadFromDisk("data/texts/gameon.png", 1, -1);
    // twelve strips: a column may hold twelve cells
    for (int n = 1; n <= 12; ++n) _imgRow[n]->LoadFromDisk("data/match3/cellrow" + std::to_string(n) + ".png", 0, -1);
    for (int n = 1; n <= 24; ++n) _imgCellBorder[n]->LoadFromDisk("data/match3/border" + std::to_string(n) + ".png", 0, -1);
    for (int n = 1; n <= 15; ++n) _imgItem[n]->LoadFromDisk("data/match3/item1-" + std::to_string(n) + ".png", 1, -1);
    // doors get their own picture
    _imgItem[_ITEM_XDOOR]->LoadFromDisk("data/match3/item1-18.png", 1, -1);
    for (int n = 1; n <= 4; ++n) _imgCellArrow[n]->LoadFromDisk("data/match3/arrow" + std::to_string(n) + ".png", 1, -1);
    g_meteor->loadImages();
    // the help pages draw their example boards with the board's own pictures
    THelpDiagramPictures& h = g_helpDiagramPictures;
    h.moss = _imgMoss;
    h.cellMark = _imgCellMark;
    h.glo.assign(std::begin(_imgGlo), std::end(_imgGlo));
    h.items.assign(std::begin(_imgItem), std::end(_imgItem));
    h.arrows.assign(std::begin(_imgCellArrow), std::end(_imgCellArrow));
    return 0;
}

int tavoTSceneMatch3::setVictoryScreen()
{
    _imgVictory->LoadFromDisk("data/Match3/victory.png", 1, -1);
    _imgVictory->setXY(512, 384);
    return 0;
}

void tavoTSceneMatch3::reloadTextPictures()
{
    for (tavoTBild* b : {_imgPlaysign, _imgVictory}) {
        if (b && b->isLoaded) {
            const float x = b->X, y = b->Y;
            b->LoadFromDisk(b->url, 1, -1);
            b->setXY(x, y);
        }
    }
}

int tavoTSceneMatch3::Prepare()
{
    TSpieler* p = m3Player();
    // level 0 would read the goal table as a board
    if (p->Level < 1) p->Level = 1;
    _runtime = 0;
    g_lastScene = g_scene;
    if (g_lastScene == SCENE_ROADMAP) sceneRoadmap->Leave();
    if (g_lastScene == SCENE_STORY) sceneStory->Leave();
    _imgBackground->LoadFromDisk(g_getCurrentBG(p->Level), 0, -1);
    _imgBackground->setXY(0, 0);
    if (p->isChapterLevel(p->Level) == 1) setVictoryScreen();
    g_helpFromMenu = 0;
    _zugpointer = 0;
    _nixdo = 0;
    _cursorCell = _padPowerUp = _padPowerUpRing = 0;
    _swapping = 0;
    _preparelevelmatch3();
    puRemoveLine->Prepare();
    puRemoveSameItem->Prepare();
    puThrowExplosive->Prepare();
    puReplaceAllItems->Prepare();
    p->resumePowerUps();
    clearEffects();
    _wholeglow = -496;
    popupHandler->State = 0;
    popupHandler->runtime = 0;
    g_pause = -1;
    _predrawings();
    g_config->musiklaut = 0;
    soundHandler->play_music("ingame" + std::to_string(randInt(1, 2)) + ".ogg");
    traceLog("<- screenGamePrepare()");
    g_scene = SCENE_MATCH3;
    sceneHandler->fade_in();
    // a meteor still flying or raining over the last level has no business on this board
    if (g_meteor->inAction != 0) g_meteor->Stop();
    g_meteor->CalcNextAppearance();
    return 1;
}

int tavoTSceneMatch3::Leave()
{
    _imgBackground->Unload();
    _imgVictory->Unload();
    return 1;
}

int tavoTSceneMatch3::_predrawings()
{
    Sys_Cls();
    return _predraw_level();
}

int tavoTSceneMatch3::_predraw_level()
{
    traceLog("-> predraw_level()");
    const int W = 960, H = 620;
    Sys_FreeImage(_imgLevel->data);
    _imgLevel->data = Sys_CreateImage(W, H, 1, IMG_DEFAULT);
    _imgLevel->isLoaded = _imgLevel->data ? 1 : 0;
    _imgLevel->isCentered = 0;
    _imgLevel->W = (float)W;
    _imgLevel->H = (float)H;
    _imgLevel->label = "level picture";
    uint32_t* dst = Sys_LockImage(_imgLevel->data, 0);
    if (dst) {
        for (int q = 1; q <= M3_LAST_SLOT; ++q) {
            if (!(_CellA[q] > 0 && _CellA[q] < 100 && _cellBord[q] > 0 && _cellBord[q] <= 24)) continue;
            const BorderOffset* off = borderOffset(_cellBord[q]);
            if (!off) continue;
            paste(dst, W, H, _imgCellBorder[_cellBord[q]]->data, (int)(_CellX[q] - 56 + (float)off->ox),
                  (int)(_CellY[q] - 98 + (float)off->oy));
        }
        for (int u = 1; u <= 30; ++u) {
            int n = _m3rowcount[u];
            if (n <= 0 || n > 12) continue;
            paste(dst, W, H, _imgRow[n]->data, (int)(_m3rowx[u] - 56), (int)(_m3rowy[u] - 98));
        }
        Sys_UnlockImage(_imgLevel->data, 0);
    }
    traceLog("<- predraw_level()");
    return 0;
}

int tavoTSceneMatch3::_draw_cells()
{
    float a0 = Sys_State().color_alpha;
    _mosscount = 0;
    for (int q = 1; q <= M3_LAST_SLOT; ++q)
        if (_CellA[q] > 0 && isLiveBorder(_cellBord[q])) _imgCellBorder[_cellBord[q]]->PaintXY(_CellX[q] - 42, _CellY[q] - 42);
    _imgLevel->PaintXY(32, 74);
    Sys_SetBlend(a0 >= 0.99f ? BLEND_SOLID : BLEND_ALPHA);
    for (int q = 1; q <= M3_LAST_SLOT; ++q) {
        if (_cellMoss[q] != 1 || _CellA[q] <= 0) continue;
        _imgMoss->PaintXY(_CellX[q], _CellY[q]);
        if ((float)_wholeglow == _CellX[q]) _cellGlow[q] = 18;
        _mosscount += 1;
    }
    Sys_SetBlend(BLEND_ALPHA);
    for (int q = 1; q <= M3_LAST_SLOT; ++q) {
        if (_CellA[q] <= 0) continue;
        if (_cellGlow[q] > 0) {
            _cellGlow[q] -= 1;
            Sys_SetBlend(BLEND_LIGHT);
            Sys_SetAlpha(a0 * Sys_Sin(10.0f * (float)_cellGlow[q]));
            _imgCell->PaintXY(_CellX[q], _CellY[q]);
            Sys_SetAlpha(a0);
            Sys_SetBlend(BLEND_ALPHA);
        }
        if (_cellFumm[q] > 0) {
            if (_cellFumm[q] < 5) _cellFumm[q] += 1;
            Sys_SetAlpha(a0 * (float)_cellFumm[q] * 0.2f);
            _imgCellMark->PaintXY(_CellX[q], _CellY[q]);
            Sys_SetAlpha(a0);
        }
    }
    return 0;
}

int tavoTSceneMatch3::_draw_items()
{
    for (int i = 1; i <= M3_LAST_SLOT; ++i) {
        int kind = _itemA[i];
        if (!(kind > 0 && kind < 999) || i == _gt3_partner1 || i == _gt3_partner2) continue;
        float x = _itemX[i], y = _itemY[i];
        int dx = 0, dy = 0;
        if (_Item_Rumble[i] > 0) {
            _Item_Rumble[i] -= 1;
            int r = _Item_Rumble[i];
            dx = randInt((int)(-0.2f * (float)r), (int)(0.2f * (float)r));
            dy = randInt((int)(-0.2f * (float)r), (int)(0.2f * (float)r));
        }
        if (_Item_FallDynamic[i] > 0) _Item_FallDynamic[i] -= 1;
        float px = x + (float)dx, py = y + (float)_Item_FallDynamic[i] + (float)dy;
        if (kind == _ITEM_BOMB) {
            Sys_SetScale(0.25f, 0.25f);
            Sys_SetRotation(2.0f * (float)_runtime);
            _imgLogoGlow->PaintXY(px, py);
            Sys_SetRotation(0);
            float F = (float)g_frameCount;
            Sys_SetScale(1 + 0.02f * Sys_Cos(10 * F + 80 * (float)i), 1 + 0.02f * Sys_Sin(10 * F + 80 * (float)i));
        }
        if (_Item_Tipp[i] > 0) {
            _Item_Tipp[i] += 1;
            if (_Item_Tipp[i] >= 72) _Item_Tipp[i] = 0;
        }
        if (_Item_Alter[i] < 20) _Item_Alter[i] += 1;
        Sys_SetAlpha((float)_Item_Alter[i] * 0.05f * g_globalAlpha);
        Sys_SetRotation(10.0f * Sys_Sin(10.0f * (float)_Item_Tipp[i]));
        if ((_itemKaefCol[i] == -1 || _itemKaefCol[i] == 0) && kind < 30) _imgItem[kind]->PaintXY(px, py);
        Sys_SetAlpha(g_globalAlpha);
        Sys_SetRotation(0);
        Sys_SetScale(1, 1);
    }
    Sys_SetAlpha(0.75f * g_globalAlpha);
    for (int q = 1; q <= M3_LAST_SLOT; ++q) {
        if (_CellA[q] <= 0 || _cellri[q] < 1 || _cellri[q] > 4) continue;
        static const float ax[5] = {0, 24, -24, 0, 0}, ay[5] = {0, 0, 0, 24, -24};
        _imgCellArrow[_cellri[q]]->PaintXY(_CellX[q] + ax[_cellri[q]], _CellY[q] + ay[_cellri[q]]);
    }
    Sys_SetAlpha(g_globalAlpha);
    return 0;
}

int tavoTSceneMatch3::_draw_pu()
{
    g_powerUpBusy = 0;
    puRemoveLine->Update();
    puRemoveSameItem->Update();
    puReplaceAllItems->Update();
    puThrowExplosive->Update();
    Sys_SetScale(1, 1);
    return 0;
}

int tavoTSceneMatch3::_playsign()
{
    if (_runtime >= M3_FRAME_LIVE) return 0;
    if (_runtime > M3_FRAME_SLIDE && _runtime <= M3_FRAME_SIGN_OUT) {
        float b = clamp01((float)(_runtime - M3_FRAME_SLIDE) * 0.025f);
        Sys_SetScale(2 - b, 2 - b);
        Sys_SetAlpha(b);
        _imgPlaysign->PaintXY(512, 384);
    } else if (_runtime > M3_FRAME_SIGN_OUT) {
        Sys_SetScale(1, 1);
        Sys_SetAlpha((float)(M3_FRAME_LIVE - _runtime) * 0.1f);
        _imgPlaysign->PaintXY(512, 384);
    }
    Sys_SetAlpha(1.0f);
    Sys_SetScale(1, 1);
    return 0;
}

int tavoTSceneMatch3::_gameUI_drawMenuButton()
{
    const bool clicked = drawCloseButton(_MENUBUTTON_X, _MENUBUTTON_Y) == 1;
    // Escape and Start always open it; the pad's east button only when the board had no pick to drop
    const bool key = (g_input->_Escape == 1 || g_input->_PadStart == 1) && sceneHandler->FaderDir != FADER_DIR_OUT;
    if ((clicked || key) && popupHandler->runtime == 0 && _winrun == 0 && g_pause == -1 && _runtime > M3_FRAME_SIGN_OUT) {
        // the menu must not read the same Escape as its own and close again
        g_input->_Escape = g_input->_Cancel = 0;
        popupHandler->pop(POPUP_INGAME);
    }
    return 0;
}

int tavoTSceneMatch3::Update()
{
    TSpieler* p = m3Player();
    _imgBackground->Paint();
    _stonesoundx = _doorsoundx = _mosssoundx = -1;
    p->suspendPowerUps();
    if (popupHandler->runtime == 0 && g_pause == -1) _runtime += 1;
    g_inputLayer = 1;
    _item_Max = M3_ITEM_MAX;
    if (_runtime == M3_FRAME_INSTRUCTIONS) {
        _runtime = M3_FRAME_INSTRUCTIONS + 1;
        const int page = instructionsPageForLevel(p->Level);
        if (page > 0) g_instructionsPage = page;
        if (page > 0 && p->isHelp != 0) popupHandler->pop(POPUP_INSTRUCTIONS);
    }
    if (p->gtGameType == _GAMETYPE_SWAP && _runtime == M3_FRAME_NO_READY_LINES) _makeno3groups();
    if (_runtime > M3_FRAME_LIVE && g_pause == -1 && popupHandler->runtime == 0 && _winrun == 0) countPlayTime();
    if (popupHandler->State > 0) g_inputLayer = 2;
    Sys_SetViewport(0, 0, 1024, 768);
    float f = (float)sceneHandler->FaderColor;
    Sys_SetColor(f, f, f);
    Sys_SetScale(1, 1);
    Sys_SetBlend(BLEND_ALPHA);
    float alpha = p->resumeLevel > 7 ? (float)_runtime * 0.025f : (float)(_runtime - M3_FRAME_BOARD_FADE) * 0.025f;
    if (_winrun > 0) alpha = 1.0f - (float)_winrun * 0.0125f;
    g_globalAlpha = clamp01(alpha);
    Sys_SetAlpha(g_globalAlpha);
    if (_winrun >= 0 && _winrun <= 80 && g_pause == -1) {
        _cursorFrame();
        _boardSteps();
        if (popupHandler->runtime <= 0) {
            _draw_cells();
            _draw_items();
            _draw_gt3partner();
        }
        _draw_pu();
        // after the power-up buttons, so that the pad's chosen one lights up over its picture
        if (popupHandler->runtime <= 0) _cursorDraw();
    }
    _wholeglow += 24;
    if (_wholeglow > 5000) _wholeglow = -256 - 24 * randInt(20, 190);
    Sys_SetAlpha(1.0f);
    _imgGameUIMatch3->PaintXY(512, 44);
    _screenWin();
    _playsign();
    updateEffects();
    _gameUI_drawLeveltexts(0);
    _imgGameUIMatch3Longbar->Paint();
    _gameUI_drawMenuButton();
    messageHandler->Update();
    if (_runtime > M3_FRAME_LIVE && _winrun == 0 && g_meteor->inAction == 0 && popupHandler->runtime == 0 && g_pause == -1) {
        int a = (int)randFloat(0, 400), b = (int)randFloat(0, 400);
        if (a == b) {
            g_meteor->Start();
            updateEffects();
        } else if (g_input->_F8 == 1) {
            g_meteor->nextAppearance = _runtime - 1;
            g_meteor->Start();
            updateEffects();
        }
    }
    if (g_meteor->inAction != 0) g_meteor->Update();
    if (_runtime > M3_FRAME_LIVE && _winrun == 0) _drawGemBar();
    if (popupHandler->runtime == 0 && g_pause == 1) {
        Sys_SetAlpha(1.0f);
        if (g_input->_MausFireLeft == 1) {
            g_pause = -1;
            p->isResume = 0;
        }
    }
    Sys_SetAlpha(1.0f);
    popupHandler->ingameScreenMainmenu_show();
    if (_stonesoundx > -1) {
        soundHandler->PlayS(SOUND_STONE, _stonesoundx);
        soundHandler->PlayS(SOUND_EXPLOSION, _stonesoundx);
    }
    if (_mosssoundx > -1) soundHandler->PlayS(SOUND_MOSS, _mosssoundx);
    return 1;
}
