// The shared widgets, the pictures they and the screens share, and small screen texts.
#include "frontend/widgets.h"

#include "frontend/focus.h"

#include <memory>

#include "framework/globals.h"
#include "fonts/bitmapfont.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "framework/language.h"
#include "framework/scene.h"
#include "framework/trace.h"
#include "frontend/messages.h"
#include "frontend/popup.h"
#include "frontend/sound_handler.h"
#include "platform/sys.h"

tavoTBild* g_imgBar;
tavoTBild* g_imgMoveKnobs[11];
tavoTBild* g_imgButtons[11];
tavoTBild* g_imgButtonsSpare[11];
tavoTBild* g_imgProbe;
tavoTBild* g_imgProbe2;
tavoTBild* g_imgProbe3;
tavoTBild* g_imgCheckbox;
tavoTBild* g_imgH;
tavoTBild* g_imgOptionsTrack;
tavoTBild* g_imgHelpTile;
tavoTBild* g_imgHelpStone;
tavoTBild* g_imgHelpArrow;
tavoTBild* g_imgLine;
tavoTBild* g_imgNiner;
tavoTBild* g_imgUITop;
tavoTBild* g_imgPlayerMenu;
tavoTBild* g_imgScores;
tavoTBild* g_imgClose;
tavoTBild* g_imgCloseHover;
tavoTBild* g_imgHoloFrames[3];
tavoTBild* g_imgLoadBg;
SysImage* g_animHoloWobbel;
SysImage* g_animImpact;
THelpDiagramPictures g_helpDiagramPictures;

namespace {

struct SharedPicture {
    tavoTBild** slot;
    const char* file;
    int centre;
};

// Loaded in this order after the popup pictures; the debris come after the animations.
const SharedPicture kSharedPictures[] = {
    {&g_imgBar, "data/UI/bar.png", 1},
    {&g_imgMoveKnobs[10], "data/ui/bnmove2.png", 1},
    {&g_imgButtons[1], "data/UI/buttons/button_holo.png", 1},
    {&g_imgButtons[3], "data/UI/buttons/button_glas.png", 1},
    {&g_imgButtons[6], "data/UI/buttons/next.png", 1},
    {&g_imgButtons[7], "data/UI/buttons/previous.png", 1},
    {&g_imgButtonsSpare[6], "data/UI/buttons/button_glas.png", 1},
    {&g_imgButtonsSpare[7], "data/UI/buttons/button_glas.png", 1},
    {&g_imgButtonsSpare[8], "data/UI/buttons/button_glas.png", 1},
    {&g_imgProbe, "data/UI/coll.png", 0},
    {&g_imgProbe2, "data/UI/coll2.png", 0},
    {&g_imgProbe3, "data/UI/coll3.png", 1},
    {&g_imgCheckbox, "data/UI/cb.png", 1},
    {&g_imgH, "data/UI/h.png", 1},
    {&g_imgOptionsTrack, "data/UI/optionstrack.png", 1},
    {&g_imgHelpTile, "data/UI/helptileexpl.png", 1},
    {&g_imgHelpStone, "data/UI/helpstoneexpl.png", 1},
    {&g_imgHelpArrow, "data/UI/helparrow.png", 1},
    {&g_imgLine, "data/UI/line.png", 1},
    {&g_imgNiner, "data/UI/niner.png", 1},
    {&g_imgUITop, "data/UI/uitopfull.png", 1},
    {&g_imgPlayerMenu, "data/UI/playermenu.png", 1},
    {&g_imgScores, "data/UI/scores.png", 1},
    {&g_imgClose, "data/UI/buttons/button_close.png", 1},
    {&g_imgCloseHover, "data/UI/buttons/button_closehover.png", 1},
    {&g_imgHoloFrames[0], "data/UI/buttons/01_holo.png", 1},
    {&g_imgHoloFrames[1], "data/UI/buttons/02_holo.png", 1},
    {&g_imgHoloFrames[2], "data/UI/buttons/03_holo.png", 1},
    {&g_imgStageActive, "data/roadmap/stage-waypoint-aktiv.png", 1},
    {&g_imgStageInactive, "data/roadmap/stage-waypoint-inaktiv.png", 1},
    {&g_imgWaypointActive, "data/roadmap/waypoint-aktiv.png", 1},
    {&g_imgWaypointInactive, "data/roadmap/waypoint-inaktiv.png", 1},
    {&g_imgLoadBg, "data/bg/loadbg.jpg", 0},
};

const SharedPicture kDebrisPictures[] = {
    {&g_imgDebris[0], "data/effects/asts1.png", 0},
    {&g_imgDebris[1], "data/effects/asts2.png", 0},
    {&g_imgDebris[2], "data/effects/asts3.png", 0},
    {&g_imgDebris[3], "data/effects/asts4.png", 0},
    {&g_imgDebris[4], "data/effects/asts5.png", 0},
};

// Pictures made here; the debris and map pictures belong to the global start-up.
tavoTBild** const kOwnedSingles[] = {
    &g_imgBar, &g_imgProbe, &g_imgProbe2, &g_imgProbe3, &g_imgCheckbox, &g_imgH, &g_imgOptionsTrack,
    &g_imgHelpTile, &g_imgHelpStone, &g_imgHelpArrow, &g_imgLine, &g_imgNiner, &g_imgUITop, &g_imgPlayerMenu,
    &g_imgScores, &g_imgClose, &g_imgCloseHover, &g_imgLoadBg,
};

// The pictures made here; the globals only point at them.
std::vector<std::unique_ptr<tavoTBild>> s_pictures;

tavoTBild* ownPicture() { return s_pictures.emplace_back(std::make_unique<tavoTBild>()).get(); }

void loadPicture(const SharedPicture& p)
{
    if (*p.slot) (*p.slot)->LoadFromDisk(p.file, p.centre, -1);
}

bool pointerInside(float cx, float cy, float hw, float hh)
{
    const float mx = mousePointer->_x, my = mousePointer->_y;
    return mx > cx - hw && mx < cx + hw && my > cy - hh && my < cy + hh;
}

tavoTBild* pictureAt(const std::vector<tavoTBild*>& v, int i)
{
    return (i >= 0 && (size_t)i < v.size()) ? v[(size_t)i] : nullptr;
}

}

