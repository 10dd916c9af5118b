// Shared helpers: trace log, counters, formatting, pause screen and the standard buttons.
#include "app/resources.h"

#include <cstdio>

#include "app/globals.h"
#include "app/input.h"
#include "fonts/bitmapfont.h"
#include "framework/bild.h"
#include "framework/language.h"
#include "framework/scene.h"
#include "frontend/messages.h"
#include "frontend/popup.h"
#include "platform/sys.h"

static int s_traceCounter = 0;

void createSharedImages() {}
void destroySharedImages() {}

void loadUIImages()
{
    popupHandler->imgPopupSmall->LoadFromDisk("data/UI/popupsmall.png", 1, -1);
    popupHandler->imgPopupMedium->LoadFromDisk("data/UI/popupmedium.png", 1, -1);
    popupHandler->imgPopupBig->LoadFromDisk("data/UI/popupbig.png", 1, -1);
    popupHandler->imgPopupMini->LoadFromDisk("data/UI/popupmini.png", 1, -1);
    popupHandler->imgPaperCanvas->LoadFromDisk("data/UI/playermenu.png", 1, -1);
    popupHandler->imgPopupShadow->LoadFromDisk("data/UI/popupshadow.png", 0, -1);
}

void loadFonts()
{
    g_fontText->Load("data/fonts/text.tgf", 2);
    g_fontText->drawShadow = 1;
    g_fontText->drawBorder = 1;
    g_fontText->kerningX = 1.0f;
    g_fontHeader->Load("data/fonts/header.tgf", 2);
    g_fontHeader->drawBorder = 0;
    g_fontHeader->drawShadow = 0;
    g_fontHeader->kerningX = 1.0f;
}

void updateFps()
{
    g_fpsFrames += 1;
    int t = Sys_TimerTicks(g_fpsTimer);
    if (t > g_fpsTick) {
        g_fpsTick = t;
        g_fps = g_fpsFrames;
        g_fpsFrames = 0;
    }
}

void countPlayTime() {}

void traceLog(const std::string& text)
{
    s_traceCounter += 1;
    Sys_Trace(std::to_string(s_traceCounter) + ": " + text);
}

int traceCounter() { return s_traceCounter; }

void drawPause()
{
    Sys_SetScale(1.0f, 1.0f);
    popupHandler->box(POPUP_SIZE_SMALL, g_lang->getValue("pause"));
    drawCenteredText(g_lang->getValue("clicktocontinue"), g_fontText, 512, 340);
}

void updatePause()
{
    drawPause();
    if (g_input->_MausFireLeft == 1) g_pause = -1;
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

std::string coordText(float x, float y, int asInt, const std::string& label)
{
    if (asInt != 0) return label + "(" + std::to_string((int)x) + "|" + std::to_string((int)y) + ")";
    char buf[96];
    std::snprintf(buf, sizeof buf, "(%.9g|%.9g)", (double)x, (double)y);
    return label + buf;
}

void showMessage(float x, float y, const std::string& text) { messageHandler->addMessage(text, x, y); }

void drawCenteredText(const std::string& text, TBitmapFont* font, float x, float y)
{
    size_t start = 0;
    int i = 0;
    while (true) {
        size_t at = text.find("%n", start);
        std::string line = text.substr(start, at == std::string::npos ? std::string::npos : at - start);
        size_t b = line.find_first_not_of(' '), e = line.find_last_not_of(' ');
        std::string trimmed = b == std::string::npos ? "" : line.substr(b, e - b + 1);
        int w = (int)font->GetTxtWidth(trimmed);
        font->DrawText(line, x - (float)(w / 2), y + (float)i * font->GetFontHeight() + font->kerningY);
        if (at == std::string::npos) break;
        start = at + 2;
        ++i;
    }
}

int drawButton(float x, float y, int, int layer, const std::string& caption)
{
    int result = 0;
    float hw = 80, hh = 22;
    if (mousePointer->_x > x - hw && mousePointer->_x < x + hw && mousePointer->_y > y - hh && mousePointer->_y < y + hh &&
        g_inputLayer == layer && sceneHandler->FaderDir == FADER_DIR_IN && g_pause == -1 &&
        (popupHandler->runtime == 0 || popupHandler->runtime == 16)) {
        result = 2;
        if (g_input->_MausFireLeft == 1) {
            result = 3;
            g_input->_MausFireLeft = 0;
        }
    }
    Sys_DrawRect(x - hw, y - hh, hw * 2, hh * 2, false);
    drawCenteredText(caption, g_fontText, x, y - 5);
    return result;
}

int drawCloseButton(float, float) { return 0; }

std::string g_getCurrentBG(int level)
{
    traceLog("-> g_getCurrentBG(" + std::to_string(level) + ")");
    std::string r = "data/bg/bg1.jpg";
    if (level >= 1 && level <= 80) r = "data/bg/bg" + std::to_string((level - 1) / 10 + 1) + ".jpg";
    traceLog("<- g_getCurrentBG(" + std::to_string(level) + ")");
    return r;
}
