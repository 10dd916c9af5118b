// What the dialogs share: buttons and keys gated to the fully open dialog, closing, aligned text.
#include "framework/globals.h"
#include "framework/input.h"
#include "frontend/widgets.h"
#include "fonts/bitmapfont.h"
#include "framework/language.h"
#include "framework/scene.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/popup.h"

bool dialogButton(tavoTPopup& p, float x, float y, const std::string& captionKey, int layer)
{
    // the button draws at every runtime; a dialog acts on it only when fully open, never in the last closing frame
    return drawButton(x, y, 3, layer, text(captionKey)) == 3 && dialogTakesInput(p);
}

bool dialogButtonArmed(tavoTPopup& p, float x, float y, const std::string& captionKey)
{
    const bool armed = p.openFrames >= POPUP_ARM_FRAMES;
    return drawButton(x, y, 3, armed ? 2 : -1, text(captionKey)) == 3 && dialogTakesInput(p);
}

bool dialogEnter(tavoTPopup& p)
{
    return g_input->_Enter == 1 && g_input->_EnterDownFrame > p.openedAtFrame && dialogTakesInput(p);
}

bool dialogEscape(tavoTPopup& p)
{
    if (g_input->_Escape != 1 || !dialogTakesInput(p)) return false;
    g_input->_Escape = 0;
    return true;
}

void closeDialog(tavoTPopup& p) { p.direction = 2; }

void textLeft(const std::string& t, float x, float y) { g_fontText->DrawText(t, x, y); }
void textRight(const std::string& t, float x, float y) { g_fontText->DrawText(t, x - g_fontText->GetTxtWidth(t), y); }
void textCentred(const std::string& t, float x, float y) { g_fontText->DrawText(t, x - g_fontText->GetTxtWidth(t) / 2, y); }
std::string text(const std::string& key) { return g_lang->getValue(key); }

bool dialogTakesInput(const tavoTPopup& p)
{
    return p.runtime == POPUP_RUNTIME_OPEN && p.direction == 1 && sceneHandler->FaderDir != FADER_DIR_OUT;
}
