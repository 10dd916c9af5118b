// Points, the top bar, the goal bar, the win test and the victory sequence with its time bonus and score board.
#include <string>

#include "framework/globals.h"
#include "campaign/besttimes.h"
#include "campaign/spieler.h"
#include "fonts/bitmapfont.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "framework/language.h"
#include "framework/math.h"
#include "framework/scene.h"
#include "framework/trace.h"
#include "frontend/focus.h"
#include "frontend/popup.h"
#include "frontend/sound_handler.h"
#include "frontend/widgets.h"
#include "match3/board_links.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"

namespace {
// The score board's button.
constexpr float SCORE_OK_X = 512, SCORE_OK_Y = 540;
// Whether a campaign level starts with moss: only then does its score board speak of moss.
bool levelHasMoss(const tavoTSceneMatch3& b, int level)
{
    if (level < 1 || level > 80) return false;
    for (int s = 1; s <= M3_LAST_SLOT; ++s)
        if (b._preview_cella[level][s] > 0 && b._preview_cella[level][s] < 99 && b._preview_cellmoss[level][s] == 1) return true;
    return false;
}
}

int tavoTSceneMatch3::_incpoints(float x, float y, int n)
{
    TSpieler* p = m3Player();
    p->incLevelPoints(n);
    p->incStoryPoints(n);
    if (p->LevelPoints < 0) p->LevelPoints = 0;
    if (x > -1) showMessage(x, y, "+" + std::to_string(n));
    return 0;
}

int tavoTSceneMatch3::_timeBonusFor(int seconds)
{
    if (seconds <= 90) return _BONUS_GOLD;
    if (seconds <= 120) return _BONUS_SILVER;
    if (seconds <= 150) return _BONUS_BRONZE;
    return 0;
}

int tavoTSceneMatch3::_checkWinCondition()
{
    TSpieler* p = m3Player();
    if (_mosscount == 0 && _winrun == 0 && g_scene == SCENE_MATCH3 && p->isAllItemsDestroyed(p->Level) == 1) {
        _winrun = 1;
        traceLog("Level " + std::to_string(p->Level) + " abgeschlossen!");
    }
    return 0;
}

int tavoTSceneMatch3::_gameUI_drawLeveltexts(int)
{
    TSpieler* p = m3Player();
    Sys_SetAlpha(1.0f);
    if (g_imgClose) g_imgClose->PaintXY(_MENUBUTTON_X, _MENUBUTTON_Y);
    g_fontText->DrawText(std::to_string(_mosscount), 100, 8, 1, 0);
    std::string points = std::to_string(p->StoryPoints);
    g_fontText->DrawText(points, (float)(800 - g_fontText->GetTxtWidth(points) / 2), 8, 1, 0);
    if (_timeMode == _TIMEMODE_ATTACK)
        g_fontText->DrawText(timeText(p->time), 220, 8, 1, 0);
    else if (_timeMode == _TIMEMODE_RELAXED)
        g_fontText->DrawText("Relaxed", 190, 8, 1, 0);
    else
        g_fontText->DrawText("!unknown!", 190, 8, 1, 0);
    return 0;
}

int tavoTSceneMatch3::_drawGemBar()
{
    TSpieler* p = m3Player();
    for (int i = 1; i <= p->maxItemsToDestroy && i <= 5; ++i) {
        int n = p->getItemsLeftToDestroy(p->Level, i);
        float x = _GEMBAR_XOFFSET + 50.0f * (float)i - 25.0f, y = _GEMBAR_YOFFSET;
        float alpha = n > 0 ? 1.0f : 0.4f;
        Sys_SetScale(0.8f, 0.8f);
        Sys_SetAlpha(alpha);
        _imgItem[i]->PaintXY(x, y);
        g_gemBarX[i] = x;
        g_gemBarY[i] = 21;
        Sys_SetScale(1, 1);
        std::string text = std::to_string(n);
        drawCenteredText(text == "0" ? "--" : text, g_fontText, x, 36);
        Sys_SetAlpha(1.0f);
    }
    return 0;
}

namespace {
constexpr int WIN_SHOWN_FROM = 40;   // the victory frames before it only fade the board out
constexpr int WIN_CLOSED = 500;      // the player closed the score board: on to the next screen
constexpr float WIN_FADE = 50.0f;    // frames of each fade of the picture and the score board
}

void tavoTSceneMatch3::_winCredit(TSpieler& p)
{
    // both fades start afresh with every victory, also the second one in a session
    VictoryRuntime = 0;
    ScoreboardRuntime = 0;
    int m = p.anzMoss * _mossPoints;
    _bonuspunkte = _timeBonusFor(p.time);
    p.incLevelPoints(m);
    p.incStoryPoints(m);
    p.incStoryPoints(_bonuspunkte);
    p.incLevelPoints(_bonuspunkte);
}

