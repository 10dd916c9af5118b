// The options: music and sound sliders, full screen, help pages, the game pointer and the language, credits, ok saves.
#include <algorithm>

#include "framework/globals.h"
#include "framework/input.h"
#include "framework/language.h"
#include "frontend/widgets.h"
#include "campaign/config.h"
#include "campaign/spieler.h"
#include "framework/bild.h"
#include "fonts/bitmapfont.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/focus.h"
#include "frontend/popup.h"
#include "platform/sys.h"

namespace {
// The slider track starts at this x; a volume is the knob's distance from it.
constexpr float SLIDER_LEFT = 372;
constexpr int VOLUME_MAX = 280;
// one arrow press moves a volume by a twentieth
constexpr int VOLUME_KEY_STEP = VOLUME_MAX / 20;

void (*s_toggleWindowMode)() = nullptr;
void (*s_changeLanguage)(int) = nullptr;

int clampVolume(int v) { return std::clamp(v, 0, VOLUME_MAX); }

// One slider row: label, track, the two ends, and the knob that drags while `drag` is set. Focused, left and right
// step it, a held arrow repeating.
void slider(tavoTPopup& p, float rowY, const char* labelKey, int& volume, int& drag, const int& otherDrag)
{
    textCentred(text(labelKey), 512, rowY - 58);
    g_imgOptionsTrack->PaintXY(512, rowY);
    textRight(text("quiet"), 322, rowY - 20);
    textLeft(text("loud"), 702, rowY - 20);
    volume = clampVolume(volume);
    const float hw = g_imgOptionsTrack->W / 2, hh = 14;
    const int focus = focusTarget(512, rowY + 3, hw, hh, dialogTakesInput(p));
    if (focus != FOCUS_NONE && focusNavigable()) {
        const int step = g_input->_NavRight - g_input->_NavLeft;
        if (step != 0) {
            volume = clampVolume(volume + step * VOLUME_KEY_STEP);
            focusMoveTo(512, rowY + 3);
        }
    }
    if (drawSliderKnob(SLIDER_LEFT + (float)volume, rowY + 3, 10, 2) == 4 && otherDrag == 0) drag = 1;
    if (drag == 1) volume = clampVolume((int)(mousePointer->_x - SLIDER_LEFT));
    if (focus != FOCUS_NONE) focusDrawRing(512, rowY + 3, hw, hh, true);
}

// A check box with its label as given; returns true when clicked while the dialog is open and `enabled`.
bool checkBoxLabelled(tavoTPopup& p, float x, float y, const std::string& label, bool on, bool enabled)
{
    const SysDrawState st = Sys_State();
    if (!enabled) Sys_SetColor(st.color_red / 2, st.color_green / 2, st.color_blue / 2);
    g_imgCheckbox->PaintXY(x, y);
    textLeft(label, x + 37, y - 20);
    const bool idle = g_soundKnobDrag == 0 && g_musicKnobDrag == 0;
    const bool over = std::abs(mousePointer->_x - x) < 20 && std::abs(mousePointer->_y - y) < 20;
    bool clicked = false;
    if (enabled && idle && over) {
        Sys_SetBlend(BLEND_LIGHT);
        g_imgCheckbox->PaintXY(x, y);
        Sys_SetBlend(BLEND_ALPHA);
        clicked = g_input->_MausFireLeft == 1 && p.runtime == POPUP_RUNTIME_OPEN && p.direction == 1;
    }
    if (on) g_imgH->PaintXY(x + 6, y - 6);
    Sys_SetColor(st.color_red, st.color_green, st.color_blue);
    // the ring takes in the label, which is what a player reads as the box
    const float labelW = (float)g_fontText->GetTxtWidth(label);
    const float cx = x - 20 + (labelW + 57) / 2, hw = (labelW + 57) / 2;
    const int focus = focusTarget(cx, y, hw, 20, enabled && idle && dialogTakesInput(p));
    if (focus == FOCUS_PRESSED) clicked = true;
    if (focus != FOCUS_NONE) focusDrawRing(cx, y, hw, 20, true);
    return clicked;
}

bool checkBox(tavoTPopup& p, float x, float y, const char* labelKey, bool on, bool enabled)
{
    return checkBoxLabelled(p, x, y, text(labelKey), on, enabled);
}

// The language row: one box per language in the columns of the boxes above, each named in its own language.
void languageRow(tavoTPopup& p, float y)
{
    float x = 302.0f;
    for (const TLanguage& l : gameLanguages()) {
        if (checkBoxLabelled(p, x, y, l.name, l.number == g_language, s_changeLanguage != nullptr) && l.number != g_language)
            s_changeLanguage(l.number);
        x += 250.0f;
    }
}
}

void installWindowModeSwitch(void (*toggle)()) { s_toggleWindowMode = toggle; }
void installLanguageSwitch(void (*change)(int)) { s_changeLanguage = change; }

int runOptions(tavoTPopup& p)
{
    TConfig& c = *g_config;
    p.box(POPUP_SIZE_BIG, text("options"));
    Sys_SetScale(1.1f, 1.0f);
    p.imgPaperCanvas->PaintXY(512, 384);
    Sys_SetScale(1.0f, 1.0f);
    slider(p, 289, "music", c.musiklautsoll, g_musicKnobDrag, g_soundKnobDrag);
    slider(p, 384, "sound", c.soundlaut, g_soundKnobDrag, g_musicKnobDrag);

    TSpieler* pl = currentProfile();
    if (checkBox(p, 302, 434, "fullscreen", c.fullscreen == 1, true) && s_toggleWindowMode) s_toggleWindowMode();
    if (checkBox(p, 552, 434, "showhelp", pl && pl->isHelp != 0, pl != nullptr)) pl->isHelp = pl->isHelp != 0 ? 0 : 1;
    if (checkBox(p, 442, 484, "gfxcursor", mousePointer->_useGFXPointer == 1, true)) mousePointer->toggleGFXMode();
    languageRow(p, 534);

    if (g_input->_MausDownLeft == 0) g_soundKnobDrag = g_musicKnobDrag = 0;

    const bool credits = dialogButton(p, 362, 594, "credits");
    const bool ok = dialogButton(p, 662, 594, "ok");
    if (credits) {
        p.pop(POPUP_CREDITS);
    } else if (ok || dialogEscape(p) || dialogEnter(p)) {
        c.SaveToDisk();
        closeDialog(p);
    }
    return 1;
}
