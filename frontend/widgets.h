// The shared widgets every screen draws (buttons, slider knobs, close button, tooltips, help diagram), their pictures and small screen texts.
#pragma once

#include <string>
#include <vector>

class TBitmapFont;
class tavoTBild;
struct SysImage;

// Shared UI pictures; arrays of 11 use elements 1..10.
extern tavoTBild* g_imgBar;
extern tavoTBild* g_imgMoveKnobs[11];
extern tavoTBild* g_imgButtons[11];
extern tavoTBild* g_imgButtonsSpare[11];
extern tavoTBild* g_imgProbe;
extern tavoTBild* g_imgProbe2;
extern tavoTBild* g_imgProbe3;
extern tavoTBild* g_imgCheckbox;
extern tavoTBild* g_imgH;
extern tavoTBild* g_imgOptionsTrack;
extern tavoTBild* g_imgHelpTile;
extern tavoTBild* g_imgHelpStone;
extern tavoTBild* g_imgHelpArrow;
extern tavoTBild* g_imgLine;
extern tavoTBild* g_imgNiner;
extern tavoTBild* g_imgUITop;
extern tavoTBild* g_imgPlayerMenu;
extern tavoTBild* g_imgScores;
extern tavoTBild* g_imgClose;
extern tavoTBild* g_imgCloseHover;
extern tavoTBild* g_imgHoloFrames[3];
extern tavoTBild* g_imgLoadBg;
extern SysImage* g_animHoloWobbel;   // 32 frames of 128 x 128, top-left handle
extern SysImage* g_animImpact;       // 16 frames of 128 x 128, centre handle

// Board pictures the help diagram draws; the board scene fills this when it loads its pictures.
// Each vector is indexed by the value drawn (item kind, moss level, arrow kind); missing entries draw nothing.
struct THelpDiagramPictures {
    tavoTBild* moss = nullptr;
    std::vector<tavoTBild*> glo;
    std::vector<tavoTBild*> items;
    tavoTBild* cellMark = nullptr;
    std::vector<tavoTBild*> arrows;
};
extern THelpDiagramPictures g_helpDiagramPictures;

void createSharedImages();
void destroySharedImages();
void loadUIImages();
std::string timeText(int seconds);
std::string levelTitle(int level);
int levelInChapter(int level);
int chapterOfLevel(int level);
void showMessage(float x, float y, const std::string& text);
void drawCenteredText(const std::string& text, TBitmapFont* font, float x, float y);
int drawButton(float x, float y, int kind, int layer, const std::string& caption);
// Whether a button on `layer` takes input now: its layer is current, no fade-out, no pause, no popup moving.
bool widgetLive(int layer);
int drawSliderKnob(float x, float y, int kind, int layer);
int drawCloseButton(float x, float y);
void drawTooltip(const std::string& text, float x, float y, float sx, float sy, float dx);
// Cells 1..9 row by row are the array elements 0..8; arrow slots 1..12 are elements 0..11.
void drawHelpDiagram(float x, float y, const int items[9], const int marks[9], const int moss[9], const int arrows[12],
                     int pointerCell);
std::string g_getCurrentBG(int level);