// The shared rule for every picture button.
bool widgetLive(int layer)
{
    return g_inputLayer == layer && sceneHandler->FaderDir != FADER_DIR_OUT && g_pause == -1 &&
           (popupHandler->runtime == 0 || popupHandler->runtime == 16);
}

void createSharedImages()
{
    for (tavoTBild** p : kOwnedSingles) *p = ownPicture();
    for (int i = 1; i <= 10; ++i) {
        g_imgMoveKnobs[i] = ownPicture();
        g_imgButtons[i] = ownPicture();
        g_imgButtonsSpare[i] = ownPicture();
    }
    g_imgMoveKnobs[0] = g_imgButtons[0] = g_imgButtonsSpare[0] = nullptr;
    for (auto& f : g_imgHoloFrames) f = ownPicture();
    g_animHoloWobbel = g_animImpact = nullptr;
}

void destroySharedImages()
{
    for (tavoTBild** p : kOwnedSingles) *p = nullptr;
    for (int i = 0; i <= 10; ++i) g_imgMoveKnobs[i] = g_imgButtons[i] = g_imgButtonsSpare[i] = nullptr;
    for (auto& f : g_imgHoloFrames) f = nullptr;
    s_pictures.clear();
    Sys_FreeImage(g_animHoloWobbel);
    Sys_FreeImage(g_animImpact);
    g_animHoloWobbel = g_animImpact = nullptr;
}

void loadUIImages()
{
    popupHandler->imgPopupSmall->LoadFromDisk("data/UI/popupsmall.png", 1, -1);
    popupHandler->imgPopupMedium->LoadFromDisk("data/UI/popupmedium.png", 1, -1);
    popupHandler->imgPopupBig->LoadFromDisk("data/UI/popupbig.png", 1, -1);
    popupHandler->imgPopupMini->LoadFromDisk("data/UI/popupmini.png", 1, -1);
    popupHandler->imgPaperCanvas->LoadFromDisk("data/UI/playermenu.png", 1, -1);
    popupHandler->imgPopupShadow->LoadFromDisk("data/UI/popupshadow.png", 0, -1);
    for (const SharedPicture& p : kSharedPictures) loadPicture(p);

    Sys_FreeImage(g_animHoloWobbel);
    g_animHoloWobbel = Sys_LoadAnimImage("data/effects/holowobbel.png", 128, 128, 0, 32, -1);
    if (!g_animHoloWobbel) traceLog("Animation data/effects/holowobbel.png konnte nicht geladen werden");
    Sys_FreeImage(g_animImpact);
    g_animImpact = Sys_LoadAnimImage("data/effects/impact.png", 128, 128, 0, 16, -1);
    if (g_animImpact) Sys_MidHandleImage(g_animImpact);
    else traceLog("Animation data/effects/impact.png konnte nicht geladen werden");
    for (const SharedPicture& p : kDebrisPictures) loadPicture(p);
}

std::string timeText(int seconds)
{
    int h = seconds / 3600, m = (seconds / 60) % 60, s = seconds % 60;
    return std::to_string(h / 10) + std::to_string(h % 10) + ":" + std::to_string(m / 10) + std::to_string(m % 10) + ":" +
           std::to_string(s / 10) + std::to_string(s % 10);
}