void tavoTSceneMatch3::_winDrawPicture(TSpieler& p, int boardFrom)
{
    if (p.isChapterLevel(p.Level) != 1) {
        VictoryRuntime = 0;
        return;
    }
    VictoryRuntime += 1;
    float a = 1.0f;
    if ((float)VictoryRuntime < WIN_FADE)
        a = (float)VictoryRuntime / WIN_FADE;
    else if ((float)(boardFrom - _winrun) < WIN_FADE)
        a = (float)(boardFrom - _winrun) / WIN_FADE;
    Sys_SetAlpha(a);
    _imgVictory->Paint();
    Sys_SetAlpha(1.0f);
}

void tavoTSceneMatch3::_winDrawScoreBoard(TSpieler& p, int boardFrom)
{
    ScoreboardRuntime += 1;
    Sys_SetAlpha(clamp01((float)ScoreboardRuntime / WIN_FADE));
    tavoTBild* box = popupHandler->imgPopupMedium.get();
    box->PaintXY(512, 384);
    float W = box->W, H = box->H;
    float x1 = 512 - W / 2 + 30, x2 = 512 + W / 2 - 30;
    std::string title = g_lang->getValue("dayover");
    g_fontHeader->DrawText(title, (float)(512 - g_fontHeader->GetTxtWidth(title) / 2), 384 - H / 2 + 20, 1, 0);
    float o = -110;
    struct Row {
        const char* key;
        std::string value;
        bool shown;
    } rows[4] = {
        {"timebonus", std::to_string(_bonuspunkte), _bonuspunkte > 0},
        // the row shows what the win credited for moss, so the two always agree
        {"smasheddirt", std::to_string(p.anzMoss) + "x" + std::to_string(_mossPoints) + "=" +
                            std::to_string(p.anzMoss * _mossPoints), levelHasMoss(*this, p.Level)},
        {"pointsinthislevel", std::to_string(p.LevelPoints), true},
        {"pointsinthisgame", std::to_string(p.StoryPoints), true},
    };
    for (int k = 1; k <= 4; ++k) {
        const Row& r = rows[k - 1];
        if (!r.shown) continue;
        float a = (float)((_winrun - boardFrom - 10 * k) / 10);
        Sys_SetAlpha(a > 1 ? 1.0f : a);
        g_fontText->DrawText(g_lang->getValue(r.key), x1, 384 + o, 1, 0);
        g_fontText->DrawText(r.value, x2, 384 + o, 1, 2);
        o += 40;
    }
    if (_winrun > boardFrom + 80) {
        Sys_SetAlpha(1.0f);
        std::string ok = g_lang->getValue("ok");
        // the focus leaves the menu button, which the score board does not answer, for its own
        if (_winrun == boardFrom + 81) focusMoveTo(SCORE_OK_X, SCORE_OK_Y);
        int b = drawButton(SCORE_OK_X, SCORE_OK_Y, 3, 1, ok);
        if (b == 3 || g_input->_Enter == 1 || g_input->_Escape == 1) {
            traceLog("Button: " + ok + " gedr\xC3\xBC" "ckt");
            _winrun = WIN_CLOSED;
        }
    }
}

void tavoTSceneMatch3::_winFinish(TSpieler& p)
{
    _bonuspunkte = 0;
    recordBestTime(p.Level, p.time, p.Name);
    p.suspendPowerUps();
    p.LevelDone();
    _biggestCombo = 0;
    _winrun = -1;
    p.LevelUp();
    p.SaveToDisk();
    p.LevelDone();
    p.checkStoryPage();
    p.ResetResume();
    sceneHandler->fade_out(p.isStoryPageShow == 1 ? SCENE_STORY : SCENE_ROADMAP, 0, 0);
}

// The victory: credit the win once, then the chapter picture, the score board, and on to the next screen.
int tavoTSceneMatch3::_screenWin()
{
    TSpieler* p = m3Player();
    _checkWinCondition();
    const int boardFrom = p->isChapterLevel(p->Level) == 1 ? 240 : 40;
    if (_winrun > 0) {
        if (_winrun == 1) _winCredit(*p);
        if (_winrun == 2 && g_pause == -1) soundHandler->play_music("win.ogg");
        if (g_pause == -1) {
            if (_winrun < WIN_CLOSED - 1) _winrun += 1;
            if (_winrun > WIN_CLOSED) _winrun = WIN_CLOSED;
        }
        if (g_pause == -1 && _winrun > WIN_SHOWN_FROM && _winrun < WIN_CLOSED) {
            if (_winrun < boardFrom) _winDrawPicture(*p, boardFrom);
            if (_winrun > boardFrom)
                _winDrawScoreBoard(*p, boardFrom);
            else
                ScoreboardRuntime = 0;
            Sys_SetAlpha(1.0f);
            Sys_SetScale(1, 1);
        }
    }
    Sys_SetBlend(BLEND_ALPHA);
    Sys_SetScale(1, 1);
    Sys_SetAlpha(1.0f);
    Sys_SetViewport(0, 0, 1024, 768);
    if (_winrun == WIN_CLOSED) _winFinish(*p);
    return 0;
}
