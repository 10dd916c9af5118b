// The loading screen that loads the shared artwork while its progress bar fills.
#pragma once

#include "framework/scene.h"

class tavoTBild;

class tavoTSceneLoadscreen : public tavoTScene {
public:
    tavoTSceneLoadscreen();
    ~tavoTSceneLoadscreen() override;
    int Prepare() override;
    int Update() override;
    int Leave() override;
    // Runs every loading step at once (the harness skips the screen).
    void loadEverything();

    tavoTBild* _imgBackground;
    tavoTBild* _imgLoadbar;
    tavoTBild* _imgLoadbarProgress;
    float _loadbarY = 0;
};