int levelInChapter(int level)
{
    int r = level % 10;
    return r == 0 ? 10 : r;
}

int chapterOfLevel(int level)
{
    if (level < 1 || level > 100) return -1;
    return (level - 1) / 10 + 1;
}

std::string levelTitle(int level)
{
    return g_lang->getValue("chapter") + " " + std::to_string(chapterOfLevel(level)) + " - " + g_lang->getValue("game") + " " +
           std::to_string(levelInChapter(level));
}

void showMessage(float x, float y, const std::string& text) { messageHandler->addMessage(text, x, y); }

void drawCenteredText(const std::string& text, TBitmapFont* font, float x, float y)
{
    size_t start = 0;
    for (int i = 0;; ++i) {
        size_t at = text.find("%n", start);
        std::string line = text.substr(start, at == std::string::npos ? std::string::npos : at - start);
        int w = font->GetTxtWidth(trimBlanks(line));
        font->DrawText(line, x - (float)(w / 2), y + (float)(i * font->GetFontHeight()) + font->Kerning.GetVKerning(), 1, 0);
        if (at == std::string::npos) break;
        start = at + 2;
    }
}

int drawButton(float x, float y, int kind, int layer, const std::string& caption)
{
    tavoTBild* p = (kind >= 1 && kind <= 10) ? g_imgButtons[kind] : nullptr;
    const float cx = (float)(int)x, cy = (float)(int)y;
    const float hw = p ? (float)(int)(p->W / 2) : 0, hh = p ? (float)(int)(p->H / 2 - 2) : 0;
    const SysDrawStateGuard keep(SysDrawStateGuard::COLOR | SysDrawStateGuard::ALPHA);
    const SysDrawState& st = keep.saved();
    const float r = st.color_red, g = st.color_green, b = st.color_blue, a = st.color_alpha;

    int result = 0;
    const int focus = focusTarget(cx, cy, hw, hh, widgetLive(layer));
    if (pointerInside(cx, cy, hw, hh) && widgetLive(layer)) {
        result = 2;
        if (g_input->_MausFireLeft == 1) {
            result = 3;
            g_input->_MausFireLeft = 0;
            soundHandler->PlayS(SOUND_BUTTON1, cx);
        }
    }
    if (focus == FOCUS_PRESSED) {
        result = 3;
        soundHandler->PlayS(SOUND_BUTTON1, cx);
    }
    Sys_SetScale(1.0f, 1.0f);
    if (g_inputLayer != layer) Sys_SetColor(r / 2, g / 2, b / 2);
    const float d = kind == 9 ? -17.0f : -26.0f;
    if (p) p->PaintXY(cx, cy);
    g_fontText->DrawText(caption, cx - 2, cy + d + 4, 1, 1);
    if (result == 2 || result == 3) {
        Sys_SetBlend(BLEND_LIGHT);
        Sys_SetAlpha(a * 0.15f);
        if (p) p->PaintXY(cx, cy);
        g_fontText->DrawText(caption, cx - 2, cy + d + 4, 1, 1);
        Sys_SetBlend(BLEND_ALPHA);
    }
    if (focus != FOCUS_NONE) focusDrawRing(cx, cy, hw, hh);
    return result;
}

int drawSliderKnob(float x, float y, int kind, int layer)
{
    tavoTBild* p = (kind >= 1 && kind <= 10) ? g_imgMoveKnobs[kind] : nullptr;
    const SysDrawStateGuard keep(SysDrawStateGuard::COLOR | SysDrawStateGuard::ALPHA);
    const SysDrawState& st = keep.saved();
    const float r = st.color_red, g = st.color_green, b = st.color_blue;

    bool hit = p && p->data && g_imgProbe3 && g_imgProbe3->data &&
               Sys_ImagesCollide(p->data, (float)(int)x, (float)(int)y, 0, g_imgProbe3->data, (float)(int)mousePointer->_x,
                                 (float)(int)mousePointer->_y, 0);
    int result = 0;
    if (hit && widgetLive(layer)) {
        result = 2;
        if (g_input->_MausFireLeft == 1) {
            result = 3;
            g_input->_MausFireLeft = 0;
            soundHandler->PlayS(SOUND_BUTTON1, x);
        }
        // A drag starts only on the knob itself; held anywhere else the other controls would move it.
        const int s = popupHandler->State;
        bool dragPopup = s != POPUP_CREDITS && s != POPUP_HELP && s != POPUP_MAP && s != 5 && s != POPUP_STONESET;
        if (dragPopup && g_input->_MausDownLeft == 1 && kind == 10) result = 4;
    }
    if (g_inputLayer == layer) {
        Sys_SetScale(result == 0 ? 1.0f : 1.025f, result == 0 ? 1.0f : 1.025f);
    } else {
        Sys_SetScale(1.0f, 1.0f);
        Sys_SetColor(r / 2, g / 2, b / 2);
    }
    if (p) p->PaintXY(x, y);
    Sys_SetScale(1.0f, 1.0f);
    return result;
}

