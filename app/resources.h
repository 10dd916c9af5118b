// Shared pictures, fonts, counters, trace log, pause screen and small helpers every screen uses.
#pragma once

#include <string>

class TBitmapFont;

void createSharedImages();
void destroySharedImages();
void loadUIImages();
void loadFonts();
void updateFps();
void countPlayTime();
void traceLog(const std::string& text);
int traceCounter();
void updatePause();
void drawPause();
std::string timeText(int seconds);
std::string levelTitle(int level);
int levelInChapter(int level);
int chapterOfLevel(int level);
std::string coordText(float x, float y, int asInt, const std::string& label);
void showMessage(float x, float y, const std::string& text);
void drawCenteredText(const std::string& text, TBitmapFont* font, float x, float y);
int drawButton(float x, float y, int kind, int layer, const std::string& caption);
int drawCloseButton(float x, float y);
std::string g_getCurrentBG(int level);
