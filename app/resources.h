// Fonts, the frame counter, the pause screen and two small value rules of the start-up.
#pragma once

void loadFonts();
void updateFps();
void updatePause();
void drawPause();
int keepSecond(int first, int second);
int zeroAsThree(int v);