int drawCloseButton(float x, float y)
{
    const float hw = g_imgCloseHover->W / 2, hh = g_imgCloseHover->H / 2;
    const bool live = sceneHandler->FaderDir != FADER_DIR_OUT && g_pause == -1 &&
                      (popupHandler->runtime == 0 || popupHandler->runtime == 16);
    const int focus = focusTarget(x, y, hw, hh, live);
    if (focus == FOCUS_PRESSED) {
        g_imgCloseHover->PaintXY(x, y);
        focusDrawRing(x, y, hw, hh);
        soundHandler->PlayS(SOUND_BUTTON1, x);
        return 1;
    }
    if (pointerInside(x, y, hw, hh)) {
        g_imgCloseHover->PaintXY(x, y);
        if (focus != FOCUS_NONE) focusDrawRing(x, y, hw, hh);
        if (g_input->_MausFireLeft == 1) {
            soundHandler->PlayS(SOUND_BUTTON1, x);
            return 1;
        }
        return 0;
    }
    g_imgClose->PaintXY(x, y);
    if (focus != FOCUS_NONE) focusDrawRing(x, y, hw, hh);
    return 0;
}

void drawTooltip(const std::string& text, float x, float y, float sx, float sy, float dx)
{
    tavoTBild* b = popupHandler->imgPopupMini.get();
    const float w = b->W, h = b->H;
    if (x + w * sx > 1024) x = 1024 - w * sx;
    if (y + h * sy > 768) y = 768 - h * sy - 5;
    b->setHandleTopLeft();
    b->PaintXY(x, y);
    b->Center();
    Sys_SetScale(1.0f, 1.0f);
    drawCenteredText(text, g_fontText, x + dx + (w / 2) * sx, y * sy + 10);
}

void drawHelpDiagram(float x, float y, const int items[9], const int marks[9], const int moss[9], const int arrows[12],
                     int pointerCell)
{
    static const float kArrowSlots[12][2] = {{-24, -48}, {24, -48}, {-48, -24}, {0, -24}, {48, -24}, {-24, 0},
                                             {24, 0},    {-48, 24}, {0, 24},    {48, 24},  {-24, 48}, {24, 48}};
    const THelpDiagramPictures& pics = g_helpDiagramPictures;
    auto cellX = [x](int i) { return x + (float)((i % 3 - 1) * 48); };
    auto cellY = [y](int i) { return y + (float)((i / 3 - 1) * 48); };

    g_imgNiner->PaintXY(x, y);
    for (int i = 0; i < 9; ++i)
        if (moss[i] == 1 && pics.moss) pics.moss->PaintXY(cellX(i), cellY(i));
    Sys_SetScale(0.5f, 0.5f);
    for (int i = 0; i < 9; ++i)
        if (moss[i] > 1)
            if (tavoTBild* g = pictureAt(pics.glo, moss[i])) g->PaintXY(cellX(i), cellY(i));
    Sys_SetScale(1.0f, 1.0f);
    for (int i = 0; i < 9; ++i)
        if (items[i] > 0)
            if (tavoTBild* it = pictureAt(pics.items, items[i])) it->PaintXY(cellX(i), cellY(i));
    {
        const SysDrawStateGuard keep(SysDrawStateGuard::ALPHA);
        Sys_SetAlpha(keep.saved().color_alpha * 0.75f);
        for (int i = 0; i < 9; ++i)
            if (marks[i] == 1 && pics.cellMark) pics.cellMark->PaintXY(cellX(i), cellY(i));
        for (int i = 0; i < 12; ++i)
            if (arrows[i] > 0)
                if (tavoTBild* ar = pictureAt(pics.arrows, arrows[i]))
                    ar->PaintXY(x + kArrowSlots[i][0], y + kArrowSlots[i][1]);
    }
    if (pointerCell >= 1 && pointerCell <= 9 && mousePointer->_imgPointer)
        mousePointer->_imgPointer->PaintXY(cellX(pointerCell - 1) + 38, cellY(pointerCell - 1) + 38);
}

std::string g_getCurrentBG(int level)
{
    traceLog("-> g_getCurrentBG(" + std::to_string(level) + ")");
    std::string r = "data/bg/bg1.jpg";
    if (level >= 1 && level <= 80) r = "data/bg/bg" + std::to_string((level - 1) / 10 + 1) + ".jpg";
    traceLog("<- g_getCurrentBG(" + std::to_string(level) + ")");
    return r;
}
