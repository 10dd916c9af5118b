// The loading screen that loads the shared artwork with a progress bar.
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

    tavoTBild* _imgBG;
    int _loaded = 0;
};
