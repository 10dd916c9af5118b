// The large animated button of the main menu and the level map: a glass button over a wobbling holo glow.
#pragma once

#include <string>

class THoloButton {
public:
    THoloButton();
    virtual ~THoloButton() = default;
    virtual int setup(float x, float y, int layer, const std::string& caption);
    // Draws the button and reports 0 idle, 2 under the pointer, 3 clicked; the argument is not used.
    virtual int Tick(int ignored);
    virtual int Wobbel();

    float holox = 0, holoy = 0;
    float korry = -10, korrx = -5;
    int x = 0, y = 0;
    int h = 0, w = 0;
    int l = 0;
    std::string s;
    int runtime = 20;
    int wobbelstart;
    int wobbeldauer = 32;
    int wobbelruntime = 0;
    int isWobbel = 0;
};

// The main menu's start, player, champions and options buttons and the level map's start; owned by holo.cpp.
extern THoloButton* g_menuHoloButtons[4];
extern THoloButton* g_roadmapHoloButton;

// Makes the holo buttons on first use and sets their places and captions; the UI pictures must be loaded.
void setupHoloButtons();
void destroyHoloButtons();
